#pragma once
// The staff workbook's parts, for every edition alike, in the plan of staff_book/staff_book.h:
// the summary "Jami" first (the sheet the workbook opens on, its heading row printed on top
// of each page), then a sheet per teacher in roster order holding the full report, the
// report's standard font, and the custom properties that carry the staff workbook's mark
// and the computed hours of every corrected cell, per sheet.

#include <string>
#include <vector>

#include "workbook_package/opened_report.h"
#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"
#include "workbook_package/workbook_notes.h"
#include "roster_rules/roster.h"
#include "staff_book/staff_book.h"
#include "workbook_parts/book_parts.h"

namespace soatnoma::workbook_parts {

class StaffWorkbookParts {
 public:
  // The summary names the school year calendarYear/calendarYear+1.
  explicit StaffWorkbookParts(int calendarYear);

  // The teacher's finished report, laid out as layout found it, on the next sheet, with the
  // notes of the corrections it holds: the sheet's name.
  std::string Add(const roster_rules::RosterTeacher& teacher, const report_sheet::ReportSheet& report,
                  const sheet_layout::SheetGeometry& layout, const workbook_package::WorkbookNotes& notes);

  int Teachers() const { return book_.Teachers(); }

  // Every part of the package in its order, the summary made of the teachers added. The
  // sheets are handed over, so this is asked once.
  PackageParts TakeParts();

 private:
  BookParts parts_;
  staff_book::StaffBook book_;
  std::vector<workbook_package::CustomProperty> notes_;  // of every corrected teacher's sheet
};

}  // namespace soatnoma::workbook_parts
