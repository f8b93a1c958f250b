#include "workbook_parts/report_worksheet.h"

#include "report_sheet/sheet_address.h"
#include "sheet_layout/workbook_sizes.h"
#include "workbook_package/workbook_text.h"
#include "model/relative_formula.h"

namespace soatnoma::workbook_parts {
namespace {

double Inches(double points) { return points / 72.0; }

// Whether the cell stands hidden under a merged block whose first cell it is not.
bool HiddenByMerge(const report_sheet::ReportSheet& sheet, int row, int column) {
  const auto merged = sheet.MergedBlockAt(row, column);
  return merged && (merged->firstRow != row || merged->firstColumn != column);
}

// The formats in the order the cells first use them, so that a workbook written twice
// lists them alike.
void IndexFormats(const report_sheet::ReportSheet& sheet, CellStyles& styles) {
  styles.Index(report_sheet::CellFormat{});
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
      if (!HiddenByMerge(sheet, row, column)) styles.Index(sheet.FormatAt(row, column));
    }
  }
}

void SetMergedBlocks(const report_sheet::ReportSheet& sheet, CellStyles& styles, Worksheet& worksheet) {
  for (const report_sheet::CellBlock& block : sheet.MergedBlocks()) {
    const int style = styles.Index(sheet.FormatAt(block.firstRow, block.firstColumn));
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
      for (int column = block.firstColumn; column <= block.lastColumn; ++column)
        worksheet.Set(row, column, SheetCell::Blank(style));
    }
    worksheet.merges.push_back(report_sheet::BlockAddress(block));
  }
}

// The cell as stored; nothing for a cell that holds nothing in the format a cell starts with.
std::optional<SheetCell> StoredCell(const report_sheet::ReportSheet& sheet, int row, int column, SharedTexts& texts,
                                    CellStyles& styles) {
  const CellGrid& cells = sheet.Cells();
  const CellKind kind = cells.KindAt(row, column);
  const report_sheet::CellFormat& format = sheet.FormatAt(row, column);
  if (kind == CellKind::Empty && format == report_sheet::CellFormat{}) return std::nullopt;
  const int style = styles.Index(format);
  switch (kind) {
    case CellKind::Number: return SheetCell::OfNumber(cells.ReadNumber(row, column), style);
    case CellKind::Text:
      return SheetCell::OfText(texts.Index(workbook_package::EscapedForWorkbook(cells.TextAt(row, column))), style);
    case CellKind::Formula:
      return SheetCell::OfFormula(cells.FormulaAt(row, column)->ToA1(row, column), cells.ReadNumber(row, column),
                                  style);
    case CellKind::Empty: break;
  }
  return SheetCell::Blank(style);
}

void SetSizes(const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout, Worksheet& worksheet) {
  const double digitPixels = sheet_layout::DigitPixels(layout);
  for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
    worksheet.columnWidths[column] =
        sheet_layout::StoredColumnWidth(sheet_layout::LibraryColumnWidth(sheet.ColumnWidth(column), digitPixels));
  }
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    worksheet.rowHeights[row] = {sheet_layout::WorkbookRowHeight(sheet, layout, row), sheet.RowHeight(row).has_value()};
  }
}

}  // namespace

SheetPage ReportPage(const report_sheet::PageSetup& page) {
  SheetPage written;
  written.margins = {Inches(page.leftMargin),   Inches(page.rightMargin),  Inches(page.topMargin),
                     Inches(page.bottomMargin), Inches(page.headerMargin), Inches(page.footerMargin)};
  written.paperSize = static_cast<int>(page.paperSize);
  written.landscape = page.orientation == report_sheet::PageOrientation::Landscape;
  written.scale = page.zoom;
  written.centeredHorizontally = page.centerHorizontally;
  written.centeredVertically = page.centerVertically;
  written.headings = page.printHeadings;
  written.gridLines = page.printGridlines;
  written.firstPageNumber = page.firstPageNumber == report_sheet::kAutomaticFirstPageNumber ? 0 : page.firstPageNumber;
  written.overThenDown = page.order == report_sheet::PageOrder::OverThenDown;
  return written;
}

Worksheet ReportWorksheet(const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                          SharedTexts& texts, CellStyles& styles, bool selected) {
  Worksheet worksheet;
  worksheet.selected = selected;
  IndexFormats(sheet, styles);
  SetMergedBlocks(sheet, styles, worksheet);
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
      if (HiddenByMerge(sheet, row, column)) continue;
      if (auto cell = StoredCell(sheet, row, column, texts, styles)) worksheet.Set(row, column, std::move(*cell));
    }
  }
  SetSizes(sheet, layout, worksheet);
  worksheet.page = ReportPage(sheet.Page());
  return worksheet;
}

}  // namespace soatnoma::workbook_parts
