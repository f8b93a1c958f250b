#pragma once

#include <ostream>
#include <span>
#include <string>

namespace soatnoma::cli_core {

// soatnoma-cli explain --category upper|primary --weekly TEXT [--rate TEXT] [--leader] CELL
// Prints how the cell (C5:S20, "D8") of the teacher's rounded table came by its hours.
int RunExplainCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace soatnoma::cli_core
