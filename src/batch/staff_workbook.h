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
  explicit StaffWorkbook(const std::string& path);

  bool Add(const RosterTeacher& teacher, const ReportSheet& report, std::string& detail) override;
  bool Finish(std::string& detail) override;

 private:
  XlsxReportWorkbook workbook_;
  lxw_worksheet* summary_;
  SheetNames names_;
  std::vector<SummaryRow> rows_;
};

}  // namespace soatnoma::batch
