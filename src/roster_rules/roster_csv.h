#pragma once
// A staff list CSV file read whole: its text decoded, its records split, its rows checked.

#include <string_view>

#include "roster_rules/roster.h"

namespace soatnoma::roster_rules {

// A file that is not UTF-8 is read in the Windows-1251 code page, as Excel on Windows saves
// "CSV", when every byte of it has a character there and it does not begin with UTF-8's
// byte-order mark. A file that begins with UTF-16's byte-order mark is read as UTF-16, as
// Excel saves "Unicode text".
Roster ReadRoster(std::string_view fileContents);

}  // namespace soatnoma::roster_rules
