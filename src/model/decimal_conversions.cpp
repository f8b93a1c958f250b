#include "model/decimal_conversions.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace soatnoma {
namespace detail {
namespace {

// Writes value with printf's format into a string. The browser build runs in the "C"
// locale only; the desktop takes these paths only in its tests.
std::string Printed(const char* format, int precision, double value) {
  std::array<char, 64> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
  return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

// Digits of "d.ddde±x" without the point, and the decimal exponent x.
struct Scientific {
  std::string digits;
  int exponent = 0;
};

Scientific SplitScientific(const std::string& text) {
  Scientific split;
  const std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] >= '0' && text[i] <= '9') split.digits += text[i];
  }
  split.exponent = std::atoi(text.c_str() + e + 1);
  return split;
}

// A whole number is written with all its digits, exactly: of the texts of that length that
// read back the same, the one nearest the value.
std::string FixedNotation(const Scientific& number, double magnitude) {
  const int digits = static_cast<int>(number.digits.size());
  if (number.exponent >= digits - 1) return Printed("%.*f", 0, magnitude);
  if (number.exponent < 0) {
    return "0." + std::string(static_cast<std::size_t>(-number.exponent - 1), '0') + number.digits;
  }
  const auto point = static_cast<std::size_t>(number.exponent + 1);
  return number.digits.substr(0, point) + "." + number.digits.substr(point);
}

std::string ENotation(const Scientific& number) {
  std::string text = number.digits.substr(0, 1);
  if (number.digits.size() > 1) text += "." + number.digits.substr(1);
  const int magnitude = std::abs(number.exponent);
  text += number.exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) text += '0';
  return text + std::to_string(magnitude);
}

}  // namespace

std::string CShortestRoundTripText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  const std::string sign = std::signbit(value) ? "-" : "";
  if (value == 0) return sign + "0";
  const double magnitude = std::fabs(value);
  std::string shortest;
  for (int precision = 0; precision <= 16; ++precision) {
    shortest = Printed("%.*e", precision, magnitude);
    if (std::strtod(shortest.c_str(), nullptr) == magnitude) break;
  }
  const Scientific number = SplitScientific(shortest);
  const std::string fixed = FixedNotation(number, magnitude);
  const std::string scientific = ENotation(number);
  return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

std::string CFifteenSignificantDigits(double value) { return Printed("%.*g", 15, value); }

std::string CSignificantDigits(double value, int digits) { return Printed("%.*g", digits, value); }

std::string CScientificDigits(double value, int digitsAfterPoint) { return Printed("%.*e", digitsAfterPoint, value); }

DecimalRead CReadDecimal(std::string_view number) {
  const std::string text(number);
  errno = 0;
  const double value = std::strtod(text.c_str(), nullptr);
  // C reports a subnormal result as out of range too; only overflow to infinity and
  // underflow to zero are.
  if (errno == ERANGE && (value == 0 || std::isinf(value))) return {0, true};
  return {value, false};
}

}  // namespace detail

#if defined(__cpp_lib_to_chars)

std::string ShortestRoundTripText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string FifteenSignificantDigits(double value) {
  std::array<char, 40> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
  return std::string(buffer.data(), result.ptr);
}

std::string SignificantDigits(double value, int digits) {
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits);
  return std::string(buffer.data(), result.ptr);
}

std::string ScientificDigits(double value, int digitsAfterPoint) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific,
                                    digitsAfterPoint);
  return std::string(buffer.data(), result.ptr);
}

DecimalRead ReadDecimal(std::string_view number) {
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) return {0, true};
  return {value, false};
}

#else

std::string ShortestRoundTripText(double value) { return detail::CShortestRoundTripText(value); }
std::string FifteenSignificantDigits(double value) { return detail::CFifteenSignificantDigits(value); }
std::string SignificantDigits(double value, int digits) { return detail::CSignificantDigits(value, digits); }
std::string ScientificDigits(double value, int digitsAfterPoint) {
  return detail::CScientificDigits(value, digitsAfterPoint);
}
DecimalRead ReadDecimal(std::string_view number) { return detail::CReadDecimal(number); }

#endif

}  // namespace soatnoma
