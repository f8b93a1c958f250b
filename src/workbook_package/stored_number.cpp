#include "workbook_package/stored_number.h"

#include <cmath>
#include <cstddef>

#include "model/decimal_conversions.h"

namespace soatnoma::workbook_package {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits from `at` on; how many.
std::size_t SkipDigits(std::string_view text, std::size_t& at) {
  const std::size_t first = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at - first;
}

// Digits with an optional point (at least one digit), then an optional exponent of "e" or
// "E", an optional sign and digits, and nothing after them.
bool IsDecimalNumber(std::string_view text) {
  std::size_t at = 0;
  std::size_t digits = SkipDigits(text, at);
  if (at < text.size() && text[at] == '.') {
    ++at;
    digits += SkipDigits(text, at);
  }
  if (digits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (SkipDigits(text, at) == 0) return false;
  }
  return at == text.size();
}

}  // namespace

std::optional<double> ReadStoredNumber(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (!IsDecimalNumber(text)) return std::nullopt;
  const DecimalRead read = ReadDecimal(text);
  if (read.outOfRange || !std::isfinite(read.value)) return std::nullopt;
  return negative ? -read.value : read.value;
}

std::string StoredNumberText(double value) {
  if (!std::isfinite(value)) return "0";
  std::string text = SignificantDigits(value, 16);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::optional<double> ReadPropertyNumber(std::string_view valueType, std::string_view text) {
  if (valueType != "r8" && valueType != "i4") return std::nullopt;
  return ReadStoredNumber(text);
}

}  // namespace soatnoma::workbook_package
