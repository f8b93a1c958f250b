#include "workbook_parts/summary_worksheet.h"

#include "report_sheet/sheet_address.h"
#include "sheet_layout/workbook_sizes.h"
#include "workbook_package/workbook_text.h"

namespace soatnoma::workbook_parts {
namespace {

SheetCell StoredCell(const staff_book::SummaryCell& cell, int style, SharedTexts& texts) {
  switch (cell.kind) {
    case staff_book::SummaryCellKind::Text:
      return SheetCell::OfText(texts.Index(workbook_package::EscapedForWorkbook(cell.text)), style);
    case staff_book::SummaryCellKind::Number: return SheetCell::OfNumber(cell.number, style);
    case staff_book::SummaryCellKind::Formula: return SheetCell::OfFormula(cell.formula, cell.number, style);
    case staff_book::SummaryCellKind::Blank: break;
  }
  return SheetCell::Blank(style);
}

SheetPage SummaryPage(const staff_book::SummaryPage& page) {
  SheetPage written;
  written.margins = page.margins;
  written.paperSize = page.paperSize;
  written.landscape = page.landscape;
  written.fitToPages = FitToPages{page.pagesWide, page.pagesTall};
  return written;
}

}  // namespace

Worksheet SummaryWorksheet(const staff_book::SummarySheet& sheet, SharedTexts& texts, CellStyles& styles) {
  std::vector<int> places;
  places.reserve(sheet.formats.size());
  for (const report_sheet::CellFormat& format : sheet.formats) places.push_back(styles.Index(format));
  Worksheet worksheet;
  worksheet.selected = true;
  for (const staff_book::SummaryCell& cell : sheet.cells) {
    const int style = places.at(cell.format);
    for (int column = cell.column + 1; column <= cell.lastColumn; ++column) {
      worksheet.Set(cell.row, column, SheetCell::Blank(style));
    }
    worksheet.Set(cell.row, cell.column, StoredCell(cell, style, texts));
    if (cell.lastColumn > cell.column) {
      worksheet.merges.push_back(report_sheet::BlockAddress({cell.row, cell.column, cell.row, cell.lastColumn}));
    }
  }
  for (std::size_t column = 0; column < sheet.columnWidths.size(); ++column) {
    worksheet.columnWidths[static_cast<int>(column + 1)] = sheet_layout::StoredColumnWidth(sheet.columnWidths[column]);
  }
  for (const staff_book::SummaryRowHeight& height : sheet.heights)
    worksheet.rowHeights[height.row] = {height.points, true};
  worksheet.frozenRows = sheet.page.frozenRows;
  worksheet.footer = sheet.page.footer;
  worksheet.page = SummaryPage(sheet.page);
  return worksheet;
}

}  // namespace soatnoma::workbook_parts
