#pragma once
// The commands that write report files (report, batch) need Qt to lay out and draw the
// form; they run in a program of their own, soatnoma-cli-files, which this one becomes
// (exec), so that the table, --help and --version start without loading Qt at all.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace soatnoma::cli_core {

// Replaces this process by the files program running the command with the arguments; only
// returns when that program cannot be started (status 3, the reason on err).
int RunInFilesProgram(std::string_view command, std::span<const std::string> args, std::ostream& err);

}  // namespace soatnoma::cli_core
