#pragma once
// A staff list opened from its file, whichever of the two forms a school office keeps it
// in: a CSV file (UTF-8, or Windows-1251 as Excel on Windows saves it) or a workbook
// (.xlsx, its first sheet). The form is told by the file's content, not by its name.

#include <string>

#include "roster_rules/roster.h"

namespace soatnoma::staff_files {

struct LoadedRoster {
  bool ok = false;
  roster_rules::Roster roster;  // when ok
  // why it could not be read (Uzbek, "Ro'yxat o'qilmadi: ...", or the roster's headingProblem)
  std::string message;
};

LoadedRoster LoadRoster(const std::string& path);

}  // namespace soatnoma::staff_files
