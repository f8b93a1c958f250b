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
    cli_core::Command{"table", cli_core::RunTableCommand},
    cli_core::Command{"explain", cli_core::RunExplainCommand},
    cli_core::Command{"report", RunReportCommand},
    cli_core::Command{"batch", RunBatchCommand},
    cli_core::Command{"list", RunListCommand},
    cli_core::Command{"pdf", RunPdfCommand},
};

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return cli_core::RunCommands(args, out, err, kCommands);
}

}  // namespace soatnoma::cli
