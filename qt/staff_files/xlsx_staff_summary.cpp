#include "staff_files/xlsx_staff_summary.h"

#include "form/workbook_text.h"

namespace soatnoma::batch {
namespace {

// The library counts rows and columns from 0.
lxw_row_t Row(int row) { return static_cast<lxw_row_t>(row - 1); }
lxw_col_t Column(int column) { return static_cast<lxw_col_t>(column - 1); }

lxw_error WriteCell(lxw_worksheet* worksheet, const SummaryCell& cell, lxw_format* format) {
  const std::string text = EscapedForWorkbook(cell.text);
  if (cell.lastColumn > cell.column) {
    return worksheet_merge_range(worksheet, Row(cell.row), Column(cell.column), Row(cell.row), Column(cell.lastColumn),
                                 text.c_str(), format);
  }
  switch (cell.kind) {
    case SummaryCellKind::Text: return worksheet_write_string(worksheet, Row(cell.row), Column(cell.column), text.c_str(), format);
    case SummaryCellKind::Number: return worksheet_write_number(worksheet, Row(cell.row), Column(cell.column), cell.number, format);
    case SummaryCellKind::Formula:
      return worksheet_write_formula_num(worksheet, Row(cell.row), Column(cell.column), cell.formula.c_str(), format,
                                         cell.number);
    case SummaryCellKind::Blank: break;
  }
  return worksheet_write_blank(worksheet, Row(cell.row), Column(cell.column), format);
}

void SetPage(lxw_worksheet* worksheet, const SummaryPage& page) {
  if (page.landscape) worksheet_set_landscape(worksheet);
  worksheet_set_paper(worksheet, static_cast<uint8_t>(page.paperSize));
  worksheet_fit_to_pages(worksheet, static_cast<uint16_t>(page.pagesWide), static_cast<uint16_t>(page.pagesTall));
  worksheet_repeat_rows(worksheet, Row(page.repeatedRow), Row(page.repeatedRow));
  worksheet_freeze_panes(worksheet, static_cast<lxw_row_t>(page.frozenRows), 0);
  worksheet_set_margins(worksheet, page.leftMargin, page.rightMargin, page.topMargin, page.bottomMargin);
  // The page has no header; the library keeps its margin at the usual 0.3 inches.
  lxw_header_footer_options footer{};
  footer.margin = page.footerMargin;
  worksheet_set_footer_opt(worksheet, page.footer.c_str(), &footer);
}

}  // namespace

lxw_error WriteStaffSummary(lxw_worksheet* worksheet, const SummarySheet& sheet, XlsxFormats& formats) {
  for (const SummaryRowHeight& height : sheet.heights) worksheet_set_row(worksheet, Row(height.row), height.points, nullptr);
  for (std::size_t column = 0; column < sheet.columnWidths.size(); ++column) {
    const auto at = static_cast<lxw_col_t>(column);
    worksheet_set_column(worksheet, at, at, sheet.columnWidths[column], nullptr);
  }
  for (const SummaryCell& cell : sheet.cells) {
    const lxw_error error = WriteCell(worksheet, cell, formats.For(sheet.formats[cell.format]));
    if (error != LXW_NO_ERROR) return error;
  }
  SetPage(worksheet, sheet.page);
  return LXW_NO_ERROR;
}

}  // namespace soatnoma::batch
