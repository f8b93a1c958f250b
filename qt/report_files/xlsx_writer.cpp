#include "report_files/xlsx_writer.h"

#include "report_files/atomic_save.h"
#include "report_files/xlsx_report_workbook.h"

namespace soatnoma {
namespace {

bool WriteWorkbook(const ReportSheet& sheet, const WorkbookNotes& notes, const std::string& path,
                   std::string& detail) {
  XlsxReportWorkbook workbook(path, sheet.Font());
  lxw_error written = workbook.AddReport(std::string(kReportSheetName), sheet);
  if (written == LXW_NO_ERROR) written = workbook.AddNotes(notes);
  if (written != LXW_NO_ERROR) {
    detail = lxw_strerror(written);
    return false;
  }
  return workbook.Close(detail);
}

}  // namespace

SaveResult SaveXlsx(const ReportSheet& sheet, const std::string& path) {
  return SaveXlsxWithNotes(sheet, WorkbookNotes{}, path);
}

SaveResult SaveXlsxWithNotes(const ReportSheet& sheet, const WorkbookNotes& notes, const std::string& path) {
  return SaveAtomically(path, [&](const std::string& temporaryPath, std::string& detail) {
    return WriteWorkbook(sheet, notes, temporaryPath, detail);
  });
}

}  // namespace soatnoma
