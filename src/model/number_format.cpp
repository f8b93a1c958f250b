// Writing numbers in the form's text form: at most 15 significant digits, "%.15G".
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "model/decimal_conversions.h"
#include "model/exact_powers_of_ten.h"
#include "model/number_text.h"

namespace soatnoma {
namespace {

using detail::kExactPowersOfTen;

// Wide enough for a 53-bit mantissa times 10^22.
__extension__ typedef unsigned __int128 UInt128;

constexpr std::array<UInt128, 23> kWidePowersOfTen = [] {
  std::array<UInt128, 23> powers{};
  UInt128 power = 1;
  for (auto& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// |value| rounded to 15 significant digits, ties to even, computed exactly in integers:
// value ≈ digits × 10^(exponent − 14), digits in [10^14, 10^15). Covers 10^-8 <= |value| < 10^15,
// where every hour count and carried fraction of a table lies; nullopt elsewhere.
struct FifteenDigits {
  std::uint64_t digits;
  int exponent;  // decimal exponent of the first digit
};

std::optional<FifteenDigits> RoundToFifteenDigits(double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-8 && magnitude < 1e15)) return std::nullopt;
  // A normal double is mantissa × 2^(biased exponent − 1075), the mantissa with its
  // hidden leading bit.
  std::uint64_t bits = 0;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const int biasedExponent = static_cast<int>(bits >> 52);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int binaryExponent = biasedExponent - 1022;  // magnitude in [2^(e−1), 2^e)
  const int shift = 1075 - biasedExponent;           // magnitude = mantissa / 2^shift, shift >= 3
  // log10(2) × (binary exponent − 1) is the decimal exponent or one below it.
  int exponent = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int scale = 14 - exponent;  // 0..22
    if (scale < 0 || scale > 22 || shift >= 120) return std::nullopt;
    const UInt128 power = kWidePowersOfTen[static_cast<std::size_t>(scale)];
    const UInt128 scaled = static_cast<UInt128>(mantissa) * power;
    std::uint64_t digits = static_cast<std::uint64_t>(scaled >> shift);
    const UInt128 remainder = scaled - (static_cast<UInt128>(digits) << shift);
    const UInt128 half = static_cast<UInt128>(1) << (shift - 1);
    if (remainder > half || (remainder == half && (digits & 1) != 0)) ++digits;
    if (digits < 100000000000000ULL) {
      --exponent;  // log10 guessed one too high
    } else if (digits >= 1000000000000000ULL) {
      if (digits == 1000000000000000ULL && (scaled >> shift) < digits) return FifteenDigits{digits / 10, exponent + 1};
      ++exponent;  // log10 guessed one too low
    } else {
      return FifteenDigits{digits, exponent};
    }
  }
  return std::nullopt;
}

// The 15 digits of a number in [10^14, 10^15), two at a time.
void WriteFifteenDigits(std::uint64_t number, char* out) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  auto high = static_cast<std::uint32_t>(number / 100000000);  // 7 digits
  auto low = static_cast<std::uint32_t>(number % 100000000);   // 8 digits
  for (int i = 14; i >= 8; i -= 2) {
    const std::uint32_t pair = low % 100;
    low /= 100;
    out[i - 1] = kPairs[pair * 2];
    out[i] = kPairs[pair * 2 + 1];
  }
  for (int i = 6; i >= 1; i -= 2) {
    const std::uint32_t pair = high % 100;
    high /= 100;
    out[i - 1] = kPairs[pair * 2];
    out[i] = kPairs[pair * 2 + 1];
  }
  out[0] = static_cast<char>('0' + high);
}

// "%.15G" from the rounded digits, into a buffer of at least 32 characters; returns the end.
char* FormatFifteenDigits(bool negative, FifteenDigits rounded, char* out) {
  std::array<char, 16> digits{};
  WriteFifteenDigits(rounded.digits, digits.data());
  int significant = 15;
  while (significant > 1 && digits[static_cast<std::size_t>(significant - 1)] == '0') --significant;
  const auto put = [&out](const char* from, int count) {
    for (int i = 0; i < count; ++i) *out++ = from[i];
  };
  if (negative) *out++ = '-';
  const int e = rounded.exponent;
  if (e < -4 || e >= 15) {
    // Only E-05 to E-08, and E+15 (from rounding up just below 10^15), come this way.
    *out++ = digits[0];
    if (significant > 1) {
      *out++ = '.';
      put(digits.data() + 1, significant - 1);
    }
    *out++ = 'E';
    *out++ = e < 0 ? '-' : '+';
    *out++ = static_cast<char>('0' + (e < 0 ? -e : e) / 10);
    *out++ = static_cast<char>('0' + (e < 0 ? -e : e) % 10);
  } else if (e < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int i = 0; i < -e - 1; ++i) *out++ = '0';
    put(digits.data(), significant);
  } else if (significant <= e + 1) {
    put(digits.data(), significant);
    for (int i = significant; i < e + 1; ++i) *out++ = '0';
  } else {
    put(digits.data(), e + 1);
    *out++ = '.';
    put(digits.data() + e + 1, significant - (e + 1));
  }
  return out;
}

}  // namespace

namespace {

// digits × 10^(exponent − 14), both factors exact doubles: one correctly rounded step.
double ValueOf(bool negative, FifteenDigits rounded) {
  const int scale = rounded.exponent - 14;
  const auto digits = static_cast<double>(rounded.digits);
  const double magnitude = scale < 0 ? digits / kExactPowersOfTen[static_cast<std::size_t>(-scale)]
                                     : digits * kExactPowersOfTen[static_cast<std::size_t>(scale)];
  return negative ? -magnitude : magnitude;
}

}  // namespace

double FifteenDigitValue(double value) {
  if (value == 0) return 0;
  if (std::fabs(value) < 1e15 && std::trunc(value) == value) return value;
  if (const auto rounded = RoundToFifteenDigits(value)) return ValueOf(value < 0, *rounded);
  std::string text;
  return AssignNumberText(value, text);
}

double AssignNumberText(double value, std::string& text) {
  std::array<char, 40> buffer{};
  char* end = buffer.data();
  double readBack = 0;
  if (value == 0) {
    *end++ = '0';  // minus zero too
  } else if (std::fabs(value) < 1e15 && std::trunc(value) == value) {
    // Whole numbers below 10^15 print as their digits; most hours of a table are whole.
    end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<long long>(value)).ptr;
    readBack = value;
  } else if (const auto rounded = RoundToFifteenDigits(value)) {
    end = FormatFifteenDigits(value < 0, *rounded, buffer.data());
    readBack = ValueOf(value < 0, *rounded);
  } else {
    // "%.15g" writes a lower-case "e"; the form's style is upper-case.
    const std::string digits = FifteenSignificantDigits(value);
    for (const char c : digits) *end++ = c == 'e' ? 'E' : c;
    readBack = ParseLeadingNumber(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
  }
  text.assign(buffer.data(), end);
  return readBack;
}

std::string NumberToText(double value) {
  std::string text;
  AssignNumberText(value, text);
  return text;
}

std::string DecimalCommaText(double value) {
  std::string text = NumberToText(value);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

}  // namespace soatnoma
