#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace soatnoma::cli::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliResult RunCliWith(std::vector<std::string> args) {
  std::ostringstream out;
  std::ostringstream err;
  CliResult result;
  result.status = RunCli(args, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace soatnoma::cli::testing
