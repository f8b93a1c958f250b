#pragma once
// The text a cell shows: its text, or its number (a formula's current result) through the
// cell's number format. "0" shows whole numbers, rounded half away from zero like a
// spreadsheet, while the stored value keeps its fraction.

#include <string>
#include <string_view>

#include "report_sheet/report_sheet.h"

namespace soatnoma::report_sheet {

std::string FormatCellNumber(double value, std::string_view numberFormat);

// Empty for an empty cell.
std::string DisplayedText(const ReportSheet& sheet, int row, int column);

// Numbers and formula results stand to the right, texts to the left, unless aligned.
bool ShowsNumber(const ReportSheet& sheet, int row, int column);

}  // namespace soatnoma::report_sheet
