// The example staff list as a workbook, as the desktop saves it: the teachers' sheet with
// its bold heading row kept in view, then the notes on the columns, each printed on A4
// landscape a page wide.

import { SpreadsheetBook } from './xlsx_book.js';
import { SheetCells, worksheetXml } from './xlsx_sheet.js';

// The desktop's workbook library's standard font and margins (inches).
const FONT = { family: 'Calibri', size: 11 };
const MARGINS = { left: 0.7, right: 0.7, top: 0.75, bottom: 0.75, header: 0.3, footer: 0.3 };
const A4 = 9;

function sheetXml(book, described, selected) {
  const bold = book.styles.index({ bold: true });
  const cells = new SheetCells();
  described.rows.forEach((row, index) => {
    row.forEach((cell, column) => {
      const content = 'number' in cell ? { number: cell.number } : { text: cell.text };
      if (content.text === '') return;
      if (content.text !== undefined) content.text = book.texts.index(content.text);
      cells.set(index + 1, column + 1, described.headingRow && index === 0 ? bold : 0, content);
    });
  });
  const columns = [];
  for (const { first, last, characters } of described.widths) {
    for (let column = first; column <= last; ++column) columns[column - 1] = characters;
  }
  return worksheetXml({
    cells,
    columns,
    heights: new Map(),
    merges: [],
    selected,
    frozenRows: described.headingRow ? 1 : 0,
    page: { margins: MARGINS, paperSize: A4, orientation: 'landscape', fitToPage: { wide: 1, tall: 0 } },
  });
}

// The workbook's bytes.
export async function writeExampleWorkbook(sheets) {
  const book = new SpreadsheetBook(FONT);
  sheets.forEach((described, index) => book.addSheet(described.name, sheetXml(book, described, index === 0)));
  return book.bytes();
}
