#include "staff_files/staff_workbook.h"

#include "report_files/package_writer.h"
#include "report_files/qt_sheet_layout.h"

namespace soatnoma::staff_files {

bool StaffWorkbook::Add(const roster_rules::RosterTeacher& teacher, const report_sheet::ReportSheet& report,
                        const workbook_package::WorkbookNotes& notes, std::string& /*detail*/) {
  const report_files::SheetLayout layout(report, measure_);
  parts_.Add(teacher, report, layout.Geometry(), notes);
  return true;
}

bool StaffWorkbook::Finish(std::string& detail) {
  return report_files::WritePackageFile(path_, parts_.TakeParts(), detail);
}

}  // namespace soatnoma::staff_files
