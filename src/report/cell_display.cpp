#include "report/cell_display.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "model/number_text.h"

namespace soatnoma {

std::string FormatCellNumber(double value, std::string_view numberFormat) {
  if (std::isnan(value)) return "#NUM!";
  if (std::isinf(value)) return value > 0 ? "#NUM!" : "-#NUM!";
  if (numberFormat == "0") {
    const double whole = std::round(value);
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.0f", whole == 0 ? 0.0 : whole);
    // A negative value that rounds to zero shows its sign, as a spreadsheet shows it.
    return (whole == 0 && value < 0 ? "-" : "") + std::string(buffer.data());
  }
  return NumberToText(value);
}

std::string DisplayedText(const ReportSheet& sheet, int row, int column) {
  const CellGrid& cells = sheet.Cells();
  switch (cells.KindAt(row, column)) {
    case CellKind::Empty: return {};
    case CellKind::Text: return std::string(cells.TextAt(row, column));
    case CellKind::Number:
    case CellKind::Formula: break;
  }
  return FormatCellNumber(cells.ReadNumber(row, column), sheet.FormatAt(row, column).numberFormat);
}

bool ShowsNumber(const ReportSheet& sheet, int row, int column) {
  const CellKind kind = sheet.Cells().KindAt(row, column);
  return kind == CellKind::Number || kind == CellKind::Formula;
}

}  // namespace soatnoma
