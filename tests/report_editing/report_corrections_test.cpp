#include "report_editing/report_corrections.h"

#include <gtest/gtest.h>

#include <optional>

#include "sheet_test_support.h"

namespace soatnoma::report_editing {
namespace {

using testing::Built;
using testing::Teacher;

constexpr int kColumnS = 19;

// What a typed value is pointed out for, at its own cell and at its row's year total.
TEST(ReportCorrections, FlagsOfTypedHours) {
  struct Case {
    std::optional<double> typed;
    bool notWhole;
    bool negative;
  };
  const Case cases[] = {
      {0.0, false, false}, {std::nullopt, false, false}, {12.0, false, false},
      {2.5, true, false},  {-1.0, false, true},          {-0.5, true, true},
  };
  for (const Case& each : cases) {
    report_sheet::ReportSheet sheet =
        Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "24", "20", false)));
    ReportCorrections corrections(sheet);
    const CellPlace cell = corrections.EditableCells().front();
    const double computed = corrections.ComputedHours(cell);
    corrections.SetHours(cell, each.typed);
    const CellFlags flags = corrections.FlagsAt(cell);
    const std::string label = each.typed ? std::to_string(*each.typed) : "emptied";
    EXPECT_EQ(flags.notWhole, each.notWhole) << label;
    EXPECT_EQ(flags.negative, each.negative) << label;
    EXPECT_EQ(corrections.FlagsAt({cell.row, kColumnS}).yearDiffers, each.typed.value_or(0) != computed) << label;
  }
}

// A report fresh from the run is what the program computed: nothing is pointed out; typing
// back what was computed takes the mark away again.
TEST(ReportCorrections, TypingTheComputedHoursBackClearsTheFlags) {
  report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Primary, "18", "18", true)));
  ReportCorrections corrections(sheet);
  EXPECT_TRUE(corrections.FlaggedCells().empty());
  EXPECT_TRUE(corrections.CorrectedCells().empty());
  const CellPlace cell = corrections.EditableCells().back();
  const double computed = corrections.ComputedHours(cell);
  corrections.SetHours(cell, computed + 3);
  EXPECT_FALSE(corrections.FlaggedCells().empty());
  corrections.SetHours(cell, computed);
  EXPECT_TRUE(corrections.FlaggedCells().empty());
  EXPECT_EQ(corrections.YearTotal(), corrections.ComputedYearTotal());
}

}  // namespace
}  // namespace soatnoma::report_editing
