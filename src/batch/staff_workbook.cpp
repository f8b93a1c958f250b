#include "batch/staff_workbook.h"

namespace soatnoma::batch {

StaffWorkbook::StaffWorkbook(const std::string& path, int calendarYear)
    : workbook_(path, ReportSheet().Font()),
      summary_(workbook_.AddWorksheet(kSummarySheetName)),
      names_({kSummarySheetName}),
      calendarYear_(calendarYear) {}

bool StaffWorkbook::Add(const RosterTeacher& teacher, const ReportSheet& report, std::string& detail) {
  const std::string sheetName = names_.Claim(teacher.name);
  const lxw_error error = workbook_.AddReport(sheetName, report);
  if (error != LXW_NO_ERROR) {
    detail = lxw_strerror(error);
    return false;
  }
  rows_.push_back(SummaryRowFor(teacher, sheetName, report));
  return true;
}

bool StaffWorkbook::Finish(std::string& detail) {
  const lxw_error error =
      summary_ == nullptr ? LXW_ERROR_MEMORY_MALLOC_FAILED : WriteStaffSummary(summary_, rows_, calendarYear_, workbook_.Formats());
  if (error != LXW_NO_ERROR) {
    detail = lxw_strerror(error);
    return false;
  }
  return workbook_.Close(detail);
}

}  // namespace soatnoma::batch
