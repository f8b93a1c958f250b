// soatnoma-cli: the table, explain, --help and --version here, without Qt; report, batch, list
// and pdf in soatnoma-cli-files, which this program becomes for them.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "cli_core/cli_commands.h"
#include "cli_core/explain_command.h"
#include "cli_core/files_program.h"
#include "cli_core/standard_output.h"
#include "cli_core/table_command.h"

namespace {

using soatnoma::cli_core::Command;

int Report(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  return soatnoma::cli_core::RunInFilesProgram("report", args, err);
}

int Batch(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  return soatnoma::cli_core::RunInFilesProgram("batch", args, err);
}

// Reading a workbook needs the report files' libraries, which bring Qt with them.
int List(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  return soatnoma::cli_core::RunInFilesProgram("list", args, err);
}

int Pdf(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  return soatnoma::cli_core::RunInFilesProgram("pdf", args, err);
}

constexpr std::array kCommands = {
    Command{"table", soatnoma::cli_core::RunTableCommand},
    Command{"explain", soatnoma::cli_core::RunExplainCommand},
    Command{"report", Report},
    Command{"batch", Batch},
    Command{"list", List},
    Command{"pdf", Pdf},
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return soatnoma::cli_core::CheckedStandardOutput(
      soatnoma::cli_core::RunCommands(args, std::cout, std::cerr, kCommands));
}
