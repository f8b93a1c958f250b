#pragma once

#include <ostream>
#include <span>
#include <string>

#include "cli_core/option_reader.h"
#include "model/teacher.h"

namespace soatnoma::cli_core {

// soatnoma-cli table --category upper|primary --weekly TEXT [--rate TEXT] [--leader]
//                    [--before-rounding]
int RunTableCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The options every command that computes one teacher shares, and their reading.
struct TeacherOptions {
  bool valid = false;
  std::string error;
  TeacherCategory category = TeacherCategory::Upper;
  std::string weekly;
  std::string rate;
  bool leader = false;
};
void AddTeacherOptions(OptionSpec& spec);
TeacherOptions ReadTeacherOptions(const ParsedOptions& options);

}  // namespace soatnoma::cli_core
