// The difference of two numbers as their text forms show them.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "model/decimal_conversions.h"
#include "model/exact_powers_of_ten.h"
#include "model/number_text.h"

namespace soatnoma {
namespace {

// The power of ten of a number's first digit as its 15 digits show it: 2 for 123.4,
// -3 for 0.00107, 3 for 999.9999999999999. value is finite and not 0.
int FirstDigitPower(double value) {
  const std::string text = ScientificDigits(value, 14);  // "1.23400000000000e+02"
  return std::atoi(text.c_str() + text.find('e') + 1);
}

// Beyond 2^53 a double no longer holds every whole number.
constexpr double kWholeNumbersHeld = 9007199254740992.0;

}  // namespace

double DifferenceOfShown(double a, double b) {
  const double difference = a - b;
  // A number shown as 0 is exact, and so is the difference from it.
  if (FifteenDigitValue(a) == 0 || FifteenDigitValue(b) == 0 || difference == 0 || !std::isfinite(difference)) {
    return difference + 0.0;
  }
  // Neither number is known beyond its last digit shown, so neither is the difference: the
  // finer of the two last digits is as far as it goes, what lies below is rest.
  const int decimals = 14 - std::min(FirstDigitPower(a), FirstDigitPower(b));
  if (decimals <= 0 || decimals >= static_cast<int>(detail::kExactPowersOfTen.size())) return difference;
  const double scale = detail::kExactPowersOfTen[static_cast<std::size_t>(decimals)];
  const double scaled = difference * scale;
  // Digits of that many places would not fit a double: the difference is no cancellation.
  if (std::fabs(scaled) >= kWholeNumbersHeld) return difference;
  return std::round(scaled) / scale + 0.0;
}

}  // namespace soatnoma
