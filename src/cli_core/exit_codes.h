#pragma once

namespace soatnoma::cli_core {

// Exit statuses other tools rely on.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSomeSkipped = 1;    // a batch: some rows were refused and skipped, the rest written
inline constexpr int kExitRefused = 2;        // the input was refused (a batch: no row could be made,
                                              // nothing written); the message on stderr
inline constexpr int kExitCannotWrite = 3;    // the output file could not be written
inline constexpr int kExitUsage = 64;         // bad command line; the usage on stderr
inline constexpr int kExitInterrupted = 130;  // a batch stopped by Ctrl+C, as a shell reports it

}  // namespace soatnoma::cli_core
