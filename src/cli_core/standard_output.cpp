#include "cli_core/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli_core/cli_commands.h"
#include "cli_core/exit_codes.h"
#include "model/system_error_text.h"

namespace soatnoma::cli_core {

int CheckedStandardOutput(int status) {
  errno = 0;
  std::cout.flush();
  const bool flushed = std::fflush(stdout) == 0;
  const int error = errno;
  if (flushed && std::ferror(stdout) == 0 && std::cout.good()) return status;
  std::cerr << kMessageStart << "natija chiqarilmadi (" << SystemErrorText(error != 0 ? error : EIO) << ").\n";
  return status == kExitOk ? kExitCannotWrite : status;
}

}  // namespace soatnoma::cli_core
