// A report sheet pasted as values in a spreadsheet program: its totals get their sums back
// when it is opened, and only where the sum gives the number that was pasted.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "form/opened_report.h"
#include "form/pasted_totals.h"
#include "model/workload_table.h"
#include "form_test_support.h"

namespace soatnoma {
namespace {

using testing::Built;
using testing::Teacher;

// Every formula of the hours replaced by the number it shows, as "paste as values" does.
ReportSheet PastedAsValues(ReportSheet sheet) {
  CellGrid& cells = sheet.Cells();
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      if (cells.KindAt(row, column) == CellKind::Formula) cells.SetNumber(row, column, cells.ReadNumber(row, column));
    }
  }
  return sheet;
}

ReportSheet Opened(ReportSheet sheet) {
  OpenOutcome outcome = FinishOpening("x.xlsx", std::move(sheet), {});
  EXPECT_TRUE(std::holds_alternative<OpenedReport>(outcome));
  return std::get<OpenedReport>(std::move(outcome)).sheet;
}

void ExpectSameCells(const CellGrid& opened, const CellGrid& written, const std::string& which) {
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      EXPECT_EQ(opened.KindAt(row, column), written.KindAt(row, column)) << which << " row " << row << " col " << column;
      EXPECT_EQ(opened.ReadNumber(row, column), written.ReadNumber(row, column)) << which << " row " << row;
    }
  }
}

// 24 weekly hours: the second quarter's lessons hold a fixed correction, a number the sum
// of its months does not give; it must stay that number.
TEST(PastedTotals, OpenedSheetHasTheFormulasTheProgramWrote) {
  for (const char* weekly : {"20", "24", "18"}) {  // upper classes: every other total a sum
    const ReportSheet written = Built(BuildReport(Teacher(TeacherCategory::Upper, weekly, "20", true)));
    ExpectSameCells(Opened(PastedAsValues(written)).Cells(), written.Cells(), weekly);
    ExpectSameCells(Opened(written).Cells(), written.Cells(), std::string(weekly) + " as written");
  }
  // Primary classes: the program writes some totals as numbers; a sheet it wrote keeps them.
  const ReportSheet primary = Built(BuildReport(Teacher(TeacherCategory::Primary, "22.5", "18", true)));
  ExpectSameCells(Opened(primary).Cells(), primary.Cells(), "primary as written");
}

TEST(PastedTotals, ACorrectionMovesTheTotalsAgain) {
  const ReportSheet written = Built(BuildReport(Teacher(TeacherCategory::Upper, "20", "20", false)));
  ReportSheet opened = Opened(PastedAsValues(written));
  CellGrid& cells = opened.Cells();
  const double year = cells.ReadNumber(kFirstWorkRow, col::S);
  cells.SetNumber(8, col::C, cells.ReadNumber(8, col::C) + 23);
  EXPECT_EQ(cells.ReadNumber(kFirstWorkRow, col::S), year + 23);
  EXPECT_EQ(cells.ReadNumber(8, col::F), written.Cells().ReadNumber(8, col::F) + 23);
}

// A total changed elsewhere to a number its months do not give, and a cell carrying a note
// of correction, are kept as they stand; the sums over them still follow.
TEST(PastedTotals, NumbersTheSumsDoNotGiveStay) {
  ReportSheet pasted = PastedAsValues(Built(BuildReport(Teacher(TeacherCategory::Upper, "20", "20", false))));
  CellGrid& cells = pasted.Cells();
  cells.SetNumber(8, col::F, 999);
  const double noted = cells.ReadNumber(9, col::F);
  const int restored = RestorePastedTotals(cells, {{9, col::F, noted}});
  EXPECT_EQ(cells.KindAt(8, col::F), CellKind::Number);
  EXPECT_EQ(cells.ReadNumber(8, col::F), 999);
  EXPECT_EQ(cells.KindAt(9, col::F), CellKind::Number);
  EXPECT_EQ(cells.KindAt(8, col::J), CellKind::Formula);
  EXPECT_EQ(cells.KindAt(9, col::S), CellKind::Formula);
  EXPECT_GT(restored, 20);
}

}  // namespace
}  // namespace soatnoma
