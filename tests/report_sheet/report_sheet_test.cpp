// The in-memory report sheet as a spreadsheet host: addresses, blocks and their settings.
#include <gtest/gtest.h>

#include "report_sheet/report_sheet.h"

namespace soatnoma::report_sheet {
namespace {

TEST(SheetAddress, NamesCellsBlocksAndWholeColumns) {
  EXPECT_EQ(ParseRangeAddress("O1:S1"), (CellBlock{1, 15, 1, 19}));
  EXPECT_EQ(ParseRangeAddress("B4"), (CellBlock{4, 2, 4, 2}));
  EXPECT_EQ(ParseRangeAddress("$A$2:$S$2"), (CellBlock{2, 1, 2, 19}));
  EXPECT_EQ(ParseRangeAddress("A:A"), (CellBlock{1, 1, kSheetMaxRow, 1}));
  EXPECT_EQ(ParseRangeAddress("S:C"), (CellBlock{1, 3, kSheetMaxRow, 19}));
  // Corners in either order span the same block.
  EXPECT_EQ(BlockFromCorners("A20", "S4"), (CellBlock{4, 1, 20, 19}));
  EXPECT_EQ(BlockFromCorners("S4", "A20"), (CellBlock{4, 1, 20, 19}));
  EXPECT_EQ(ParseRangeAddress("A20:S4"), (CellBlock{4, 1, 20, 19}));
  for (const char* address : {"A4:S20", "C:S", "O1"}) EXPECT_EQ(BlockAddress(ParseRangeAddress(address)), address);
}

TEST(SheetAddress, RejectsWhatIsNoAddress) {
  for (const char* address : {"", "4", "A", "A0", "4A", "A1:", ":B2", "A1:B", "A1-B2", "XFE1", "A1048577"}) {
    EXPECT_THROW(ParseRangeAddress(address), std::invalid_argument) << address;
  }
  EXPECT_THROW(BlockFromCorners("A:A", "B2"), std::invalid_argument);
}

TEST(ReportSheet, SettingsReachEveryCellOfTheBlockAndNoOther) {
  ReportSheet sheet;
  sheet.Range("A20", "S4").SetBorders(LineStyle::Continuous);
  sheet.Range("C4:S4").SetOrientation(90);
  sheet.Range("A2:S2").SetFontSize(14);
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= ReportSheet::kLastColumn; ++column) {
      const CellFormat& format = sheet.FormatAt(row, column);
      const bool inTable = row >= 4 && row <= 20;
      EXPECT_EQ(format.border == LineStyle::Continuous, inTable) << row << "," << column;
      EXPECT_EQ(format.orientation == 90, row == 4 && column >= 3) << row << "," << column;
      EXPECT_EQ(format.fontSize.has_value(), row == 2) << row << "," << column;
    }
  }
}

TEST(ReportSheet, WholeColumnsTakeWidthsAndRowsTakeHeights) {
  ReportSheet sheet;
  sheet.Columns("B:B").SetColumnWidth(35);
  sheet.Range("C:S").SetColumnWidth(5);
  sheet.Range("O1:S3").SetRowHeight(40);
  EXPECT_EQ(sheet.ColumnWidth(1), ReportSheet::kDefaultColumnWidth);
  EXPECT_EQ(sheet.ColumnWidth(2), 35);
  EXPECT_EQ(sheet.ColumnWidth(19), 5);
  EXPECT_EQ(sheet.RowHeight(3), 40);
  EXPECT_FALSE(sheet.RowHeight(4).has_value());
  EXPECT_THROW(sheet.Columns("A4:B4"), std::invalid_argument);
  EXPECT_THROW(sheet.Range("T1").SetBold(true), std::out_of_range);
  EXPECT_THROW(sheet.Range("A1").SetOrientation(120), std::invalid_argument);
}

TEST(ReportSheet, MergingReplacesOverlappedBlocksAndUnmergingUndoesTouchedOnes) {
  ReportSheet sheet;
  sheet.Range("A2:S2").SetMergeCells(true);
  sheet.Range("O1:S1").SetMergeCells(true);
  sheet.Range("N1:P1").SetMergeCells(true);  // overlaps O1:S1, which is undone
  ASSERT_EQ(sheet.MergedBlocks().size(), 2U);
  EXPECT_EQ(sheet.MergedBlockAt(1, 16), (CellBlock{1, 14, 1, 16}));
  EXPECT_FALSE(sheet.MergedBlockAt(1, 19).has_value());
  sheet.Range("B2:B20").SetMergeCells(false);  // touches A2:S2
  EXPECT_FALSE(sheet.MergedBlockAt(2, 1).has_value());
  EXPECT_EQ(sheet.MergedBlocks().size(), 1U);
}

TEST(ReportSheet, TopLeftCellTakesTypedTextNumbersAndNeverFormulas) {
  ReportSheet sheet;
  sheet.Range("A2:S2").Cells(1, 1).SetText("=SUM(A1:A3)");
  sheet.Range("A7").SetText("1");
  EXPECT_EQ(sheet.Cells().KindAt(2, 1), CellKind::Text);
  EXPECT_EQ(sheet.Cells().TextAt(2, 1), "=SUM(A1:A3)");
  EXPECT_EQ(sheet.Cells().ReadValue(7, 1), 1.0);
}

}  // namespace
}  // namespace soatnoma::report_sheet
