#include "cli/table_command.h"

#include "cli/exit_codes.h"
#include "cli/cli_commands.h"
#include "cli/table_csv.h"
#include "model/distribution.h"
#include "model/rounding_pass.h"
#include "model/workload_table.h"

namespace soatnoma::cli {

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
    err << "soatnoma-cli: " << (options ? teacher.error : error) << "\n" << UsageText();
    return kExitUsage;
  }

  const TeacherCategory category = teacher.category;
  WorkloadTable table;
  WorkingValues working;
  const DistributionInput input{category, teacher.weekly, teacher.rate, teacher.leader};
  if (const auto refusal = DistributeWorkload(input, table, working)) {
    err << refusal->message << "\n";
    return kExitRefused;
  }
  if (!options->Has("--before-rounding")) RoundingPass(category, table, teacher.weekly, teacher.leader, working);
  out << TableAsCsv(table);
  return kExitOk;
}

}  // namespace soatnoma::cli
