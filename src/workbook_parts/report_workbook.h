#pragma once
// The teacher's report as a workbook's parts, for every edition alike: the report sheet
// "Soatnoma", the workbook's standard font (the report's), and the custom properties that
// carry the program's mark and the computed hours of every corrected cell.

#include "form/report_sheet.h"
#include "form/sheet_layout.h"
#include "form/workbook_notes.h"
#include "workbook_parts/package_part.h"

namespace soatnoma::workbook_parts {

PackageParts ReportWorkbookParts(const ReportSheet& sheet, const SheetGeometry& layout, const WorkbookNotes& notes);

}  // namespace soatnoma::workbook_parts
