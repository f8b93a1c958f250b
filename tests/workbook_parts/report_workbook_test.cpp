// The teacher's report as a workbook's parts, read back as a spreadsheet program reads them:
// every cell of the report as stored, the merged blocks in their block's format, rows of
// automatic height unmarked, the report's own font, the page and the program's mark.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "workbook_package/package_names.h"
#include "report_sheet/sheet_test_support.h"
#include "report_editing/report_corrections.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/workbook_text.h"
#include "model/relative_formula.h"
#include "parts_reading.h"
#include "workbook_parts/report_workbook.h"

namespace soatnoma::workbook_parts {
namespace {

using testing::EvenMetrics;
using testing::Parsed;

report_sheet::ReportSheet Report(TeacherCategory category, std::string weekly, std::string rate) {
  const report_sheet::ReportTexts texts{"7", "ona tili & <adabiyot>", "Aliyeva O\xCA\xBBg\xCA\xBBiloy _x0041_"};
  return testing::Built(report_sheet::BuildReport(testing::Teacher(category, weekly, rate, true, texts, 2026)));
}

PackageParts PartsOf(const report_sheet::ReportSheet& sheet, const workbook_package::WorkbookNotes& notes = {}) {
  EvenMetrics metrics;
  const sheet_layout::SheetGeometry layout(sheet, metrics);
  return ReportWorkbookParts(sheet, layout, notes);
}

using testing::CellsOf;

std::string CellName(int row, int column) { return ColumnLetters(column) + std::to_string(row); }

TEST(ReportWorkbookTest, HoldsEveryCellOfTheReportAsStored) {
  const report_sheet::ReportSheet sheet = Report(TeacherCategory::Primary, "24,5", "19");
  const PackageParts parts = PartsOf(sheet);
  std::vector<std::string> texts;
  for (const auto item : Parsed(parts, "xl/sharedStrings.xml").child("sst").children("si")) {
    texts.emplace_back(item.child("t").child_value());
  }
  const auto worksheet = Parsed(parts, workbook_package::WorksheetPart(1));
  auto cells = CellsOf(worksheet);
  int numbers = 0;
  int formulas = 0;
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
      const std::string name = CellName(row, column);
      const pugi::xml_node cell = cells[name];
      const CellGrid& grid = sheet.Cells();
      switch (grid.KindAt(row, column)) {
        case CellKind::Text:
          ASSERT_STREQ(cell.attribute("t").value(), "s") << name;
          EXPECT_EQ(texts.at(cell.child("v").text().as_uint()),
                    workbook_package::EscapedForWorkbook(grid.TextAt(row, column)))
              << name;
          break;
        case CellKind::Number:
          ++numbers;
          EXPECT_EQ(cell.child_value("v"), workbook_package::StoredNumberText(grid.ReadNumber(row, column))) << name;
          break;
        case CellKind::Formula:
          ++formulas;
          EXPECT_EQ(cell.child_value("f"), grid.FormulaAt(row, column)->ToA1(row, column)) << name;
          EXPECT_EQ(cell.child_value("v"), workbook_package::StoredNumberText(grid.ReadNumber(row, column))) << name;
          break;
        case CellKind::Empty:
          EXPECT_FALSE(cell.child("v")) << name;
          // A cell left as a cell starts is not written at all.
          if (sheet.FormatAt(row, column) == report_sheet::CellFormat{} && !sheet.MergedBlockAt(row, column)) {
            EXPECT_FALSE(cell) << name;
          }
          break;
      }
    }
  }
  EXPECT_GT(numbers, 100);
  EXPECT_GT(formulas, 30);
  // The subject keeps its markup's characters as typed, the name its code of a character.
  const auto holding = [&](const std::string& part) {
    return std::count_if(texts.begin(), texts.end(),
                         [&](const std::string& text) { return text.find(part) != std::string::npos; });
  };
  EXPECT_GT(holding("ona tili & <adabiyot>"), 0);
  EXPECT_GT(holding("_x005F_x0041_"), 0);
}

