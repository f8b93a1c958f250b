#include "model/cell_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "model/workload_table.h"

namespace soatnoma {
namespace {

TEST(RelativeFormula, ReadsAndWritesTheTableFormulas) {
  for (const char* text : {"=R[1]C+R[3]C", "=R[3]C+R[4]C+R[5]C+R[6]C+R[7]C+R[11]C", "=RC[-3]+RC[-2]+RC[-1]",
                           "=RC[-13]+RC[-9]+RC[-5]+RC[-1]", "=R[-2]C[4]"}) {
    const auto formula = RelativeFormula::Parse(text);
    ASSERT_TRUE(formula) << text;
    EXPECT_EQ(formula->ToR1C1(), text);
  }
  for (const char* text : {"", "R[1]C", "=", "=R[1]C+", "=R[1]C*R[2]C", "=R[x]C", "=R[1]", "=SUM(A1)", "=R[1]C+3"}) {
    EXPECT_FALSE(RelativeFormula::Parse(text)) << text;
  }
}

TEST(RelativeFormula, ConvertsToA1ForTheCellItStandsIn) {
  EXPECT_EQ(formulas::kRow5.ToA1(5, col::C), "C6+C8");
  EXPECT_EQ(formulas::kQuarter.ToA1(8, col::J), "G8+H8+I8");
  EXPECT_EQ(formulas::kYear.ToA1(20, col::S), "F20+J20+N20+R20");
  EXPECT_EQ(ColumnLetters(1), "A");
  EXPECT_EQ(ColumnLetters(19), "S");
  EXPECT_EQ(ColumnLetters(27), "AA");
}

// A total follows every write to the cells it adds (totals of totals are the table properties'
// test over many teachers, a number written over a total the rounding pass's).
TEST(CellGrid, FormulasFollowEveryWrite) {
  WorkloadTable table;
  // A quarter sum written before its months have values shows 0 at first.
  table.SetFormula(10, col::F, formulas::kQuarter);
  EXPECT_EQ(table.ReadValue(10, col::F), 0);
  table.SetNumber(10, col::C, 4);
  table.SetNumber(10, col::D, 4);
  table.SetNumber(10, col::E, 4);
  EXPECT_EQ(table.ReadValue(10, col::F), 12);
  table.ClearCell(10, col::D);
  EXPECT_EQ(table.ReadValue(10, col::F), 8);
  EXPECT_FALSE(table.ReadValue(10, col::D).has_value());
  table.SetText(10, col::D, "3");  // typed-in text that reads as a number counts
  EXPECT_EQ(table.KindAt(10, col::D), CellKind::Number);
  EXPECT_EQ(table.ReadValue(10, col::F), 11);
}

TEST(CellGrid, TextsStayTextsAndNeverBecomeFormulas) {
  WorkloadTable table;
  table.SetText(5, col::B, "=R[1]C");
  EXPECT_EQ(table.KindAt(5, col::B), CellKind::Text);
  EXPECT_EQ(table.TextAt(5, col::B), "=R[1]C");
  EXPECT_FALSE(table.ReadValue(5, col::B).has_value());
  table.SetText(5, col::B, "");
  EXPECT_EQ(table.KindAt(5, col::B), CellKind::Empty);
}

TEST(CellGrid, RefusesWritesOutsideAndSurvivesBadFormulas) {
  WorkloadTable table;
  EXPECT_THROW(table.SetNumber(3, col::C, 1), std::out_of_range);
  EXPECT_THROW(table.SetNumber(5, 20, 1), std::out_of_range);
  EXPECT_THROW(table.SetFormula(5, col::C, "=A1+B2"), std::invalid_argument);
  // A reference outside the table counts 0; a formula that reaches itself reads NaN.
  table.SetFormula(20, col::C, "=R[5]C+RC[-10]");
  EXPECT_EQ(table.ReadValue(20, col::C), 0);
  table.SetFormula(6, col::C, "=R[1]C");
  table.SetFormula(7, col::C, "=R[-1]C");
  EXPECT_TRUE(std::isnan(*table.ReadValue(6, col::C)));
}

TEST(CellGrid, ManyPathsToOneCellAndCyclesStayCheap) {
  // Every row counts the row above eight times: 8^16 paths to C4, summed once each per write.
  WorkloadTable table;
  table.SetNumber(4, col::C, 1);
  for (int row = 5; row <= 20; ++row)
    table.SetFormula(row, col::C, "=R[-1]C+R[-1]C+R[-1]C+R[-1]C+R[-1]C+R[-1]C+R[-1]C+R[-1]C");
  EXPECT_EQ(table.ReadValue(20, col::C), std::pow(8.0, 16));
  table.SetNumber(4, col::C, 2);
  EXPECT_EQ(table.ReadValue(20, col::C), 2 * std::pow(8.0, 16));
  // A cycle through many such cells reads NaN everywhere it reaches, and ends.
  for (int column = col::D; column <= col::S; ++column) {
    for (int row = 4; row <= 20; ++row) table.SetFormula(row, column, "=RC[-1]+RC[-1]+R[-1]C+R[1]C+RC[1]");
  }
  EXPECT_TRUE(std::isnan(*table.ReadValue(12, col::K)));
  EXPECT_EQ(table.ReadValue(20, col::C), 2 * std::pow(8.0, 16));  // C counts nothing of the cycle
}

}  // namespace
}  // namespace soatnoma
