#pragma once
// The kinds of file the program hands over or takes, named as a teacher knows them: the
// desktop's file dialogs and the page's "save as" offer them by these names.

#include <string_view>

namespace soatnoma::screen_view {

inline constexpr std::string_view kWorkbookKind = "Excel ish kitobi";
inline constexpr std::string_view kPdfKind = "PDF hujjat";
inline constexpr std::string_view kCsvKind = "CSV fayl";

}  // namespace soatnoma::screen_view
