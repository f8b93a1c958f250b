#include "model/typed_number.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string_view>

#include "model/weekly_hours.h"

namespace soatnoma {
namespace {

constexpr auto kEmpty = TypedNumberKind::Empty;
constexpr auto kNotANumber = TypedNumberKind::NotANumber;
constexpr auto kNumber = TypedNumberKind::Number;

TEST(TypedNumber, WhatPeopleTypeReadsAsTheFormReadsIt) {
  struct Case {
    std::string_view text;
    TypedNumberKind kind;
    double value;
  } cases[] = {
      {"", kEmpty, 0},          {"   ", kEmpty, 0},        {" \t\n", kEmpty, 0},
      {"24", kNumber, 24},      {" 24", kNumber, 24},      {"24 ", kNumber, 24},
      {"2 4", kNotANumber, 0},  {"24.0", kNumber, 24},     {"+25", kNumber, 25},
      {"-3", kNumber, -3},      {"&H1E", kNumber, 30},     {"&o17", kNumber, 15},
      {"12,5", kNumber, 12.5},  {",5", kNumber, 0.5},      {"1e1", kNumber, 10},
      {"2,5e1", kNumber, 25},   {"abc", kNotANumber, 0},   {"24abc", kNotANumber, 0},
      {"24h", kNotANumber, 0},  {"1,2,3", kNotANumber, 0}, {"12.5.1", kNotANumber, 0},
      {"1e", kNotANumber, 0},   {"&H", kNotANumber, 0},    {"1.5,0", kNotANumber, 0},
      {"12,", kNumber, 12},     {",", kNotANumber, 0},     {".", kNotANumber, 0},
      {"-", kNotANumber, 0},    {"24\r", kNotANumber, 0},  {"-&H10", kNotANumber, 0},
      {"&H1G", kNotANumber, 0}, {"&X1", kNotANumber, 0},
  };
  for (const auto& c : cases) {
    const TypedNumber read = ReadTypedNumber(c.text);
    EXPECT_EQ(read.kind, c.kind) << '"' << c.text << '"';
    EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
  }
  EXPECT_EQ(ReadTypedNumber("1e400").value, std::numeric_limits<double>::infinity());
}

TEST(TypedNumber, BlanksAroundANumberAreSkippedAndABlankInsideItRefusesIt) {
  struct Case {
    std::string_view text;
    TypedNumberKind kind;
    double value;
  } cases[] = {
      {" 12\u00a0", kNumber, 12},    {"\u202f12,5\u202f", kNumber, 12.5},
      {"  12,5 ", kNumber, 12.5},    {"\u00a0\u202f \t", kEmpty, 0},
      {"- 12", kNumber, -12},        {"12 ,5", kNumber, 12.5},
      {"12 5", kNotANumber, 0},      {"1 2", kNotANumber, 0},
      {"12\u00a05", kNotANumber, 0}, {"1\u202f000", kNotANumber, 0},
      {"1\t2", kNotANumber, 0},      {"2\n4", kNotANumber, 0},
      {"&H1 F", kNotANumber, 0},     {"1 e5", kNotANumber, 0},
      {"\u00a0", kEmpty, 0},         {"12\xc2", kNotANumber, 0},
  };
  for (const auto& c : cases) {
    const TypedNumber read = ReadTypedNumber(c.text);
    EXPECT_EQ(read.kind, c.kind) << '"' << c.text << '"';
    EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
  }
}

TEST(TypedNumber, OnlyALoneCommaWithoutAPointBecomesThePoint) {
  EXPECT_EQ(WithDecimalPoint("12,5"), "12.5");
  EXPECT_EQ(WithDecimalPoint(" 22,5"), " 22.5");
  EXPECT_EQ(WithDecimalPoint("1,2,3"), "1,2,3");
  EXPECT_EQ(WithDecimalPoint("1.2,3"), "1.2,3");
  EXPECT_EQ(WithDecimalPoint("24"), "24");
}

TEST(WeeklyHours, DaysAddUpAsTypedNumbersAndAWordStopsTheSum) {
  using Days = std::array<std::string_view, 6>;
  const Days typed = {"4", "2,5", "", " 3", "4.5", ""};
  EXPECT_EQ(WeeklyHoursFromDays(typed), "14");
  const Days empty = {"", "", "", "", "", ""};
  EXPECT_EQ(WeeklyHoursFromDays(empty), "0");
  const Days word = {"4", "ikki", "", "", "", ""};
  EXPECT_EQ(WeeklyHoursFromDays(word), std::nullopt);
  const Days parted = {"2", "1 2", "", "", "", ""};  // a blank between digits parts two numbers
  EXPECT_EQ(WeeklyHoursFromDays(parted), std::nullopt);
}

}  // namespace
}  // namespace soatnoma
