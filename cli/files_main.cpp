// soatnoma-cli-files: every command of soatnoma-cli in one process, Qt loaded; soatnoma-cli
// hands its report, batch, list and pdf commands over to it.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli_core/standard_output.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return soatnoma::cli_core::CheckedStandardOutput(soatnoma::cli::RunCli(args, std::cout, std::cerr));
}
