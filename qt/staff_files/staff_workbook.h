#pragma once
// The staff as one workbook file, its parts written by workbook_parts/staff_workbook.h (the
// summary sheet "Jami" first, then a sheet per teacher in roster order, each holding the
// full report) and packed here. Rows of automatic height are measured by the report
// layout, so this needs a QGuiApplication (fonts).

#include <string>

#include "report_files/text_measure.h"
#include "staff_files/staff_file.h"
#include "workbook_parts/staff_workbook.h"

namespace soatnoma::staff_files {

class StaffWorkbook : public StaffFile {
 public:
  // The summary names the school year calendarYear/calendarYear+1.
  StaffWorkbook(const std::string& path, int calendarYear) : path_(path), parts_(calendarYear) {}

  bool Add(const roster_rules::RosterTeacher& teacher, const report_sheet::ReportSheet& report,
           const workbook_package::WorkbookNotes& notes, std::string& detail) override;
  bool Finish(std::string& detail) override;

 private:
  std::string path_;
  workbook_parts::StaffWorkbookParts parts_;
  report_files::TextMeasure measure_;  // shared by the report sheets' layouts
};

}  // namespace soatnoma::staff_files
