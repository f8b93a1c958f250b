#include "cli/cli.h"

#include <array>

#include "cli/batch_command.h"
#include "cli_core/cli_commands.h"
#include "cli_core/explain_command.h"
#include "cli/report_command.h"
#include "cli_core/table_command.h"
#include "cli/workbook_commands.h"

namespace soatnoma::cli {
namespace {

constexpr std::array kCommands = {
    Command{"table", RunTableCommand}, Command{"explain", RunExplainCommand}, Command{"report", RunReportCommand},
    Command{"batch", RunBatchCommand}, Command{"list", RunListCommand},       Command{"pdf", RunPdfCommand},
};

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunCommands(args, out, err, kCommands);
}

}  // namespace soatnoma::cli
