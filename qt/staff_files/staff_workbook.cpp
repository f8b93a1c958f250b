#include "staff_files/staff_workbook.h"

#include "staff_book/staff_workbook_file.h"
#include "staff_files/xlsx_staff_summary.h"

namespace soatnoma::batch {

StaffWorkbook::StaffWorkbook(const std::string& path, int calendarYear)
    : workbook_(path, ReportSheet().Font()), summary_(workbook_.AddWorksheet(kSummarySheetName)), book_(calendarYear) {}

bool StaffWorkbook::Add(const RosterTeacher& teacher, const ReportSheet& report, const WorkbookNotes& notes,
                        std::string& detail) {
  const std::string sheetName = book_.Add(teacher, report);
  for (const ComputedHours& cell : notes.computedOfCorrected) {
    notes_.push_back({SheetComputedHoursPropertyName(sheetName, cell.row, cell.column), {}, cell.value});
  }
  const lxw_error error = workbook_.AddReport(sheetName, report);
  if (error != LXW_NO_ERROR) {
    detail = lxw_strerror(error);
    return false;
  }
  return true;
}

bool StaffWorkbook::Finish(std::string& detail) {
  lxw_error error = summary_ == nullptr ? LXW_ERROR_MEMORY_MALLOC_FAILED
                                        : WriteStaffSummary(summary_, book_.Summary(), workbook_.Formats());
  // Marked, so that "Ochish" knows it for a staff workbook to come back to.
  if (error == LXW_NO_ERROR) error = workbook_.AddMark(std::string(kStaffWorkbookMark));
  for (const CustomProperty& note : notes_) {
    if (error == LXW_NO_ERROR) error = workbook_.AddNumberProperty(note.name, note.number.value_or(0));
  }
  if (error != LXW_NO_ERROR) {
    detail = lxw_strerror(error);
    return false;
  }
  return workbook_.Close(detail);
}

}  // namespace soatnoma::batch
