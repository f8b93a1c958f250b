#pragma once
// The whole report form as the page draws and saves it, in JSON: every cell with its kind,
// value, formula in A1 notation and cached result, the text it shows and its format; the
// merged blocks; columns and rows in points and as the workbook holds them; every drawn
// box with its lines placed; the page setup; and the program's mark.

#include <string>

#include "report/report_sheet.h"
#include "report/sheet_layout.h"

namespace soatnoma::web {

std::string DescribeForm(const ReportSheet& sheet, const SheetGeometry& layout);

}  // namespace soatnoma::web
