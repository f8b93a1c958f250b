#pragma once
// The workbook formats of a sheet's cells: one libxlsxwriter format per distinct cell
// format, created on first use.

#include <xlsxwriter.h>

#include <utility>
#include <vector>

#include "form/cell_format.h"
#include "form/report_sheet.h"

namespace soatnoma {

class XlsxFormats {
 public:
  XlsxFormats(lxw_workbook* workbook, StandardFont font) : workbook_(workbook), font_(std::move(font)) {}

  // Every format names the standard font, so that a cell never falls back to the
  // library's own default font.
  lxw_format* For(const CellFormat& format);

 private:
  lxw_format* Create(const CellFormat& format);

  lxw_workbook* workbook_;
  StandardFont font_;
  std::vector<std::pair<CellFormat, lxw_format*>> known_;
};

}  // namespace soatnoma
