#include "report_files/xlsx_report_workbook.h"

#include "report_files/qt_sheet_layout.h"
#include "report_files/xlsx_report_sheet.h"

namespace soatnoma {

XlsxReportWorkbook::XlsxReportWorkbook(const std::string& path, const StandardFont& font)
    : path_(path), workbook_(workbook_new(path.c_str())), formats_(workbook_, font) {
  finish_.font = font;
}

XlsxReportWorkbook::~XlsxReportWorkbook() {
  if (workbook_ != nullptr) lxw_workbook_free(workbook_);
}

lxw_worksheet* XlsxReportWorkbook::AddWorksheet(const std::string& name) {
  if (workbook_ == nullptr) return nullptr;
  lxw_worksheet* worksheet = workbook_add_worksheet(workbook_, name.c_str());
  if (worksheet != nullptr) ++worksheets_;
  return worksheet;
}

lxw_error XlsxReportWorkbook::AddReport(const std::string& name, const ReportSheet& sheet) {
  lxw_worksheet* worksheet = AddWorksheet(name);
  if (worksheet == nullptr) {
    if (workbook_ == nullptr) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    const lxw_error refused = workbook_validate_sheet_name(workbook_, name.c_str());
    return refused != LXW_NO_ERROR ? refused : LXW_ERROR_MEMORY_MALLOC_FAILED;
  }
  const SheetLayout layout(sheet, measure_);
  const lxw_error error = WriteReportWorksheet(worksheet, sheet, layout, formats_);
  if (error == LXW_NO_ERROR) finish_.sheets.push_back({worksheets_, SheetFinishFor(sheet)});
  return error;
}

lxw_error XlsxReportWorkbook::AddMark(const std::string& value) {
  if (workbook_ == nullptr) return LXW_ERROR_MEMORY_MALLOC_FAILED;
  return workbook_set_custom_property_string(workbook_, std::string(workbook_mark::kName).c_str(), value.c_str());
}

lxw_error XlsxReportWorkbook::AddNumberProperty(const std::string& name, double value) {
  if (workbook_ == nullptr) return LXW_ERROR_MEMORY_MALLOC_FAILED;
  return workbook_set_custom_property_number(workbook_, name.c_str(), value);
}

bool XlsxReportWorkbook::Close(std::string& detail) {
  if (workbook_ == nullptr) {
    detail = lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED);
    return false;
  }
  const lxw_error closed = workbook_close(workbook_);  // frees the workbook whatever happens
  workbook_ = nullptr;
  if (closed != LXW_NO_ERROR) {
    detail = lxw_strerror(closed);
    return false;
  }
  return FinishWorkbook(path_, finish_, detail);
}

}  // namespace soatnoma
