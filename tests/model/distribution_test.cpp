#include "model/distribution.h"

#include <gtest/gtest.h>

#include "model/number_text.h"
#include "table_helpers.h"

namespace soatnoma {
namespace {

using testing::Distribute;
using testing::Teacher;
constexpr auto kUpper = TeacherCategory::Upper;
constexpr auto kPrimary = TeacherCategory::Primary;

std::optional<Refusal> Refused(TeacherCategory category, const char* weekly, const char* rate) {
  WorkloadTable table;
  WorkingValues working;
  return DistributeWorkload({category, weekly, rate, false}, table, working);
}

TEST(Refusals, WeeklyHoursThenRateThenWhatAWeekAndTheReportHold) {
  const Refusal none{messages::kNoWeeklyHours, false};
  const Refusal few{messages::kTooFewHours, true};
  const Refusal rate{messages::kBadRate, false};
  const Refusal hours{messages::kBadWeeklyHours, false};
  struct Case {
    const char* weekly;
    const char* rate;
    std::optional<Refusal> expected;
  } cases[] = {
      // Which texts read as numbers is the typed number's own table; here the order of the checks.
      {"", "20", none},
      {"9.5", "20", few},
      {" \t\n", "0", none},
      {"24h", "0", hours},
      {"-30", "20", few},
      {"9.5", "0", few},
      {"10", "", rate},
      {"10", "0", rate},
      {"10", "20x", rate},
      {"10", "-18", rate},
      {"10", "1e-400", rate},
      {"10", "1e400", rate},
      {"1e400", "20", hours},
      {"1e400", "0", rate},
      {"1e306", "20", hours},
      {"10", "20", std::nullopt},
      // A report whose hours the report cannot show is refused for its rate, the box that
      // makes it so; more hours than a week holds for the weekly hours.
      {"24", "4.9e-324", rate},
      {"24", "1e-11", rate},
      {"10", "1e-11", rate},
      {"168", "1e-10", rate},
      {"24", "1e-10", std::nullopt},
      {"168", "1e-9", std::nullopt},
      {"168", "20", std::nullopt},
      {"168.01", "20", hours},
      {"169", "0", rate},
      {"169", "20", hours},
      {"&HA9", "20", hours},
      {"2 4", "20", hours},
      {"12,5", "20,5", std::nullopt},
      {"\u00a012\u202f", "2 0", rate},
      {"\u00a012\u202f", "\u00a020", std::nullopt},
  };
  for (const auto& c : cases) {
    for (auto category : {kUpper, kPrimary}) {
      EXPECT_EQ(Refused(category, c.weekly, c.rate), c.expected) << '"' << c.weekly << "\" / \"" << c.rate << '"';
    }
  }
}

// The full-rate tables of both categories and both states are reference tables, every cell
// of them checked by the golden tables' test; here what they do not show.
TEST(UpperDistribution, ClassLeaderCorrectionPassesThroughItsText) {
  auto [table, working] = Distribute({kUpper, "10", "20", true});
  EXPECT_EQ(table.ReadValue(10, col::C), 4);
  EXPECT_EQ(table.ReadValue(12, col::C), 1);  // -2 + 3
  EXPECT_EQ(working.tSoat.Text(), "-1.5");    // May: 10 × 3 ÷ 20 − 3
  const auto low = Distribute({kUpper, "10", "40", true});
  EXPECT_EQ(low.table.ReadValue(12, col::C), -1.5);  // written unchanged, negative
}

TEST(UpperDistribution, CellsThatStayEmpty) {
  for (bool leader : {false, true}) {
    const auto [table, working] = Distribute({kUpper, "23.5", "20", leader});
    for (int row = 5; row <= 20; ++row) EXPECT_EQ(table.KindAt(row, col::P), CellKind::Empty) << row;
    EXPECT_EQ(table.KindAt(7, col::Q), CellKind::Empty);
    EXPECT_EQ(table.KindAt(8, col::R), CellKind::Empty);
    EXPECT_EQ(table.KindAt(10, col::R), CellKind::Empty);
    EXPECT_EQ(table.KindAt(15, col::R), CellKind::Empty);
    EXPECT_NE(table.FormulaAt(7, col::R), nullptr);
    for (int column : {col::F, col::J, col::N, col::S}) {
      for (int row : {10, 19}) {
        EXPECT_EQ(table.KindAt(row, column) == CellKind::Formula, leader) << row << "/" << column;
      }
    }
    EXPECT_EQ(table.KindAt(19, col::R) == CellKind::Formula, leader);
  }
}

TEST(PrimaryDistribution, RowSixIsAFixedNumberWithItsFraction) {
  const auto [table, working] = Distribute({kPrimary, "20", "18", false});
  EXPECT_EQ(table.KindAt(6, col::C), CellKind::Number);
  EXPECT_EQ(table.ReadValue(6, col::C), 20.0 * 78 / 18);
  for (int row : {16, 20}) EXPECT_EQ(table.KindAt(row, col::O), CellKind::Empty);
  EXPECT_EQ(table.KindAt(16, col::R), CellKind::Empty);
  EXPECT_NE(table.FormulaAt(7, col::Q), nullptr);
}

TEST(PrimaryDistribution, ClassLeaderCorrectionAHairBelowOne) {
  const auto [table, working] = Distribute({kPrimary, "10", "18", true});
  // September: tSoat holds -1.77777777777778, so C12 falls a little short of 1.
  const double c12 = *table.ReadValue(12, col::C);
  EXPECT_LT(c12, 1);
  EXPECT_NEAR(c12, 1, 1e-14);
  EXPECT_EQ(working.tSoat.Text(), NumberToText(10.0 * 4 / 18 - 4));  // May's correction
  const auto low = Distribute({kPrimary, "10", "40", true});
  EXPECT_EQ(low.table.ReadValue(12, col::C), -1.75);
}

}  // namespace
}  // namespace soatnoma
