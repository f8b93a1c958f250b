#include "workbook_parts/staff_workbook.h"

#include "staff_book/staff_workbook_file.h"
#include "workbook_parts/report_worksheet.h"
#include "workbook_parts/summary_worksheet.h"

namespace soatnoma::workbook_parts {

StaffWorkbookParts::StaffWorkbookParts(int calendarYear) : parts_(ReportSheet().Font()), book_(calendarYear) {}

std::string StaffWorkbookParts::Add(const batch::RosterTeacher& teacher, const ReportSheet& report,
                                    const SheetGeometry& layout, const WorkbookNotes& notes) {
  std::string sheetName = book_.Add(teacher, report);
  for (const ComputedHours& cell : notes.computedOfCorrected) {
    notes_.push_back({SheetComputedHoursPropertyName(sheetName, cell.row, cell.column), {}, cell.value});
  }
  const Worksheet worksheet = ReportWorksheet(report, layout, parts_.Texts(), parts_.Styles(), false);
  parts_.AddSheet(sheetName, WorksheetXml(worksheet));
  return sheetName;
}

PackageParts StaffWorkbookParts::TakeParts() {
  const batch::SummarySheet summary = book_.Summary();
  const Worksheet worksheet = SummaryWorksheet(summary, parts_.Texts(), parts_.Styles());
  parts_.AddSheet(summary.name, WorksheetXml(worksheet), {summary.page.repeatedRow, true});
  // Marked, so that "Ochish" knows it for a staff workbook to come back to.
  std::vector<CustomProperty> properties{
      {std::string(workbook_mark::kName), std::string(batch::kStaffWorkbookMark), std::nullopt}};
  properties.insert(properties.end(), notes_.begin(), notes_.end());
  return parts_.TakeParts(CustomPropertiesPart(properties));
}

}  // namespace soatnoma::workbook_parts
