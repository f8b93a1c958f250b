// The report's table as a reader of the screen walks it: headings over the columns and
// beside the rows, each cell named by its month, its row and what it shows, and only the
// cells of hours open to typing.
#include "screen_view/report_grid.h"

#include <gtest/gtest.h>

#include <string>

#include "report_sheet/cell_display.h"
#include "sheet_test_support.h"

namespace soatnoma::screen_view {
namespace {

using testing::Built;
using testing::Teacher;

constexpr int kColumnB = 2;
constexpr int kColumnC = 3;
constexpr int kColumnF = 6;  // the first quarter
constexpr int kColumnS = 19;

const GridCell& CellAt(const std::vector<std::vector<GridCell>>& rows, int row, int column) {
  return rows.at(static_cast<std::size_t>(row - 4)).at(static_cast<std::size_t>(column - 1));
}

TEST(ReportGrid, HeadingsHeadTheTableAndOnlyTheHoursMayBeTyped) {
  report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "24", "20", false)));
  const report_editing::ReportCorrections corrections(sheet);
  const auto rows = ReportGridRows(sheet, corrections);
  ASSERT_EQ(rows.size(), 17u);
  for (const auto& row : rows) ASSERT_EQ(row.size(), 19u);
  EXPECT_EQ(CellAt(rows, 4, kColumnC).role, GridCellRole::ColumnHeading);
  EXPECT_EQ(CellAt(rows, 4, kColumnC).name, "Sentabr");
  EXPECT_EQ(CellAt(rows, 8, kColumnB).role, GridCellRole::RowHeading);
  EXPECT_EQ(CellAt(rows, 8, kColumnB).name, report_sheet::DisplayedText(sheet, 8, kColumnB));
  // Every cell the teacher may correct, and nothing else, is open to typing.
  int open = 0;
  for (const auto& row : rows) {
    for (const GridCell& cell : row) {
      EXPECT_EQ(cell.readOnly, !corrections.IsEditable({cell.row, cell.column})) << cell.row << ":" << cell.column;
      if (!cell.readOnly) ++open;
    }
  }
  EXPECT_EQ(open, static_cast<int>(corrections.EditableCells().size()));
  EXPECT_TRUE(CellAt(rows, 8, kColumnF).readOnly);   // a quarter's total
  EXPECT_TRUE(CellAt(rows, 8, kColumnS).readOnly);   // the year's
  EXPECT_FALSE(CellAt(rows, 8, kColumnC).readOnly);  // September's lessons
}

TEST(ReportGrid, ACellIsNamedByItsMonthRowAndWhatItShowsAndWhyItIsMarked) {
  report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "24", "20", false)));
  report_editing::ReportCorrections corrections(sheet);
  const std::string shown = report_sheet::DisplayedText(sheet, 8, kColumnC);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(SpokenCellName(sheet, corrections, {8, kColumnC}), "Sentabr, Dars soatlari: " + shown);
  // An emptied cell is said to be empty, and the mark's note says what was computed.
  corrections.SetHours({8, kColumnC}, std::nullopt);
  const std::string emptied = SpokenCellName(sheet, corrections, {8, kColumnC});
  EXPECT_EQ(emptied.rfind("Sentabr, Dars soatlari: bo'sh. Tuzatilgan. Hisoblangan: " + shown, 0), 0u) << emptied;
  // The totals it counts in follow: the year's cell of the row names the new total.
  const std::string year = SpokenCellName(sheet, corrections, {8, kColumnS});
  EXPECT_NE(year.find(report_sheet::DisplayedText(sheet, 8, kColumnS)), std::string::npos) << year;
  EXPECT_EQ(CellAt(ReportGridRows(sheet, corrections), 8, kColumnC).name, emptied);
}

}  // namespace
}  // namespace soatnoma::screen_view
