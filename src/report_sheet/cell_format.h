#pragma once
// The format of one sheet cell: what the report frame sets on blocks of cells.

#include <optional>
#include <string>

#include "report_sheet/host_codes.h"

namespace soatnoma::report_sheet {

inline constexpr const char* kGeneralNumberFormat = "General";

struct CellFormat {
  bool bold = false;
  std::optional<double> fontSize;  // points; none: the workbook's standard size
  HorizontalAlignment horizontal = HorizontalAlignment::General;
  VerticalAlignment vertical = VerticalAlignment::Bottom;
  bool wrapText = false;
  int orientation = 0;  // degrees, -90..90; 90 reads upwards
  bool addIndent = false;
  int indentLevel = 0;
  bool shrinkToFit = false;
  ReadingOrder readingOrder = ReadingOrder::Context;
  std::string numberFormat = kGeneralNumberFormat;
  LineStyle border = LineStyle::None;  // the same line on all four sides

  friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

}  // namespace soatnoma::report_sheet
