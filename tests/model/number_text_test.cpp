#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <span>
#include <vector>

namespace soatnoma {
namespace {

struct ParseCase {
  const char* text;
  double expected;
};

TEST(LeadingNumberParse, ReadsTheNumberAtTheStartOfTheText) {
  const double inf = std::numeric_limits<double>::infinity();
  const ParseCase plain[] = {
      {"20", 20},     {"22.5", 22.5}, {".5", 0.5}, {"5.", 5}, {"-5", -5}, {"+5", 5},    {"12abc", 12},
      {"1.2.3", 1.2}, {"", 0},        {"abc", 0},  {".", 0},  {"-", 0},   {"10,5", 10}, {"0.1", 0.1},
  };
  // Blanks, tabs and line feeds are skipped anywhere, carriage returns are not.
  const ParseCase blanks[] = {{" 24", 24},   {"2 4", 24}, {"\t1\n0 .\t5", 10.5}, {"- 7", -7},
                              {"1 e 1", 10}, {"\r10", 0}, {"10\r5", 10}};
  // An exponent counts only with a digit; there is no D exponent.
  const ParseCase exponents[] = {{"1e1", 10}, {"2.5E-1", 0.25}, {"1E+2x", 100}, {"1e", 1},
                                 {"1e+", 1},  {"1e-x", 1},      {"1d2", 1}};
  // Hexadecimal and octal whole numbers: reading stops at a digit that is not theirs, and a
  // sign before & gives 0.
  const ParseCase wholes[] = {{"&H1F", 31}, {"&hff", 255}, {"&O17", 15}, {"&o19", 1},    {"&H", 0},
                              {"&X1", 0},   {"-&H10", 0},  {"+&O10", 0}, {"& H 1 0", 16}};
  // Out of range: infinity or zero.
  const ParseCase outOfRange[] = {
      {"1e400", inf}, {"-1e400", -inf}, {"1e-400", 0}, {"0.00001e-320", 0}, {"123456e99999999999999999999", inf},
      {"0e400", 0},   {"1e308", 1e308}};
  for (const std::span<const ParseCase> group :
       {std::span<const ParseCase>(plain), std::span<const ParseCase>(blanks), std::span<const ParseCase>(exponents),
        std::span<const ParseCase>(wholes), std::span<const ParseCase>(outOfRange)}) {
    for (const auto& c : group) EXPECT_EQ(ParseLeadingNumber(c.text), c.expected) << '"' << c.text << '"';
  }
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

// Between 10^-12 and 10^17 every text is held against the C library's "%.15G" below; here
// what lies outside: minus zero, a whole number and the first that is no longer written
// as one, and the far exponents.
TEST(NumberText, FifteenSignificantDigitsInGeneralForm) {
  const TextCase cases[] = {
      {-2, "-2"}, {-0.0, "0"}, {1e15, "1E+15"}, {1.33226762955019e-15, "1.33226762955019E-15"}, {2.5e100, "2.5E+100"},
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
