#pragma once
// soatnoma-cli: the headless front end. Arguments without the program name.

#include <ostream>
#include <span>
#include <string>

namespace soatnoma::cli {

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

std::string UsageText();

}  // namespace soatnoma::cli
