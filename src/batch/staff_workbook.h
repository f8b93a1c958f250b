#pragma once
// The staff as one workbook: the summary sheet "Jami" first, then a sheet per teacher in
// roster order, each named after the teacher and holding the full report.

#include <vector>

#include "batch/sheet_names.h"
#include "batch/staff_file.h"
#include "batch/staff_summary.h"
#include "report/xlsx_report_workbook.h"

namespace soatnoma::batch {

class StaffWorkbook : public StaffFile {
 public:
  // The summary names the school year calendarYear/calendarYear+1.
  StaffWorkbook(const std::string& path, int calendarYear);

  bool Add(const RosterTeacher& teacher, const ReportSheet& report, std::string& detail) override;
  bool Finish(std::string& detail) override;

 private:
  XlsxReportWorkbook workbook_;
  lxw_worksheet* summary_;
  SheetNames names_;
  std::vector<SummaryRow> rows_;
  int calendarYear_;
};

}  // namespace soatnoma::batch
