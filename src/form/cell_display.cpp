#include "form/cell_display.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/number_text.h"

namespace soatnoma {

std::string FormatCellNumber(double value, std::string_view numberFormat) {
  if (std::isnan(value)) return "#NUM!";
  if (std::isinf(value)) return value > 0 ? "#NUM!" : "-#NUM!";
  if (numberFormat == "0") {
    const double whole = std::round(value);
    // A negative value that rounds to zero shows its sign, as a spreadsheet shows it.
    const std::string sign = whole == 0 && value < 0 ? "-" : "";
    std::array<char, 32> buffer{};
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    if (std::fabs(whole) < kExactIntegers) {
      // Hours are whole numbers far below 2^53: their digits without printf.
      const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<long long>(whole)).ptr;
      return sign + std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    }
    std::snprintf(buffer.data(), buffer.size(), "%.0f", whole);
    return sign + std::string(buffer.data());
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