TEST(ReportWorkbookTest, MergedBlocksCarryTheirFormatAndRowsTheirHeights) {
  const report_sheet::ReportSheet sheet = Report(TeacherCategory::Upper, "23.5", "20");
  const PackageParts parts = PartsOf(sheet);
  const auto worksheet = Parsed(parts, workbook_package::WorksheetPart(1));
  auto cells = CellsOf(worksheet);
  std::vector<std::string> merges;
  for (const auto merge : worksheet.child("worksheet").child("mergeCells").children("mergeCell")) {
    merges.emplace_back(merge.attribute("ref").value());
  }
  ASSERT_EQ(merges.size(), sheet.MergedBlocks().size());
  for (const report_sheet::CellBlock& block : sheet.MergedBlocks()) {
    EXPECT_NE(std::find(merges.begin(), merges.end(), report_sheet::BlockAddress(block)), merges.end());
    const std::string style = cells[CellName(block.firstRow, block.firstColumn)].attribute("s").value();
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
      for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
        EXPECT_EQ(cells[CellName(row, column)].attribute("s").value(), style) << CellName(row, column);
      }
    }
  }
  int automatic = 0;
  for (const auto row : worksheet.child("worksheet").child("sheetData").children("row")) {
    const bool setByHand = sheet.RowHeight(row.attribute("r").as_int()).has_value();
    EXPECT_EQ(row.attribute("customHeight").as_bool(), setByHand) << row.attribute("r").value();
    EXPECT_GT(row.attribute("ht").as_double(), 0);
    automatic += setByHand ? 0 : 1;
  }
  EXPECT_GT(automatic, 0);
  std::size_t columns = 0;
  for (const auto column : worksheet.child("worksheet").child("cols").children("col")) {
    ++columns;
    EXPECT_GT(column.attribute("width").as_double(), 0);
  }
  EXPECT_EQ(columns, static_cast<std::size_t>(report_sheet::ReportSheet::kLastColumn));
}

TEST(ReportWorkbookTest, CarriesTheReportsFontPageAndMark) {
  report_sheet::ReportSheet sheet = Report(TeacherCategory::Upper, "24", "20");
  report_editing::ReportCorrections corrections(sheet);
  corrections.SetHours({8, 3}, 2.5);
  const workbook_package::WorkbookNotes notes = corrections.Notes();
  const PackageParts parts = PartsOf(sheet, notes);

  const auto styles = Parsed(parts, std::string(workbook_package::kStylesPart));
  const auto font = styles.child("styleSheet").child("fonts").child("font");
  EXPECT_EQ(font.child("name").attribute("val").value(), sheet.Font().family);
  EXPECT_DOUBLE_EQ(font.child("sz").attribute("val").as_double(), sheet.Font().size);

  const auto worksheet = Parsed(parts, workbook_package::WorksheetPart(1));
  const auto margins = worksheet.child("worksheet").child("pageMargins");
  const report_sheet::PageSetup& page = sheet.Page();
  EXPECT_DOUBLE_EQ(margins.attribute("left").as_double(), page.leftMargin / 72);
  EXPECT_DOUBLE_EQ(margins.attribute("header").as_double(), page.headerMargin / 72);
  EXPECT_DOUBLE_EQ(margins.attribute("footer").as_double(), page.footerMargin / 72);
  EXPECT_STREQ(worksheet.child("worksheet").child("pageSetup").attribute("orientation").value(),
               page.orientation == report_sheet::PageOrientation::Landscape ? "landscape" : "portrait");
  EXPECT_STREQ(worksheet.child("worksheet").child("sheetViews").child("sheetView").attribute("tabSelected").value(),
               "1");

  const auto workbook = Parsed(parts, "xl/workbook.xml");
  EXPECT_EQ(workbook.child("workbook").child("sheets").child("sheet").attribute("name").value(),
            workbook_package::kReportSheetName);
  const auto* custom = testing::FindPart(parts, std::string(workbook_package::kCustomPropertiesPart));
  ASSERT_NE(custom, nullptr);
  EXPECT_EQ(custom->text, workbook_package::CustomPropertiesPart(notes));
  EXPECT_EQ(notes.computedOfCorrected.size(), 1U);
  // The same report gives the same parts, byte for byte.
  EXPECT_EQ(PartsOf(sheet, notes), parts);
}

}  // namespace
}  // namespace soatnoma::workbook_parts
