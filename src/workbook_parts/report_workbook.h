#pragma once
// The teacher's report as a workbook's parts, for every edition alike: the report sheet
// "Soatnoma", the workbook's standard font (the report's), and the custom properties that
// carry the program's mark and the computed hours of every corrected cell.

#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"
#include "workbook_package/workbook_notes.h"
#include "workbook_parts/package_part.h"

namespace soatnoma::workbook_parts {

PackageParts ReportWorkbookParts(const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                                 const workbook_package::WorkbookNotes& notes);

}  // namespace soatnoma::workbook_parts
