#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/exit_codes.h"

namespace {

// What was printed must have reached its destination (a full disk, a closed pipe): a
// table that was lost is no success.
int CheckedStandardOutput(int status) {
  errno = 0;
  std::cout.flush();
  const bool flushed = std::fflush(stdout) == 0;
  const int error = errno;
  if (flushed && std::ferror(stdout) == 0 && std::cout.good()) return status;
  std::cerr << "soatnoma-cli: natija chiqarilmadi (" << std::strerror(error != 0 ? error : EIO) << ").\n";
  return status == soatnoma::cli::kExitOk ? soatnoma::cli::kExitCannotWrite : status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return CheckedStandardOutput(soatnoma::cli::RunCli(args, std::cout, std::cerr));
}
