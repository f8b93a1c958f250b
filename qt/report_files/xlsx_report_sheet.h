#pragma once
// One report sheet written into one worksheet of a workbook that is being made: every
// value, text and format, the merged blocks, the formulas in A1 notation with their
// current results, column widths, row heights from the report layout, and the page setup.
// The same routine serves the single report and a workbook of many.

#include <xlsxwriter.h>

#include "form/report_sheet.h"
#include "report_files/qt_sheet_layout.h"
#include "report_files/xlsx_formats.h"

namespace soatnoma {

// Returns the library's error code; LXW_NO_ERROR when every cell went in.
lxw_error WriteReportWorksheet(lxw_worksheet* worksheet, const ReportSheet& sheet, const SheetLayout& layout,
                               XlsxFormats& formats);

}  // namespace soatnoma
