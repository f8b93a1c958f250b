#pragma once
// "Yordam": a short how-to in Uzbek, in sections of a heading and a few paragraphs. The
// desktop shows it in a window of its own, the page in a dialog; the staff list's columns
// and the school year's choice are told in the words the rest of the program uses.

#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::help {

inline constexpr std::string_view kHelpTitle = "Soatnoma: qisqacha qo'llanma";
// The how-to's one button, which closes it.
inline constexpr std::string_view kHelpClose = "Yopish";
// The section the staff list window opens the how-to at.
inline constexpr std::string_view kStaffListHeading = "Xodimlar ro'yxati";

struct HelpSection {
  std::string heading;
  std::vector<std::string> paragraphs;
};

std::vector<HelpSection> HelpSections();

}  // namespace soatnoma::help
