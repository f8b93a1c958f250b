#include "cli_core/explain_command.h"

#include <optional>
#include <variant>

#include "cli_core/cli_commands.h"
#include "cli_core/exit_codes.h"
#include "cli_core/table_command.h"
#include "explain/cell_explanation.h"
#include "report_sheet/sheet_address.h"
#include "model/told_table.h"
#include "model/workload_table.h"

namespace soatnoma::cli_core {
namespace {

// The cell of the table's hours named ("D8", "s20"); nullopt for anything else.
std::optional<report_editing::CellPlace> TableCellNamed(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  const std::optional<report_sheet::CellBlock> cell = report_sheet::ReadCellName(upper);
  if (!cell || cell->firstRow < kFirstWorkRow || cell->firstRow > kLastWorkRow || cell->firstColumn < col::C ||
      cell->firstColumn > kLastColumn) {
    return std::nullopt;
  }
  return report_editing::CellPlace{cell->firstRow, cell->firstColumn};
}

// Why the command line is wrong, or empty; the cell read into *place.
std::string UsageError(const std::optional<ParsedOptions>& options, const TeacherOptions& teacher,
                       const std::string& optionError, report_editing::CellPlace* place) {
  if (!options) return optionError;
  if (!teacher.valid) return teacher.error;
  if (options->positional.size() != 1) return "bitta katak berilishi kerak (masalan D8)";
  const std::optional<report_editing::CellPlace> named = TableCellNamed(options->positional.front());
  if (!named) return "katak C5:S20 ichida bo'lishi kerak: " + options->positional.front();
  *place = *named;
  return {};
}

}  // namespace

int RunExplainCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  OptionSpec spec;
  AddTeacherOptions(spec);
  spec.allowPositional = true;
  std::string optionError;
  const auto options = ReadOptions(args, spec, &optionError);
  TeacherOptions teacher;
  if (options) teacher = ReadTeacherOptions(*options);
  report_editing::CellPlace place;
  if (const std::string error = UsageError(options, teacher, optionError, &place); !error.empty()) {
    err << kMessageStart << error << "\n" << UsageText();
    return kExitUsage;
  }

  const auto told = TellTeacherTable({teacher.category, teacher.weekly, teacher.rate, teacher.leader});
  if (const auto* refusal = std::get_if<Refusal>(&told)) {
    err << refusal->message << "\n";
    return kExitRefused;
  }
  const auto lines = explain::ExplainCell(*std::get<std::unique_ptr<ToldTable>>(told), place);
  out << explain::ExplainedCellName(place) << "\n" << explain::JoinedLines(lines) << "\n";
  return kExitOk;
}

}  // namespace soatnoma::cli_core
