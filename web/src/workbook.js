// The report form as an .xlsx workbook, as the desktop saves it: every cell with its value,
// text or formula and cached result, its format, the merged blocks, column widths and row
// heights as the workbook holds them (rows of automatic height keep their height for a
// program that does not fit rows itself, without being marked as set by hand), the page
// setup, the workbook's standard font, and the program's mark. And the staff workbook, the
// summary first and then a sheet per teacher, as the command line writes it.

import { SpreadsheetBook } from './xlsx_book.js';
import { SheetCells, placeOfRef, worksheetXml } from './xlsx_sheet.js';

const POINTS_PER_INCH = 72;

function contentOf(cell, texts) {
  switch (cell.kind) {
    case 'number': return { number: cell.value };
    case 'text': return { text: texts.index(cell.text) };
    case 'formula': return { formula: cell.formula, result: cell.value ?? 0 };
    default: return null;
  }
}

function reportCells(book, form) {
  const styles = form.formats.map((format) => book.styles.index(format));
  const cells = new SheetCells();
  // Every cell of a merged block carries the block's format.
  const formatOf = new Map(form.cells.map((cell) => [cell.ref, cell.format]));
  for (const merge of form.merges) {
    const style = styles[formatOf.get(merge.ref.split(':')[0]) ?? 0];
    for (let row = merge.firstRow; row <= merge.lastRow; ++row) {
      for (let column = merge.firstColumn; column <= merge.lastColumn; ++column) cells.set(row, column, style);
    }
  }
  for (const described of form.cells) {
    const content = contentOf(described, book.texts);
    // An empty cell is written only for its format, as the desktop writes it.
    if (content === null && described.format === 0) continue;
    const { row, column } = placeOfRef(described.ref);
    cells.set(row, column, styles[described.format], content);
  }
  return cells;
}

// The report's worksheet.
function reportSheetXml(book, form, selected) {
  const { page } = form;
  const inches = (points) => points / POINTS_PER_INCH;
  return worksheetXml({
    cells: reportCells(book, form),
    columns: form.columns.map((column) => column.workbookWidth),
    heights: new Map(form.rows.map((row, i) => [i + 1, { points: row.workbookHeight, custom: !row.automatic }])),
    merges: form.merges.map((merge) => merge.ref),
    selected,
    page: {
      margins: Object.fromEntries(Object.entries(page.margins).map(([side, points]) => [side, inches(points)])),
      paperSize: page.paperSize,
      orientation: page.orientation,
      scale: page.zoom,
      horizontalCentered: page.centerHorizontally,
      verticalCentered: page.centerVertically,
      gridLines: page.printGridlines,
      headings: page.printHeadings,
      firstPageNumber: page.firstPageNumber,
      overThenDown: page.overThenDown,
    },
  });
}

// The staff workbook's summary sheet, described cell by cell by the module.
function summarySheetXml(book, summary) {
  const styles = summary.formats.map((format) => book.styles.index(format));
  const cells = new SheetCells();
  for (const described of summary.cells) {
    const style = styles[described.format];
    for (let column = described.column; column <= described.lastColumn; ++column) cells.set(described.row, column, style);
    const content = contentOf(described, book.texts);
    if (content !== null) cells.set(described.row, described.column, style, content);
  }
  const { page } = summary;
  return worksheetXml({
    cells,
    columns: summary.columns.map((column) => column.workbookWidth),
    heights: new Map(summary.heights.map(({ row, points }) => [row, { points, custom: true }])),
    merges: summary.merges,
    selected: true,
    frozenRows: page.frozenRows,
    footer: page.footer,
    page: {
      margins: page.margins,
      paperSize: page.paperSize,
      orientation: page.orientation,
      fitToPage: { wide: page.pagesWide, tall: page.pagesTall },
    },
  });
}

// The workbook's bytes.
export async function writeWorkbook(form) {
  const book = new SpreadsheetBook(form.font);
  book.addSheet(form.sheetName, reportSheetXml(book, form, true));
  return book.bytes(form.properties);
}

// The staff workbook as the command line writes it: the summary first, then a sheet per
// teacher holding the full report. Sheets are added one at a time, so the page can do the
// work in slices; finish() gives the bytes.
export class StaffWorkbookWriter {
  constructor(summaryName) {
    this.summaryName = summaryName;
    this.book = null;
  }

  addReport(sheetName, form) {
    this.book ??= new SpreadsheetBook(form.font);
    this.book.addSheet(sheetName, reportSheetXml(this.book, form, false));
  }

  async finish(summary) {
    this.book.addSheet(this.summaryName, summarySheetXml(this.book, summary), { printTitleRow: summary.page.repeatedRow, first: true });
    return this.book.bytes();
  }
}
