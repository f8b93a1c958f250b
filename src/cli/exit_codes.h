#pragma once

namespace soatnoma::cli {

// Exit statuses other tools rely on.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;      // the teacher's input was refused; its message on stderr
inline constexpr int kExitCannotWrite = 3;  // the output file could not be written
inline constexpr int kExitUsage = 64;       // bad command line; the usage on stderr

}  // namespace soatnoma::cli
