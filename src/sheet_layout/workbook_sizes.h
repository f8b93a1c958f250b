#pragma once
// Column widths and row heights of a report sheet as its workbook holds them. A column's
// width is characters of the standard font's widest digit plus 5 pixels of margin and grid
// line; the workbook library counts characters of its own 7-pixel digit, so the width it
// is given is corrected for the standard font, and it stores what it was given in 1/256
// of a character. Rows of automatic height carry the height the layout gives them.

#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"

namespace soatnoma::sheet_layout {

// The standard font's widest digit in whole pixels at 96 dpi.
double DigitPixels(const SheetGeometry& layout);

// The width to give the workbook library for a column of that many characters.
double LibraryColumnWidth(double characters, double digitPixels);

// The width the library then stores in the file, in its characters.
double StoredColumnWidth(double libraryWidth);

// A row's height in the workbook, points: as set, or the layout's rounded up to a quarter.
double WorkbookRowHeight(const report_sheet::ReportSheet& sheet, const SheetGeometry& layout, int row);

}  // namespace soatnoma::sheet_layout
