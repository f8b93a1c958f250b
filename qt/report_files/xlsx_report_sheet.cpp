#include "report_files/xlsx_report_sheet.h"

#include <cmath>

#include "form/workbook_sizes.h"
#include "form/workbook_text.h"

namespace soatnoma {
namespace {

lxw_row_t RowIndex(int row) { return static_cast<lxw_row_t>(row - 1); }
lxw_col_t ColumnIndex(int column) { return static_cast<lxw_col_t>(column - 1); }
double Inches(double points) { return points / 72.0; }

// Writes one cell with its format. Returns the library's error code.
lxw_error WriteCell(lxw_worksheet* worksheet, const ReportSheet& sheet, int row, int column, lxw_format* format) {
  const CellGrid& cells = sheet.Cells();
  const lxw_row_t r = RowIndex(row);
  const lxw_col_t c = ColumnIndex(column);
  switch (cells.KindAt(row, column)) {
    case CellKind::Number:
      return worksheet_write_number(worksheet, r, c, cells.ReadNumber(row, column), format);
    case CellKind::Text: {
      const std::string text = EscapedForWorkbook(cells.TextAt(row, column));
      return worksheet_write_string(worksheet, r, c, text.c_str(), format);
    }
    case CellKind::Formula: {
      const std::string formula = "=" + cells.FormulaAt(row, column)->ToA1(row, column);
      const double result = cells.ReadNumber(row, column);
      return worksheet_write_formula_num(worksheet, r, c, formula.c_str(), format, std::isfinite(result) ? result : 0);
    }
    case CellKind::Empty:
      break;
  }
  return sheet.FormatAt(row, column) == CellFormat{} ? LXW_NO_ERROR : worksheet_write_blank(worksheet, r, c, format);
}

lxw_error WriteCells(lxw_worksheet* worksheet, const ReportSheet& sheet, XlsxFormats& formats) {
  for (const CellBlock& block : sheet.MergedBlocks()) {
    lxw_format* format = formats.For(sheet.FormatAt(block.firstRow, block.firstColumn));
    const lxw_error error = worksheet_merge_range(worksheet, RowIndex(block.firstRow), ColumnIndex(block.firstColumn),
                                                  RowIndex(block.lastRow), ColumnIndex(block.lastColumn), "", format);
    if (error != LXW_NO_ERROR) return error;
  }
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= ReportSheet::kLastColumn; ++column) {
      const auto merged = sheet.MergedBlockAt(row, column);
      const bool hidden = merged && (merged->firstRow != row || merged->firstColumn != column);
      if (hidden) continue;
      lxw_format* format = formats.For(sheet.FormatAt(row, column));
      lxw_error error = WriteCell(worksheet, sheet, row, column, format);
      if (error == LXW_NO_ERROR && merged && sheet.Cells().KindAt(row, column) == CellKind::Empty) {
        error = worksheet_write_blank(worksheet, RowIndex(row), ColumnIndex(column), format);
      }
      if (error != LXW_NO_ERROR) return error;
    }
  }
  return LXW_NO_ERROR;
}

// Rows of automatic height are written with the height the renderer gives them.
void WriteSizes(lxw_worksheet* worksheet, const ReportSheet& sheet, const SheetLayout& layout) {
  const double digitPixels = DigitPixels(layout.Geometry());
  for (int column = 1; column <= ReportSheet::kLastColumn; ++column) {
    worksheet_set_column(worksheet, ColumnIndex(column), ColumnIndex(column),
                         LibraryColumnWidth(sheet.ColumnWidth(column), digitPixels), nullptr);
  }
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    worksheet_set_row(worksheet, RowIndex(row), WorkbookRowHeight(sheet, layout.Geometry(), row), nullptr);
  }
}

void WritePageSetup(lxw_worksheet* worksheet, const PageSetup& page) {
  if (page.orientation == PageOrientation::Landscape) {
    worksheet_set_landscape(worksheet);
  } else {
    worksheet_set_portrait(worksheet);
  }
  worksheet_set_paper(worksheet, static_cast<uint8_t>(page.paperSize));
  worksheet_set_margins(worksheet, Inches(page.leftMargin), Inches(page.rightMargin), Inches(page.topMargin),
                        Inches(page.bottomMargin));
  worksheet_gridlines(worksheet, page.printGridlines ? LXW_SHOW_ALL_GRIDLINES : LXW_SHOW_SCREEN_GRIDLINES);
  if (page.printHeadings) worksheet_print_row_col_headers(worksheet);
  if (page.centerHorizontally) worksheet_center_horizontally(worksheet);
  if (page.centerVertically) worksheet_center_vertically(worksheet);
  if (page.firstPageNumber != kAutomaticFirstPageNumber && page.firstPageNumber > 0) {
    worksheet_set_start_page(worksheet, static_cast<uint16_t>(page.firstPageNumber));
  }
  if (page.order == PageOrder::OverThenDown) worksheet_print_across(worksheet);
  worksheet_set_print_scale(worksheet, static_cast<uint16_t>(page.zoom));
}

}  // namespace

lxw_error WriteReportWorksheet(lxw_worksheet* worksheet, const ReportSheet& sheet, const SheetLayout& layout,
                               XlsxFormats& formats) {
  const lxw_error written = WriteCells(worksheet, sheet, formats);
  if (written != LXW_NO_ERROR) return written;
  WriteSizes(worksheet, sheet, layout);
  WritePageSetup(worksheet, sheet.Page());
  return LXW_NO_ERROR;
}

}  // namespace soatnoma
