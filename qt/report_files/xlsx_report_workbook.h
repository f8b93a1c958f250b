#pragma once
// A staff's workbook being written into a file: report sheets, each in a worksheet of its
// own, and worksheets the caller fills itself (a summary), all in the report's standard font. Close
// has the library write the package, then finishes what the library cannot express.
// Rows of automatic height are measured by the report layout, so this needs a
// QGuiApplication (fonts).

#include <xlsxwriter.h>

#include <string>

#include "form/report_sheet.h"
#include "report_files/text_measure.h"
#include "form/workbook_notes.h"
#include "report_files/xlsx_finish.h"
#include "report_files/xlsx_formats.h"

namespace soatnoma {

class XlsxReportWorkbook {
 public:
  XlsxReportWorkbook(const std::string& path, const StandardFont& font);
  XlsxReportWorkbook(const XlsxReportWorkbook&) = delete;
  XlsxReportWorkbook& operator=(const XlsxReportWorkbook&) = delete;
  // A workbook that was never closed is dropped without writing its file.
  ~XlsxReportWorkbook();

  // A new worksheet after the others; nullptr when the library refuses the name.
  lxw_worksheet* AddWorksheet(const std::string& name);
  // A new worksheet holding the report sheet.
  lxw_error AddReport(const std::string& name, const ReportSheet& sheet);

  // The program's mark with a value of the caller's (a staff workbook's).
  lxw_error AddMark(const std::string& value);
  // A custom property holding a number (the notes of a staff workbook's sheets).
  lxw_error AddNumberProperty(const std::string& name, double value);

  // The cell formats of this workbook, shared by all of its worksheets.
  XlsxFormats& Formats() { return formats_; }

  // Writes and finishes the file; false with a detail when that fails.
  bool Close(std::string& detail);

 private:
  std::string path_;
  lxw_workbook* workbook_;
  XlsxFormats formats_;
  XlsxFinish finish_;
  TextMeasure measure_;  // shared by the report sheets' layouts
  int worksheets_ = 0;
};

}  // namespace soatnoma
