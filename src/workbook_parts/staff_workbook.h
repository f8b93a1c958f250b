#pragma once
// The staff workbook's parts, for every edition alike, in the plan of staff_book/staff_book.h:
// the summary "Jami" first (the sheet the workbook opens on, its heading row printed on top
// of each page), then a sheet per teacher in roster order holding the full report, the
// report's standard font, and the custom properties that carry the staff workbook's mark
// and the computed hours of every corrected cell, per sheet.

#include <string>
#include <vector>

#include "form/opened_report.h"
#include "form/report_sheet.h"
#include "form/sheet_layout.h"
#include "form/workbook_notes.h"
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
  std::string Add(const batch::RosterTeacher& teacher, const ReportSheet& report, const SheetGeometry& layout,
                  const WorkbookNotes& notes);

  int Teachers() const { return book_.Teachers(); }

  // Every part of the package in its order, the summary made of the teachers added. The
  // sheets are handed over, so this is asked once.
  PackageParts TakeParts();

 private:
  BookParts parts_;
  batch::StaffBook book_;
  std::vector<CustomProperty> notes_;  // of every corrected teacher's sheet
};

}  // namespace soatnoma::workbook_parts
