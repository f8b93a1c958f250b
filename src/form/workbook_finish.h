#pragma once
// What the workbook libraries cannot write, put into a saved package's parts afterwards,
// the same way by the desktop (its library writes the parts to a file) and by the page
// (its library writes them in the browser):
//  - the workbook's standard font (each library uses an 11-point font of its own), which
//    is also the unit of the column widths;
//  - header and footer margins of 0 (the desktop's library only takes margins above 0);
//  - rows of automatic height that still carry a height: a spreadsheet that fits rows on
//    opening grows them itself, one that does not (it takes stored heights) gets the
//    height the layout found;
//  - every number as a workbook of this program stores it (stored_number.h), where a
//    library writes a text of its own for it;
//  - the custom properties (workbook_notes.h) named in the package's lists of parts.
// The font is the whole workbook's; margins and rows are a report sheet's.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/package_names.h"
#include "form/report_sheet.h"

namespace soatnoma {

struct SheetFinish {
  double headerMarginInches = 0.3;
  double footerMarginInches = 0.3;
  std::vector<int> automaticRows;  // sheet rows, 1-based
};

// A report sheet's margins and its rows of automatic height.
SheetFinish SheetFinishFor(const ReportSheet& sheet);

// Whether the numbers of a worksheet stay as its library wrote them (the desktop's library
// writes the stored text itself) or are written again as stored (the page's library writes
// the shortest text that reads back, "108.16666666666666").
enum class NumberTexts { AsWritten, Stored };

// Each part finished; nothing when it is not as a workbook library writes it (no fonts,
// no page margins, no list to add to).
std::optional<std::string> FinishedStyles(std::string_view styles, const StandardFont& font);
// finish: a report sheet's, or none for another sheet (a staff's summary).
std::optional<std::string> FinishedWorksheet(std::string_view worksheet, const SheetFinish* finish, NumberTexts numbers);
std::optional<std::string> WithCustomPropertiesType(std::string_view contentTypes);
std::optional<std::string> WithCustomPropertiesRelation(std::string_view relations);

}  // namespace soatnoma
