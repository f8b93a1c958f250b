// Reading numbers from the form's text boxes and from working values.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "model/decimal_conversions.h"
#include "model/exact_powers_of_ten.h"
#include "model/number_text.h"

namespace soatnoma {
namespace {

using detail::kExactPowersOfTen;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text with blanks, tabs and line feeds taken out.
std::string Compact(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (!IsSkippedInNumbers(c)) out.push_back(c);
  }
  return out;
}

int DigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// &H / &O whole number after the prefix; unsigned, stops at the first foreign character.
double ReadRadixWhole(std::string_view digits, int radix) {
  double value = 0;
  for (char c : digits) {
    int d = DigitValue(c);
    if (d >= radix) break;
    value = value * radix + d;
  }
  return value;
}

// Decides between infinity and 0 when from_chars reports a value out of range: the
// decimal exponent of the first significant digit tells which side it fell off.
double OutOfRangeValue(std::string_view mantissa, long long exponent) {
  bool seenPoint = false;
  long long integerDigits = 0;
  long long leadingFractionZeros = 0;
  bool seenSignificant = false;
  for (char c : mantissa) {
    if (c == '.') {
      seenPoint = true;
      continue;
    }
    if (!seenSignificant && c == '0') {
      if (seenPoint) ++leadingFractionZeros;
      continue;
    }
    if (!seenPoint) {
      seenSignificant = true;
      ++integerDigits;
    } else if (!seenSignificant) {
      seenSignificant = true;
    }
  }
  // The decimal exponent of the first significant digit.
  const long long position = integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);
  return position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// A plain decimal "ddd.ddd" of at most 15 digits converts exactly with one correctly
// rounded division or multiplication (both operands are exact doubles). nullopt when the
// text needs the general conversion.
std::optional<double> QuickDecimal(std::string_view digitsAndPoint) {
  std::uint64_t digits = 0;
  int count = 0;
  int fractionDigits = 0;
  bool afterPoint = false;
  for (char c : digitsAndPoint) {
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    if (digits == 0 && c == '0') {
      if (afterPoint) ++fractionDigits;
      continue;
    }
    if (++count > 15) return std::nullopt;
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    if (afterPoint) ++fractionDigits;
  }
  if (fractionDigits > 22) return std::nullopt;
  return static_cast<double>(digits) / kExactPowersOfTen[static_cast<std::size_t>(fractionDigits)];
}

// The number at the start of a text already without blanks, tabs and line feeds, and how
// much of the text it took. A text without a number reads 0 and takes nothing.
struct Scan {
  double value = 0;
  std::size_t taken = 0;
};

Scan ScanCompact(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  bool signed_ = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    signed_ = true;
    ++i;
  }
  if (i + 1 < s.size() && s[i] == '&') {
    if (signed_) return {};
    const char kind = s[i + 1];
    const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (radix == 0) return {};
    const std::string_view digits = s.substr(i + 2);
    std::size_t taken = 0;
    while (taken < digits.size() && DigitValue(digits[taken]) < radix) ++taken;
    if (taken == 0) return {};
    return {ReadRadixWhole(digits, radix), i + 2 + taken};
  }
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return {};
  const std::size_t mantissaEnd = i;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      negativeExponent = s[j] == '-';
      ++j;
    }
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) {
        if (exponent < 100000000) exponent = exponent * 10 + (s[j] - '0');
        ++j;
      }
      if (negativeExponent) exponent = -exponent;
      i = j;
    }
  }
  if (i == mantissaEnd) {
    if (const auto quick = QuickDecimal(s.substr(mantissaStart, mantissaEnd - mantissaStart))) {
      return {negative ? -*quick : *quick, i};
    }
  }
  const std::string_view number = s.substr(mantissaStart, i - mantissaStart);
  const DecimalRead read = ReadDecimal(number);
  double value = read.value;
  if (read.outOfRange) value = OutOfRangeValue(s.substr(mantissaStart, mantissaEnd - mantissaStart), exponent);
  return {negative ? -value : value, i};
}

}  // namespace

LeadingNumber ScanLeadingNumber(std::string_view text) {
  // Texts typed without blanks (and every working value) are read in place.
  bool hasSkipped = false;
  for (char c : text) hasSkipped = hasSkipped || IsSkippedInNumbers(c);
  std::string compact;
  const std::string_view s = hasSkipped ? std::string_view(compact = Compact(text)) : text;
  const Scan scan = ScanCompact(s);
  return {scan.value, scan.taken > 0 && scan.taken == s.size()};
}

bool IsSkippedInNumbers(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double ParseLeadingNumber(std::string_view text) { return ScanLeadingNumber(text).value; }

double ReadWorkingValue(std::string_view text) { return ParseLeadingNumber(text); }

bool ReadsAsPlainNumber(std::string_view text, double* value) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0 || i != text.size()) return false;
  *value = ParseLeadingNumber(text);
  return true;
}

}  // namespace soatnoma
