#pragma once
// The staff as one workbook file, in the plan of staff_book/staff_book.h: the summary sheet "Jami"
// first, then a sheet per teacher in roster order, each holding the full report.

#include <vector>

#include "form/opened_report.h"
#include "staff_book/staff_book.h"
#include "staff_files/staff_file.h"
#include "report_files/xlsx_report_workbook.h"

namespace soatnoma::batch {

class StaffWorkbook : public StaffFile {
 public:
  // The summary names the school year calendarYear/calendarYear+1.
  StaffWorkbook(const std::string& path, int calendarYear);

  bool Add(const RosterTeacher& teacher, const ReportSheet& report, const WorkbookNotes& notes,
           std::string& detail) override;
  bool Finish(std::string& detail) override;

 private:
  XlsxReportWorkbook workbook_;
  lxw_worksheet* summary_;
  StaffBook book_;
  std::vector<CustomProperty> notes_;  // of every corrected teacher's sheet
};

}  // namespace soatnoma::batch
