#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

namespace soatnoma {
namespace {

struct ParseCase {
  const char* text;
  double expected;
};

TEST(LeadingNumberParse, ReadsTheNumberAtTheStartOfTheText) {
  const ParseCase cases[] = {
      {"20", 20},     {"22.5", 22.5}, {".5", 0.5}, {"5.", 5}, {"-5", -5}, {"+5", 5},    {"12abc", 12},
      {"1.2.3", 1.2}, {"", 0},        {"abc", 0},  {".", 0},  {"-", 0},   {"10,5", 10}, {"0.1", 0.1},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseLeadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LeadingNumberParse, SkipsBlanksTabsAndLineFeedsAnywhereButNotCarriageReturns) {
  EXPECT_EQ(ParseLeadingNumber(" 24"), 24);
  EXPECT_EQ(ParseLeadingNumber("2 4"), 24);
  EXPECT_EQ(ParseLeadingNumber("\t1\n0 .\t5"), 10.5);
  EXPECT_EQ(ParseLeadingNumber("- 7"), -7);
  EXPECT_EQ(ParseLeadingNumber("1 e 1"), 10);
  EXPECT_EQ(ParseLeadingNumber("\r10"), 0);
  EXPECT_EQ(ParseLeadingNumber("10\r5"), 10);
}

TEST(LeadingNumberParse, ExponentCountsOnlyWithADigit) {
  EXPECT_EQ(ParseLeadingNumber("1e1"), 10);
  EXPECT_EQ(ParseLeadingNumber("2.5E-1"), 0.25);
  EXPECT_EQ(ParseLeadingNumber("1E+2x"), 100);
  EXPECT_EQ(ParseLeadingNumber("1e"), 1);
  EXPECT_EQ(ParseLeadingNumber("1e+"), 1);
  EXPECT_EQ(ParseLeadingNumber("1e-x"), 1);
  EXPECT_EQ(ParseLeadingNumber("1d2"), 1);  // no D exponent
}

TEST(LeadingNumberParse, HexAndOctalWholeNumbers) {
  EXPECT_EQ(ParseLeadingNumber("&H1F"), 31);
  EXPECT_EQ(ParseLeadingNumber("&hff"), 255);
  EXPECT_EQ(ParseLeadingNumber("&O17"), 15);
  EXPECT_EQ(ParseLeadingNumber("&o19"), 1);  // 9 is not octal: reading stops
  EXPECT_EQ(ParseLeadingNumber("&H"), 0);
  EXPECT_EQ(ParseLeadingNumber("&X1"), 0);
  EXPECT_EQ(ParseLeadingNumber("-&H10"), 0);  // a sign before & gives 0
  EXPECT_EQ(ParseLeadingNumber("+&O10"), 0);
  EXPECT_EQ(ParseLeadingNumber("& H 1 0"), 16);
}

TEST(LeadingNumberParse, OutOfRangeReadsInfinityOrZero) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ParseLeadingNumber("1e400"), inf);
  EXPECT_EQ(ParseLeadingNumber("-1e400"), -inf);
  EXPECT_EQ(ParseLeadingNumber("1e-400"), 0);
  EXPECT_EQ(ParseLeadingNumber("0.00001e-320"), 0);
  EXPECT_EQ(ParseLeadingNumber("123456e99999999999999999999"), inf);
  EXPECT_EQ(ParseLeadingNumber("0e400"), 0);
  EXPECT_EQ(ParseLeadingNumber("1e308"), 1e308);
}

TEST(LeadingNumberParse, DecimalTextIsCorrectlyRounded) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> magnitude(-30, 30);
  for (int i = 0; i < 2000; ++i) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", std::pow(10.0, magnitude(random)));
    EXPECT_EQ(ParseLeadingNumber(text), std::strtod(text, nullptr)) << text;
  }
}

struct TextCase {
  double value;
  const char* expected;
};

TEST(NumberText, FifteenSignificantDigitsInGeneralForm) {
  const TextCase cases[] = {
      {16, "16"},
      {5.5, "5.5"},
      {-2, "-2"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {45.15 - 45, "0.149999999999999"},
      {1.0 / 3, "0.333333333333333"},
      {10.0 * 4 / 18 - 4, "-1.77777777777778"},
      {46.05 - 46, "0.0499999999999972"},
      {1e15, "1E+15"},
      {123456789012345, "123456789012345"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {1.33226762955019e-15, "1.33226762955019E-15"},
      {2.5e100, "2.5E+100"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
}

TEST(NumberText, WorkingValueReadsBackAsTheNumberRoundedToFifteenDigits) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> fraction(-1, 1);
  std::uniform_real_distribution<double> decade(-12, 17);
  std::vector<double> values = {
      123456789012345.5,    123456789012344.5, 99999999999999.95, 999999999999999.5, 0.5, 2.5e-5, 1e-8,
      9.999999999999995e-9, 1e15 - 1,          0.1 + 0.7};
  for (int i = 0; i < 20000; ++i) {
    values.push_back(fraction(random) * std::pow(10.0, decade(random)));
    values.push_back(std::round(fraction(random) * 1e15) / 2);  // halves at the 15th digit: ties
  }
  for (const double value : values) {
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.15G", value);
    std::string text;
    const double readBack = AssignNumberText(value, text);
    if (value != 0) {
      ASSERT_EQ(text, reference) << value;
    }
    ASSERT_EQ(ReadWorkingValue(text), std::strtod(reference, nullptr)) << text;
    ASSERT_EQ(readBack, std::strtod(reference, nullptr)) << text;
    ASSERT_EQ(FifteenDigitValue(value), readBack) << text;
  }
}

TEST(PlainNumberText, OnlyDigitsWithOptionalSignAndPoint) {
  double value = 0;
  EXPECT_TRUE(ReadsAsPlainNumber("3", &value));
  EXPECT_EQ(value, 3);
  EXPECT_TRUE(ReadsAsPlainNumber("-2.5", &value));
  EXPECT_EQ(value, -2.5);
  for (const char* text : {"", " 3", "3 ", "3a", "1e2", "&H1", "=R[1]C", "№", "."}) {
    EXPECT_FALSE(ReadsAsPlainNumber(text, &value)) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace soatnoma
