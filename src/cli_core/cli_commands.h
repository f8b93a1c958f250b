#pragma once
// The command line's dispatch, without any command of its own: --help, --version, a
// command's --help, unknown commands and the usage. Plain C++, so that the commands that
// need no report file (table, --help, --version) run without loading Qt.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace soatnoma::cli_core {

using CommandFunction = int (*)(std::span<const std::string> args, std::ostream& out, std::ostream& err);

struct Command {
  std::string_view name;
  CommandFunction run;  // given the arguments after the command's name
};

int RunCommands(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                std::span<const Command> commands);

std::string UsageText();

// How every message of the command line begins: "soatnoma-cli: ...".
inline constexpr std::string_view kMessageStart = "soatnoma-cli: ";

}  // namespace soatnoma::cli_core
