#include "cli/cli.h"

#include <array>
#include <string_view>

#include "cli/batch_command.h"
#include "cli/exit_codes.h"
#include "cli/report_command.h"
#include "cli/table_command.h"
#include "cli/version.h"

namespace soatnoma::cli {
namespace {

using CommandFunction = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

struct Command {
  std::string_view name;
  CommandFunction run;
};

constexpr std::array kCommands = {
    Command{"table", RunTableCommand},
    Command{"report", RunReportCommand},
    Command{"batch", RunBatchCommand},
};

}  // namespace

std::string UsageText() {
  return "Usage:\n"
         "  soatnoma-cli table --category upper|primary --weekly TEXT [--rate TEXT] [--leader]\n"
         "                     [--before-rounding]\n"
         "  soatnoma-cli report --category upper|primary --weekly TEXT [--rate TEXT] [--leader]\n"
         "                      [--name TEXT] [--school TEXT] [--subject TEXT] [--year YYYY] -o FILE\n"
         "  soatnoma-cli batch ROSTER.csv -o OUT [--year YYYY]\n"
         "  soatnoma-cli --help | --version\n"
         "\n"
         "table   prints the annual workload table (rows 5-20, columns C-S) as CSV.\n"
         "        TEXT is taken exactly as typed into the form; the rate defaults to 20\n"
         "        for upper-class and 18 for primary-class teachers.\n"
         "report  writes the teacher's report form to FILE: .xlsx (a workbook with live\n"
         "        formulas) or .pdf (one A4 landscape page). --year is the calendar year Y\n"
         "        of the title's school year Y/Y+1 (default: this year); the texts are\n"
         "        used exactly as given.\n"
         "batch   writes every teacher of a staff list (CSV: ism, maktab, fan, toifa, soat,\n"
         "        stavka, rahbar, du..sh) to OUT: .xlsx (a sheet per teacher and the summary\n"
         "        \"Jami\") or .pdf (a page per teacher). Refused rows are reported on\n"
         "        stderr as \"qator N: ...\" and skipped.\n"
         "\n"
         "Exit status: 0 done, 1 some roster rows skipped, 2 input refused (batch: no row\n"
         "could be made, nothing written; message on stderr), 3 file not written,\n"
         "64 bad command line, 130 batch stopped by Ctrl+C (nothing written).\n";
}

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << UsageText();
    return kExitUsage;
  }
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") {
    out << UsageText();
    return kExitOk;
  }
  if (first == "--version") {
    out << "soatnoma-cli " << SOATNOMA_VERSION << "\n";
    return kExitOk;
  }
  for (const Command& command : kCommands) {
    if (command.name == first) {
      const auto rest = args.subspan(1);
      if (!rest.empty() && (rest.front() == "--help" || rest.front() == "-h")) {
        out << UsageText();
        return kExitOk;
      }
      return command.run(rest, out, err);
    }
  }
  err << "soatnoma-cli: unknown command " << first << "\n" << UsageText();
  return kExitUsage;
}

}  // namespace soatnoma::cli
