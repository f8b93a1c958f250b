// The difference of two numbers as their text forms show them: what a teacher finds by
// subtracting the two shown totals, never the rest binary arithmetic leaves below them.
#include <cmath>

#include <gtest/gtest.h>

#include "model/number_text.h"

namespace soatnoma {
namespace {

TEST(DifferenceOfShown, LeavesNoRestBelowTheShownDigits) {
  struct Case {
    double a;
    double b;
    const char* shown;
  };
  // Two totals of 40 fractions, one with a cell 39.25 higher, each summed in its own order.
  constexpr double kCorrectedTotal = 2253.488095238095;
  constexpr double kComputedTotal = 2214.2380952380954;
  const Case cases[] = {
      {kCorrectedTotal, kComputedTotal, "39.25"},
      {1234.1, 1195.1, "39"},
      {0.3, 0.1, "0.2"},
      {1000, 999.999999999999, "1E-12"},
      {2.25, 8, "-5.75"},
      {5, 0, "5"},
      {0, 2.5, "-2.5"},
      {408.1666666666667, 408.1666666666667, "0"},
      {1e20, 1, "1E+20"},
      {-7.1, 3.2, "-10.3"},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberToText(DifferenceOfShown(c.a, c.b)), c.shown) << c.a << " - " << c.b;
  // The plain subtraction shows the rest: what the status line said before.
  EXPECT_EQ(NumberToText(kCorrectedTotal - kComputedTotal), "39.2499999999995");
}

TEST(DifferenceOfShown, IsNeverMinusZero) {
  EXPECT_FALSE(std::signbit(DifferenceOfShown(0.1 + 0.2, 0.3)));
  EXPECT_FALSE(std::signbit(DifferenceOfShown(-0.0, 0.0)));
}

}  // namespace
}  // namespace soatnoma
