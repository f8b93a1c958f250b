// One report from one teacher's data: refusals, the table as the reference tables have it,
// and whole numbers shown before the rounding pass.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model/table_csv.h"
#include "model/workload_table.h"
#include "form/cell_display.h"
#include "form_test_support.h"

namespace soatnoma {
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
      {"", "20", messages::kNoWeeklyHours},
      {"9.5", "20", messages::kTooFewHours},
      {"20", "0", messages::kBadRate},
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
  EXPECT_EQ(FormatCellNumber(1548, "0"), "1548");
  EXPECT_EQ(FormatCellNumber(101.05, "General"), "101.05");
}

}  // namespace
}  // namespace soatnoma
