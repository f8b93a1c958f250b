#include "workbook_parts/staff_workbook.h"

#include "staff_book/staff_workbook_file.h"
#include "workbook_parts/report_worksheet.h"
#include "workbook_parts/summary_worksheet.h"

namespace soatnoma::workbook_parts {

StaffWorkbookParts::StaffWorkbookParts(int calendarYear)
    : parts_(report_sheet::ReportSheet().Font()), book_(calendarYear) {}

std::string StaffWorkbookParts::Add(const roster_rules::RosterTeacher& teacher, const report_sheet::ReportSheet& report,
                                    const sheet_layout::SheetGeometry& layout,
                                    const workbook_package::WorkbookNotes& notes) {
  std::string sheetName = book_.Add(teacher, report);
  for (const workbook_package::ComputedHours& cell : notes.computedOfCorrected) {
    notes_.push_back(
        {workbook_package::SheetComputedHoursPropertyName(sheetName, cell.row, cell.column), {}, cell.value});
  }
  const Worksheet worksheet = ReportWorksheet(report, layout, parts_.Texts(), parts_.Styles(), false);
  parts_.AddSheet(sheetName, WorksheetXml(worksheet));
  return sheetName;
}

PackageParts StaffWorkbookParts::TakeParts() {
  const staff_book::SummarySheet summary = book_.Summary();
  const Worksheet worksheet = SummaryWorksheet(summary, parts_.Texts(), parts_.Styles());
  parts_.AddSheet(summary.name, WorksheetXml(worksheet), {summary.page.repeatedRow, true});
  // Marked, so that "Ochish" knows it for a staff workbook to come back to.
  std::vector<workbook_package::CustomProperty> properties{
      {std::string(workbook_package::workbook_mark::kName), std::string(staff_book::kStaffWorkbookMark), std::nullopt}};
  properties.insert(properties.end(), notes_.begin(), notes_.end());
  return parts_.TakeParts(workbook_package::CustomPropertiesPart(properties));
}

}  // namespace soatnoma::workbook_parts
