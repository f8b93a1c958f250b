#pragma once
// Reading a roster file whole, at most kMaxRosterBytes of it.

#include <string>

#include "roster_rules/roster_file_form.h"

namespace soatnoma::staff_files {

struct RosterFileContents {
  bool ok = false;
  std::string text;     // the file's bytes when ok
  std::string message;  // why it could not be read (Uzbek) otherwise
};

RosterFileContents ReadRosterFile(const std::string& path);

}  // namespace soatnoma::staff_files
