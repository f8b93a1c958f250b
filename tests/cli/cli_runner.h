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

// What a command printed, line by line.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
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
