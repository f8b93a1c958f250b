#include "report_sheet/cell_display.h"

#include <array>
#include <charconv>
#include <cmath>

#include "model/decimal_conversions.h"
#include "model/number_text.h"

namespace soatnoma::report_sheet {
namespace {

// Whole numbers below this have every digit exact, in a double and in a workbook alike.
constexpr double kExactDigitsBelow = 1e15;

// The digits of a whole number, no sign. Below 10^15 every digit; a larger number as a
// spreadsheet shows what it keeps of it: its first 15 significant digits, then zeros to its
// full length ("3720000…0" for 3.72E+103), never digits cut off or made up.
std::string WholeDigits(double magnitude) {
  if (magnitude < kExactDigitsBelow) {
    std::array<char, 24> buffer{};
    const char* end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<long long>(magnitude)).ptr;
    return std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  }
  // "%.15g" of a number of 16 or more digits is in E notation: "3.72e+103", "1e+15".
  const std::string scientific = FifteenSignificantDigits(magnitude);
  const std::string_view text(scientific);
  const std::size_t e = text.find("e+");
  if (e == std::string_view::npos) return scientific;
  std::string digits;
  for (const char c : text.substr(0, e)) {
    if (c != '.') digits += c;
  }
  std::size_t exponent = 0;
  std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
  digits.resize(exponent + 1, '0');
  return digits;
}

}  // namespace

std::string FormatCellNumber(double value, std::string_view numberFormat) {
  if (std::isnan(value)) return "#NUM!";
  if (std::isinf(value)) return value > 0 ? "#NUM!" : "-#NUM!";
  if (numberFormat == "0") {
    const double whole = std::round(value);
    // A negative value that rounds to zero shows its sign, as a spreadsheet shows it.
    const bool negative = whole < 0 || (whole == 0 && value < 0);
    return (negative ? "-" : "") + WholeDigits(std::fabs(whole));
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

}  // namespace soatnoma::report_sheet
