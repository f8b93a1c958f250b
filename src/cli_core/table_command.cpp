#include "cli_core/table_command.h"

#include <variant>

#include "cli_core/exit_codes.h"
#include "cli_core/cli_commands.h"
#include "model/table_csv.h"
#include "model/distribution.h"

namespace soatnoma::cli_core {

void AddTeacherOptions(OptionSpec& spec) {
  spec.valued.insert({"--category", "--weekly", "--rate"});
  spec.flags.insert("--leader");
}

TeacherOptions ReadTeacherOptions(const ParsedOptions& options) {
  TeacherOptions teacher;
  const auto category = options.Value("--category");
  if (!category || (*category != "upper" && *category != "primary")) {
    teacher.error = "--category upper yoki primary bo'lishi kerak";
    return teacher;
  }
  const auto weekly = options.Value("--weekly");
  if (!weekly) {
    teacher.error = "--weekly berilmagan";
    return teacher;
  }
  const TeacherCategory parsedCategory = *category == "upper" ? TeacherCategory::Upper : TeacherCategory::Primary;
  teacher.category = parsedCategory;
  teacher.weekly = *weekly;
  teacher.rate = options.Value("--rate").value_or(std::string(DefaultRate(parsedCategory)));
  teacher.leader = options.Has("--leader");
  teacher.valid = true;
  return teacher;
}

int RunTableCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  OptionSpec spec;
  AddTeacherOptions(spec);
  spec.flags.insert("--before-rounding");
  std::string error;
  const auto options = ReadOptions(args, spec, &error);
  TeacherOptions teacher;
  if (options) teacher = ReadTeacherOptions(*options);
  if (!options || !teacher.valid) {
    err << kMessageStart << (options ? teacher.error : error) << "\n" << UsageText();
    return kExitUsage;
  }

  const DistributionInput input{teacher.category, teacher.weekly, teacher.rate, teacher.leader};
  const auto csv = TeacherTableCsv(input, options->Has("--before-rounding"));
  if (const auto* refusal = std::get_if<Refusal>(&csv)) {
    err << refusal->message << "\n";
    return kExitRefused;
  }
  out << std::get<std::string>(csv);
  return kExitOk;
}

}  // namespace soatnoma::cli_core
