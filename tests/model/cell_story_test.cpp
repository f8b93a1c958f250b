// Every hour of the reference tables explained: for each cell the story the distribution
// and the rounding pass tell adds up to the hours the independently computed table holds.
#include <gtest/gtest.h>

#include "reference_tables.h"

namespace soatnoma {
namespace {

// The reference tables, their fields and the walk over every cell.
using namespace reference_tables;  // NOLINT(build/namespaces)

TEST(CellStory, EveryCellOfHoursAddsUpToTheReferenceHours) {
  int explained = 0;
  ForEveryCell(HoldsHours, [&explained](const ToldTable& told, const Fields& expected, int row, int column) {
    const CellStory& story = told.story.At(row, column);
    const auto hours = FieldAt(expected, row, column);
    ++explained;
    if (story.origin == CellOrigin::Scaled) {
      EXPECT_EQ(story.computed, story.weeklyHours * story.norm / story.rate);
    }
    if (story.emptied) {
      EXPECT_FALSE(hours.has_value());
      return;
    }
    double kept = story.computed;  // hours the carry chain does not visit stay as computed
    if (story.carry) {
      const CarryLink& link = *story.carry;
      EXPECT_EQ((story.computed + link.takenIn) - link.givenOn, link.whole);
      kept = link.whole;
    }
    if (story.correction) {
      EXPECT_EQ(story.correction->before, kept);
    }
    ASSERT_TRUE(hours.has_value());
    EXPECT_EQ(kept + (story.correction ? story.correction->delta : 0), *hours);
  });
  EXPECT_GT(explained, 13 * 80);  // every month of every kind of work of every table, not a few
}

// The fraction a cell takes in is the one the cell before gave on, and the chain runs
// through one cell after another without a break.
TEST(CellStory, TheCarryChainIsOneUnbrokenLine) {
  for (const Reference& reference : References(false)) {
    std::unique_ptr<ToldTable> keep;
    const ToldTable& told = Told(reference, keep);
    int starts = 0;
    for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
      for (int column = col::C; column <= kLastColumn; ++column) {
        const auto& carry = told.story.At(row, column).carry;
        if (!carry) continue;
        SCOPED_TRACE(reference.file.filename().string() + " " + ColumnLetters(column) + std::to_string(row));
        if (!carry->from) {
          ++starts;
          continue;
        }
        const auto& before = told.story.At(carry->from->row, carry->from->column).carry;
        ASSERT_TRUE(before.has_value());
        EXPECT_EQ(carry->takenIn, before->carried);
        ASSERT_TRUE(before->to.has_value());
        EXPECT_EQ(before->to->row, row);
        EXPECT_EQ(before->to->column, column);
        EXPECT_GE(carry->givenOn, 0);
        EXPECT_LT(carry->givenOn, 1);
      }
    }
    EXPECT_EQ(starts, 1);
  }
}

// A total adds up the cells it names, as the reference holds them; before rounding each cell
// of hours holds what the distribution computed.
TEST(CellStory, TotalsNameTheCellsTheyAddAndComputedHoursAreTheUnroundedOnes) {
  ForEveryCell(IsSum, [](const ToldTable& told, const Fields& expected, int row, int column) {
    const CellStory& story = told.story.At(row, column);
    ASSERT_GE(story.summed.size(), 2u);
    // Exactly the cells the formula left in the table adds, in its order (a total the
    // correction set as a number keeps the formula's cells as its story).
    if (const RelativeFormula* formula = told.table.FormulaAt(row, column)) {
      ASSERT_EQ(formula->Terms().size(), story.summed.size());
      for (std::size_t i = 0; i < story.summed.size(); ++i) {
        EXPECT_EQ(story.summed[i].row, row + formula->Terms()[i].rows);
        EXPECT_EQ(story.summed[i].column, column + formula->Terms()[i].columns);
      }
    } else {
      EXPECT_TRUE(story.correction.has_value());
    }
    double sum = 0;
    for (const CellRef& cell : story.summed) sum += FieldAt(expected, cell.row, cell.column).value_or(0);
    // A correction on a total puts a number in its place: its sum then, moved by the correction.
    if (story.correction) {
      EXPECT_EQ(story.correction->before, sum);
    }
    EXPECT_EQ(FieldAt(expected, row, column).value_or(0), sum + (story.correction ? story.correction->delta : 0));
  });
  ForEveryCell(
      HoldsHours,
      [](const ToldTable& told, const Fields& expected, int row, int column) {
        EXPECT_EQ(FieldAt(expected, row, column), told.story.At(row, column).computed);
      },
      true);
}

}  // namespace
}  // namespace soatnoma
