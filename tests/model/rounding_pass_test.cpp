#include "model/rounding_pass.h"

#include <gtest/gtest.h>

#include "model/number_text.h"
#include "model/rounding_tables.h"
#include "table_helpers.h"

namespace soatnoma {
namespace {

using testing::DistributeAndRound;
constexpr auto kUpper = TeacherCategory::Upper;
constexpr auto kPrimary = TeacherCategory::Primary;

TEST(CarryStep, KeepsTheWholePartAndCarriesTheFractionAsText) {
  WorkloadTable table;
  WorkingValues working;
  table.SetNumber(8, col::C, 10.5 * 86 / 20);  // 45.15
  TakeWholePart(table, 8, col::C, working);
  EXPECT_EQ(table.ReadValue(8, col::C), 45);
  EXPECT_EQ(working.Kasr.Text(), "0.149999999999999");
  table.SetNumber(9, col::C, 2);
  CarryIntoCell(table, 9, col::C, working);
  EXPECT_EQ(table.ReadValue(9, col::C), 2);
  EXPECT_EQ(working.Kasr.Text(), NumberToText(2.149999999999999 - 2));
}

TEST(CarryStep, FractionMovesAcrossAMonthBoundary) {
  WorkloadTable table;
  WorkingValues working;
  working.Kasr.SetText("0.9");  // from C20
  table.SetNumber(8, col::D, 45.15);
  CarryIntoCell(table, 8, col::D, working);
  EXPECT_EQ(table.ReadValue(8, col::D), 46);
  EXPECT_EQ(working.Kasr.Text(), "0.0499999999999972");
}

TEST(CarryStep, EmptyCellPassesTheFractionOnAndHoldsZero) {
  WorkloadTable table;
  WorkingValues working;
  working.Kasr.SetText("0.25");
  CarryIntoCell(table, 10, col::C, working);
  EXPECT_EQ(table.ReadValue(10, col::C), 0);
  EXPECT_EQ(working.Kasr.Text(), "0.25");
}

// Whole tables after the pass (the full rate's unchanged, leadership cells emptied, row six's
// fractions kept, August rounded) are reference tables, every cell of them checked by the
// golden tables' test; here what they do not show.
TEST(RoundingPass, CorrectionMatchesTheWeeklyTextExactly) {
  // " 24", "24.0" and "24,5" read as 24 but match no row of the correction table.
  const auto corrected = DistributeAndRound({kUpper, "24", "20", true});
  for (const char* text : {" 24", "24.0", "24 "}) {
    const auto plain = DistributeAndRound({kUpper, text, "20", true});
    EXPECT_EQ(*corrected.table.ReadValue(8, col::E) + 1, *plain.table.ReadValue(8, col::E)) << text;
    EXPECT_EQ(*corrected.table.ReadValue(20, col::O) - 2, *plain.table.ReadValue(20, col::O)) << text;
    EXPECT_EQ(plain.table.KindAt(8, col::J), CellKind::Formula) << text;
  }
}

TEST(RoundingPass, TwentyFourWritesANumberOverTheSecondQuarterLessons) {
  auto [table, working] = DistributeAndRound({kUpper, "24", "20", true});
  ASSERT_EQ(table.KindAt(8, col::J), CellKind::Number);
  const double g8 = *table.ReadValue(8, col::G) + *table.ReadValue(8, col::H) + *table.ReadValue(8, col::I);
  EXPECT_EQ(table.ReadValue(8, col::J), g8 - 1);
  table.SetNumber(8, col::G, 0);  // J8 no longer follows its months
  EXPECT_EQ(table.ReadValue(8, col::J), g8 - 1);
}

TEST(RoundingPass, PrimaryCorrectionDependsOnClassLeadership) {
  // "22.5": D8, H8, K8 and, for a class leader only, M8 get one hour more.
  for (bool leader : {false, true}) {
    const auto corrected = DistributeAndRound({kPrimary, "22.5", "18", leader});
    const auto plain = DistributeAndRound({kPrimary, "22.50", "18", leader});
    for (int column : {col::D, col::H, col::K, col::M}) {
      const double expected = (column == col::M && !leader) ? 0 : 1;
      EXPECT_EQ(*corrected.table.ReadValue(8, column) - *plain.table.ReadValue(8, column), expected) << column;
    }
  }
  // A decimal comma reads as the point, the correction's lookup included.
  for (bool leader : {false, true}) {
    const auto point = DistributeAndRound({kPrimary, "22.5", "18", leader});
    const auto comma = DistributeAndRound({kPrimary, "22,5", "18", leader});
    for (int row = 5; row <= 20; ++row) {
      for (int column = col::C; column <= col::S; ++column) {
        EXPECT_EQ(comma.table.ReadValue(row, column), point.table.ReadValue(row, column)) << row << ' ' << column;
      }
    }
  }
  // "24" and "18.5" belong to the upper-class table only.
  for (const char* text : {"24", "18.5"}) EXPECT_FALSE(FindCorrection(kPrimary, text).has_value()) << text;
}

// A cell missing from the chain keeps its fraction in the reference tables; a weekly text
// twice in the correction table would hide its second row from every lookup.
TEST(RoundingTables, CorrectionTextsAreUnique) {
  for (auto category : {kUpper, kPrimary}) {
    const auto corrections = CorrectionTable(category);
    for (std::size_t i = 0; i < corrections.size(); ++i) {
      for (std::size_t j = i + 1; j < corrections.size(); ++j) {
        EXPECT_NE(corrections[i].weeklyHours, corrections[j].weeklyHours);
      }
    }
  }
}

}  // namespace
}  // namespace soatnoma
