#pragma once
// The "Hisoblangani" view of the whole report: every cell of C5:S20 as the distribution
// computed it, before the rounding pass made it whole, its fraction shown to the hundredth.
// Shown beside or instead of the rounded report on the screen only; never printed or saved.

#include <string>
#include <string_view>
#include <vector>

#include "model/told_table.h"

namespace soatnoma::explain {

// The view's caption.
inline constexpr std::string_view kBeforeRoundingCaption = "Hisoblangani (yaxlitlashdan oldin)";

struct BeforeRoundingRow {
  int row = 0;                     // the sheet row, 5 to 20
  std::string title;               // its kind of work in a few words
  std::vector<std::string> cells;  // columns C to S: "7,43", or empty where nothing is written
};

struct BeforeRoundingView {
  std::vector<std::string> headings;  // columns C to S: the months, quarters and the year
  std::vector<BeforeRoundingRow> rows;
};

BeforeRoundingView MakeBeforeRoundingView(const ToldTable& told);

}  // namespace soatnoma::explain
