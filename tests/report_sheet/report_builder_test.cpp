// One report from one teacher's data: refusals, the table as the reference tables have it,
// and whole numbers shown before the rounding pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "model/table_csv.h"
#include "model/workload_table.h"
#include "model/number_text.h"
#include "report_sheet/cell_display.h"
#include "sheet_test_support.h"

namespace soatnoma::report_sheet {
namespace {

using testing::Built;
using testing::ReadFile;
using testing::Teacher;

std::string Fixture(const std::string& name) {
  const char* folder = std::getenv("SOATNOMA_FIXTURES");
  return ReadFile(std::string(folder != nullptr ? folder : "tests/fixtures") + "/tables/" + name);
}

TEST(ReportBuilder, RefusesAsTheRunDoesAndMakesNoReport) {
  const struct {
    const char* weekly;
    const char* rate;
    std::string_view message;
  } refused[] = {
      // Which entries are refused and why is the distribution's own table.
      {"9.5", "20", messages::kTooFewHours},
      {"24", "1e-100", messages::kBadRate},
  };
  for (const auto& input : refused) {
    const ReportOutcome outcome = BuildReport(Teacher(TeacherCategory::Upper, input.weekly, input.rate, false));
    ASSERT_TRUE(std::holds_alternative<Refusal>(outcome)) << input.weekly << " / " << input.rate;
    EXPECT_EQ(std::get<Refusal>(outcome).message, input.message);
  }
}

TEST(ReportBuilder, TableOfTheReportIsTheReferenceTable) {
  const struct {
    const char* fixture;
    ReportRequest request;
    bool round;
  } cases[] = {
      {"upper_20_rate20_leader.csv", Teacher(TeacherCategory::Upper, "20", "20", true), true},
      {"upper_13_rate40_leader_before.csv", Teacher(TeacherCategory::Upper, "13", "40", true), false},
      {"primary_22p5_rate18_other.csv", Teacher(TeacherCategory::Primary, "22.5", "18", false), true},
  };
  for (const auto& each : cases) {
    const std::string expected = Fixture(each.fixture);
    ASSERT_FALSE(expected.empty()) << each.fixture;
    const ReportSheet sheet = Built(each.round ? BuildReport(each.request) : BuildReportBeforeRounding(each.request));
    EXPECT_EQ(TableAsCsv(sheet.Cells()), expected) << each.fixture;
    EXPECT_EQ(sheet.Cells().TextAt(22, col::A), FooterText(each.request.texts));
  }
}

TEST(ReportBuilder, HoursShowWholeBeforeTheRoundingPassWhileKeepingTheirFractions) {
  const ReportSheet sheet = Built(BuildReportBeforeRounding(Teacher(TeacherCategory::Upper, "23.5", "20", false)));
  int fractional = 0;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      const auto value = sheet.Cells().ReadValue(row, column);
      if (!value) continue;
      if (*value != std::floor(*value)) ++fractional;
      EXPECT_EQ(DisplayedText(sheet, row, column), FormatCellNumber(std::round(*value), "0"));
    }
  }
  EXPECT_GT(fractional, 100);
  EXPECT_EQ(DisplayedText(sheet, 8, col::C), "101");  // 23.5 × 86 ÷ 20 = 101.05
}

TEST(CellDisplay, WholeNumberFormatRoundsLikeASpreadsheet) {
  EXPECT_EQ(FormatCellNumber(2.5, "0"), "3");
  EXPECT_EQ(FormatCellNumber(-2.5, "0"), "-3");
  EXPECT_EQ(FormatCellNumber(12.4999, "0"), "12");
  EXPECT_EQ(FormatCellNumber(-0.3, "0"), "-0");
  EXPECT_EQ(FormatCellNumber(-0.0, "0"), "0");
  EXPECT_EQ(FormatCellNumber(1548, "0"), "1548");
  EXPECT_EQ(FormatCellNumber(101.05, "General"), "101.05");
}

// Every digit shown is the number's: all of them up to 15 digits; beyond, the 15 a
// workbook keeps, then zeros to the number's full length. Never a number cut short.
TEST(CellDisplay, LargeNumbersKeepTheirLengthAndShowOnlyTrueDigits) {
  const auto zeros = [](std::size_t count) { return std::string(count, '0'); };
  const std::vector<std::pair<double, std::string>> cases = {
      {999'999'999'999'999, "999999999999999"},
      {-999'999'999'999'999, "-999999999999999"},
      {123'456'789'012'345.4, "123456789012345"},
      {1e15, "1" + zeros(15)},
      {999'999'999'999'999.5, "1" + zeros(15)},
      {9'007'199'254'740'993.0, "900719925474099" + zeros(1)},
      {1.2345678901234567e20, "123456789012346" + zeros(6)},
      {1e23, "1" + zeros(23)},  // the double is 99999999999999991611392
      {1e31, "1" + zeros(31)},
      {3.72e103, "372" + zeros(101)},
      {-2.5e200, "-25" + zeros(199)},
      {1.7976931348623157e308, "179769313486232" + zeros(294)},
  };
  for (const auto& [value, shown] : cases) EXPECT_EQ(FormatCellNumber(value, "0"), shown) << value;
}

// The smallest rate the form takes gives a report whose every number, before and after the
// rounding pass, shows within 15 digits: the limit leaves the rounding its room.
TEST(ReportBuilder, TheSmallestRateTakenStillGivesAReportThatShowsWhole) {
  for (const auto category : {TeacherCategory::Upper, TeacherCategory::Primary}) {
    for (const char* weekly : {"10", "24", "22.5", "168"}) {
      for (const bool leader : {false, true}) {
        const auto made = [&](double rate) {
          return std::holds_alternative<ReportSheet>(
              BuildReport(Teacher(category, weekly, NumberToText(rate), leader)));
        };
        double refused = 1e-300;
        double taken = 1;
        ASSERT_FALSE(made(refused));
        ASSERT_TRUE(made(taken));
        for (int step = 0; step < 200 && taken / refused > 1 + 1e-12; ++step) {
          const double middle = std::sqrt(refused * taken);
          (made(middle) ? taken : refused) = middle;
        }
        const std::string rate = NumberToText(taken);
        for (const bool round : {false, true}) {
          const ReportRequest request = Teacher(category, weekly, rate, leader);
          const ReportSheet sheet = Built(round ? BuildReport(request) : BuildReportBeforeRounding(request));
          double largest = 0;
          for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
            for (int column = col::C; column <= col::S; ++column) {
              const std::string shown = DisplayedText(sheet, row, column);
              EXPECT_LE(shown.size() - (shown.starts_with('-') ? 1 : 0), 15u)
                  << weekly << " / " << rate << ": " << shown;
              largest = std::max(largest, std::fabs(sheet.Cells().ReadNumber(row, column)));
            }
          }
          EXPECT_GT(largest, 1e14) << weekly << " / " << rate << ": the limit is reached";
        }
      }
    }
  }
}

}  // namespace
}  // namespace soatnoma::report_sheet
