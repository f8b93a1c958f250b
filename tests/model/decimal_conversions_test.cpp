// The C library's conversions, which the browser build uses, give what the standard
// library's give, byte for byte, over many kinds of doubles.
#include "model/decimal_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace soatnoma {
namespace {

double FromBits(std::uint64_t bits) {
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Hours and their fractions as tables hold them, powers of ten at the edges of fixed and
// E notation, the extremes of a double, and random bit patterns.
std::vector<double> ManyDoubles() {
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> values = {0.0, -0.0, 1, -1.5, 0.1, 1e-5, 1e-4, 123456, 1e15, 1e16, 1e21, 1e22, 1e23, 5e-324};
  values.insert(values.end(), {std::numeric_limits<double>::max(), inf, -inf, 2.2250738585072014e-308,
                               2.9999999999999996, 0.2 + 0.1, 535.0 / 9});
  for (int numerator = -2000; numerator <= 2000; numerator += 7) {
    for (const int denominator : {3, 7, 9, 12, 35, 100}) values.push_back(static_cast<double>(numerator) / denominator);
  }
  for (int exponent = -30; exponent <= 30; ++exponent) {
    values.push_back(std::pow(10.0, exponent));
    values.push_back(1.5 * std::pow(10.0, exponent));
    values.push_back(123456789.0 * std::pow(10.0, exponent));
  }
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 20000; ++i) {
    const double value = FromBits(random());
    if (!std::isnan(value)) values.push_back(value);
  }
  return values;
}

TEST(DecimalConversions, CLibraryTextsMatchTheStandardLibrarys) {
  for (const double value : ManyDoubles()) {
    EXPECT_EQ(detail::CShortestRoundTripText(value), ShortestRoundTripText(value)) << value;
    EXPECT_EQ(detail::CFifteenSignificantDigits(value), FifteenSignificantDigits(value)) << value;
  }
}

TEST(DecimalConversions, CLibraryReadsMatchTheStandardLibrarys) {
  std::vector<std::string> numbers = {"0",      "12.5",   "2.5",    "0.1",    "1e308", "1e309",
                                      "2e-308", "1e-320", "4e-324", "2e-324", "1e-400"};
  numbers.insert(numbers.end(), {"0.30000000000000004", "9007199254740993", "1.7976931348623158e308",
                                 "123456789012345678901234567890"});
  for (const double value : ManyDoubles()) {
    if (std::isfinite(value) && value >= 0) numbers.push_back(ShortestRoundTripText(value));
  }
  for (const std::string& number : numbers) {
    const DecimalRead standard = ReadDecimal(number);
    const DecimalRead c = detail::CReadDecimal(number);
    EXPECT_EQ(c.outOfRange, standard.outOfRange) << number;
    if (!standard.outOfRange) {
      EXPECT_EQ(std::memcmp(&c.value, &standard.value, sizeof c.value), 0) << number;
    }
  }
}

TEST(DecimalConversions, ShortestTextPicksTheShorterNotation) {
  EXPECT_EQ(ShortestRoundTripText(100000), "1e+05");
  EXPECT_EQ(ShortestRoundTripText(12345), "12345");
  EXPECT_EQ(ShortestRoundTripText(0.0001), "1e-04");
  EXPECT_EQ(ShortestRoundTripText(0.001), "0.001");
  EXPECT_EQ(ShortestRoundTripText(21899647263916318720.0), "21899647263916318720");
  EXPECT_EQ(ShortestRoundTripText(-0.0), "-0");
  EXPECT_EQ(detail::CShortestRoundTripText(100000), "1e+05");
}

}  // namespace
}  // namespace soatnoma
