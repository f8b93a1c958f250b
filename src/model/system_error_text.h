#pragma once
// The operating system's reasons as the program says them to a teacher: the ones a teacher
// meets and can mend in the program's own words, any other in the system's.

#include <string>
#include <string_view>

namespace soatnoma {

// A full disk, or a user's share of it used up.
inline constexpr std::string_view kNoSpaceLeftText = "diskda joy qolmadi";

bool IsNoSpaceLeft(int errorNumber);

// The reason for an error number: kNoSpaceLeftText for a full disk, else the system's words.
std::string SystemErrorText(int errorNumber);

}  // namespace soatnoma
