#pragma once
// The staff list is never written over by what is made of it. A staff's workbook or PDF
// saved onto the very file the list was read from would replace the list with the result,
// so such a save is refused in every edition that writes files (the desktop and the
// command line). Plain C++ over the operating system's file identities.

#include <string>

namespace soatnoma::roster_rules {

// Whether a file written at outputPath would take the place of the list at rosterPath:
// the same file (device and inode) however its path is spelled ("./xodimlar.xlsx", a
// folder reached through a link, letter case on a file system that ignores it), and also
// a symbolic or hard link to the list, whose owner meant the list and not a new file. An
// output that does not exist yet, or a list that cannot be found, is not the list.
bool WritesOverRoster(const std::string& rosterPath, const std::string& outputPath);

// Why such a save is refused, for the teacher (Uzbek); outputPath as it was chosen.
std::string WritesOverRosterMessage(const std::string& outputPath);

}  // namespace soatnoma::roster_rules
