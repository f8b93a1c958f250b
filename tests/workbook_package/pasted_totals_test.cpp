// A report sheet pasted as values in a spreadsheet program: its totals get their sums back
// when it is opened, and only where the sum gives the number that was pasted.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "workbook_package/opened_report.h"
#include "workbook_package/pasted_totals.h"
#include "model/workload_table.h"
#include "reference_tables.h"
#include "sheet_test_support.h"

namespace soatnoma::workbook_package {
namespace {

using testing::Built;
using testing::Teacher;

// Every formula of the hours replaced by the number it shows, as "paste as values" does.
report_sheet::ReportSheet PastedAsValues(report_sheet::ReportSheet sheet) {
  CellGrid& cells = sheet.Cells();
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      if (cells.KindAt(row, column) == CellKind::Formula) cells.SetNumber(row, column, cells.ReadNumber(row, column));
    }
  }
  return sheet;
}

OpenedReport OpenedWhole(report_sheet::ReportSheet sheet) {
  OpenOutcome outcome = FinishOpening("x.xlsx", std::move(sheet), {});
  EXPECT_TRUE(std::holds_alternative<OpenedReport>(outcome));
  return std::get<OpenedReport>(std::move(outcome));
}

// The teachers of the reference tables, among them sheets whose quarter totals hold a fixed
// correction, a number the sum of its months does not give. A sheet as the program writes
// it opens as it was, with nothing said; pasted as values, it opens with the formulas the
// program wrote, and the teacher is told (that a correction then moves the totals is the
// staff document's test of such a sheet).
TEST(PastedTotals, OpenedSheetHasTheFormulasTheProgramWrote) {
  const auto references = reference_tables::References(false);
  ASSERT_GE(references.size(), 13u);
  for (const reference_tables::Reference& c : references) {
    const report_sheet::ReportSheet written =
        Built(report_sheet::BuildReport(Teacher(c.category, c.weekly, c.rate, c.leader)));
    const std::string name = c.file.stem().string();
    SCOPED_TRACE(name);
    const OpenedReport asWritten = OpenedWhole(written);
    testing::ExpectSameSheet(written, asWritten.sheet);
    EXPECT_EQ(asWritten.notice, "") << name;
    const OpenedReport pasted = OpenedWhole(PastedAsValues(written));
    testing::ExpectSameSheet(written, pasted.sheet);
    EXPECT_NE(pasted.notice.find(" ta jami boshqa dasturda"), std::string::npos) << name;
  }
}

// Only some cells pasted as values (a row copied over itself): those totals get their sums
// back while the others' formulas stay; the notice counts the ones given back.
TEST(PastedTotals, APartOfTheSheetPastedGetsItsSumsBack) {
  const report_sheet::ReportSheet written =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "20", "20", false)));
  report_sheet::ReportSheet partly = written;
  CellGrid& cells = partly.Cells();
  int pasted = 0;
  for (int column = col::C; column <= col::S; ++column) {
    if (cells.KindAt(8, column) != CellKind::Formula) continue;
    cells.SetNumber(8, column, cells.ReadNumber(8, column));
    ++pasted;
  }
  ASSERT_GT(pasted, 1);
  const OpenedReport opened = OpenedWhole(std::move(partly));
  testing::ExpectSameSheet(written, opened.sheet);
  EXPECT_EQ(opened.notice, PastedTotalsNotice(pasted));
  EXPECT_NE(opened.notice.find(std::to_string(pasted) + " ta jami"), std::string::npos);
}

// A total changed elsewhere to a number its months do not give, and a cell carrying a note
// of correction, are kept as they stand; the sums over them still follow.
TEST(PastedTotals, NumbersTheSumsDoNotGiveStay) {
  report_sheet::ReportSheet pasted =
      PastedAsValues(Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "20", "20", false))));
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
}  // namespace soatnoma::workbook_package
