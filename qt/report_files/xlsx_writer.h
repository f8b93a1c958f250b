#pragma once
// Saves a report sheet as an .xlsx workbook: every value, text and format of the sheet,
// the formulas in A1 notation together with their current results (so a viewer that never
// recalculates shows the right hours, and a spreadsheet that does follows any edit), and
// the page setup. Texts are always written as texts, never as formulas. Rows of automatic
// height are measured by the report layout, so this needs a QGuiApplication (fonts).
// Every workbook carries the program's mark and the notes (see workbook_package/workbook_notes.h).

#include <string>

#include "report_sheet/report_sheet.h"
#include "report_files/save_result.h"
#include "workbook_package/workbook_notes.h"

namespace soatnoma::report_files {

SaveResult SaveXlsx(const report_sheet::ReportSheet& sheet, const std::string& path);
// The same for a report the teacher has corrected, with the notes of the corrections.
SaveResult SaveXlsxWithNotes(const report_sheet::ReportSheet& sheet, const workbook_package::WorkbookNotes& notes,
                             const std::string& path);

}  // namespace soatnoma::report_files
