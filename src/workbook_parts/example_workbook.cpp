#include "workbook_parts/example_workbook.h"

#include <optional>
#include <variant>

#include "sheet_layout/workbook_sizes.h"
#include "roster_rules/example_roster.h"
#include "workbook_parts/book_parts.h"
#include "workbook_parts/worksheet.h"

namespace soatnoma::workbook_parts {
namespace {

// A spreadsheet's usual font: a list is typed into, not printed as a form.
const report_sheet::StandardFont kListFont{"Calibri", 11};
constexpr int kA4 = 9;

std::optional<SheetCell> StoredCell(const roster_rules::ExampleCell& cell, int style, SharedTexts& texts) {
  if (const double* number = std::get_if<double>(&cell)) return SheetCell::OfNumber(*number, style);
  const std::string& text = std::get<std::string>(cell);
  if (text.empty()) return std::nullopt;
  return SheetCell::OfText(texts.Index(text), style);
}

Worksheet ExampleWorksheet(const roster_rules::ExampleSheet& example, BookParts& book, bool selected) {
  report_sheet::CellFormat heading;
  heading.bold = true;
  const int bold = book.Styles().Index(heading);
  Worksheet worksheet;
  worksheet.selected = selected;
  for (std::size_t row = 0; row < example.rows.size(); ++row) {
    const int style = example.headingRow && row == 0 ? bold : 0;
    for (std::size_t column = 0; column < example.rows[row].size(); ++column) {
      if (auto cell = StoredCell(example.rows[row][column], style, book.Texts())) {
        worksheet.Set(static_cast<int>(row + 1), static_cast<int>(column + 1), std::move(*cell));
      }
    }
  }
  for (const roster_rules::ExampleColumnWidth& width : example.widths) {
    for (int column = width.firstColumn; column <= width.lastColumn; ++column) {
      worksheet.columnWidths[column] = sheet_layout::StoredColumnWidth(width.characters);
    }
  }
  worksheet.frozenRows = example.headingRow ? 1 : 0;
  worksheet.page.paperSize = kA4;
  worksheet.page.landscape = true;
  worksheet.page.fitToPages = FitToPages{1, 0};
  return worksheet;
}

}  // namespace

PackageParts ExampleRosterParts() {
  BookParts book(kListFont);
  bool first = true;
  for (const roster_rules::ExampleSheet& example : roster_rules::ExampleRosterSheets()) {
    book.AddSheet(example.name, WorksheetXml(ExampleWorksheet(example, book, first)));
    first = false;
  }
  return book.TakeParts(std::nullopt);
}

}  // namespace soatnoma::workbook_parts
