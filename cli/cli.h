#pragma once
// soatnoma-cli: the headless front end, every command in this process. Arguments without
// the program name.

#include <ostream>
#include <span>
#include <string>

#include "cli_core/cli_commands.h"

namespace soatnoma::cli {

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace soatnoma::cli
