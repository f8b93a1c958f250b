#include "roster_rules/roster_overwrite.h"

#include <sys/stat.h>

namespace soatnoma::roster_rules {

bool WritesOverRoster(const std::string& rosterPath, const std::string& outputPath) {
  // stat follows every link on the way, the last one too: a symbolic link to the list
  // reads as the list, and a hard link is the list's own inode under another name. A
  // not-yet-existing output resolves through its folder to nothing, and so is no list.
  struct stat roster {};
  struct stat output {};
  if (rosterPath.empty() || outputPath.empty()) return false;
  if (::stat(rosterPath.c_str(), &roster) != 0 || ::stat(outputPath.c_str(), &output) != 0) return false;
  return roster.st_dev == output.st_dev && roster.st_ino == output.st_ino;
}

std::string WritesOverRosterMessage(const std::string& outputPath) {
  return "Fayl yozilmadi: \"" + outputPath +
         "\" o'qilgan ro'yxatning o'zi (yoki unga havola), ustidan yozilsa ro'yxat yo'qoladi. "
         "Hisobotlar uchun boshqa nom tanlang.";
}

}  // namespace soatnoma::roster_rules
