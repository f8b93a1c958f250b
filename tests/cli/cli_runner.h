#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_command.h"
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

// The batch command with the clock at the year given.
inline CliResult RunBatchAt(const std::vector<std::string>& args, int clockYear, bool showProgress = false,
                            const AfterEachTeacher& afterEachTeacher = {}) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunBatchCommandAt(
      args, out, err, [clockYear] { return clockYear; }, showProgress, afterEachTeacher);
  return {status, out.str(), err.str()};
}

}  // namespace soatnoma::cli::testing
