// The staff workbook, the summary first and then a sheet per teacher holding the report
// form (every cell with its value, text or formula and cached result, its format, the merged
// blocks, column widths and row heights as the workbook holds them, the page setup), as the
// command line writes it. The page writes the parts itself; what the desktop puts into
// its library's parts afterwards (the standard font, rows of automatic height, numbers as
// the desktop stores them, the mark in the package's lists) the module puts into these by
// the same rules.

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

// A part's change by the module, as the desktop changes its own part; a part the module
// cannot take is a fault of the page's writer.
export const byModule = (name, change) => (text) => {
  const changed = change(text);
  if (changed === null) throw new Error(`${name}: the workbook's part is not as expected`);
  return changed;
};

// The module's rules for finishing the parts, as the book takes them.
function finishingOf(module) {
  return {
    styles: byModule('xl/styles.xml', (styles) => module.finishedStyles(styles)),
    worksheet: (sheet, finish) => byModule('worksheet', (text) => module.finishedWorksheet(text, finish ?? null))(sheet),
    contentTypes: byModule('[Content_Types].xml', (types) => module.withCustomPropertiesType(types)),
    relations: byModule('_rels/.rels', (relations) => module.withCustomPropertiesRelation(relations)),
  };
}

// The staff workbook as the command line writes it: the summary first, then a sheet per
// teacher holding the full report, and the staff workbook's mark. Sheets are added one at a time, so the page can do the
// work in slices; finish() gives the bytes.
export class StaffWorkbookWriter {
  constructor(module, summaryName) {
    this.finishing = finishingOf(module);
    this.summaryName = summaryName;
    this.book = null;
  }

  addReport(sheetName, form) {
    this.book ??= new SpreadsheetBook(form.font, this.finishing);
    this.book.addSheet(sheetName, reportSheetXml(this.book, form, false), { finish: form.finish });
  }

  async finish(summary) {
    // The summary is no report sheet: only its numbers are finished. The workbook is marked,
    // so that "Ochish" knows it for a staff workbook to come back to.
    this.book.addSheet(this.summaryName, summarySheetXml(this.book, summary),
      { printTitleRow: summary.page.repeatedRow, first: true });
    return this.book.bytes(summary.properties);
  }
}
