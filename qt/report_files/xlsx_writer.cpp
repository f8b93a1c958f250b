#include "report_files/xlsx_writer.h"

#include "report_files/atomic_save.h"
#include "report_files/package_writer.h"
#include "report_files/qt_sheet_layout.h"
#include "report_files/text_measure.h"
#include "workbook_parts/report_workbook.h"

namespace soatnoma::report_files {
namespace {

bool WriteWorkbook(const report_sheet::ReportSheet& sheet, const workbook_package::WorkbookNotes& notes,
                   const std::string& path, std::string& detail) {
  TextMeasure measure;
  const SheetLayout layout(sheet, measure);
  return WritePackageFile(path, workbook_parts::ReportWorkbookParts(sheet, layout.Geometry(), notes), detail);
}

}  // namespace

SaveResult SaveXlsx(const report_sheet::ReportSheet& sheet, const std::string& path) {
  return SaveXlsxWithNotes(sheet, workbook_package::WorkbookNotes{}, path);
}

SaveResult SaveXlsxWithNotes(const report_sheet::ReportSheet& sheet, const workbook_package::WorkbookNotes& notes,
                             const std::string& path) {
  return SaveAtomically(path, [&](const std::string& temporaryPath, std::string& detail) {
    return WriteWorkbook(sheet, notes, temporaryPath, detail);
  });
}

}  // namespace soatnoma::report_files
