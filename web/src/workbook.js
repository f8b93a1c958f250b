// The report form as an .xlsx workbook, as the desktop saves it: every cell with its value,
// text or formula and cached result, its format, the merged blocks, column widths and row
// heights as the workbook holds them, the page setup, the workbook's standard font, and the
// program's mark. exceljs writes the package; what it cannot express (the standard font,
// rows of automatic height, numbers as the desktop stores them, the mark) the module puts
// into its parts afterwards, as the desktop puts it into its own.

import ExcelJS from 'exceljs/dist/exceljs.bare.min.js';
import { editedPackage } from './zip_writer.js';

const POINTS_PER_INCH = 72;

function cellStyle(format, family) {
  const style = {
    font: { name: family, size: format.fontSize, bold: format.bold || undefined },
    alignment: {},
  };
  if (format.horizontal !== 'general') style.alignment.horizontal = format.horizontal;
  if (format.vertical !== 'bottom') style.alignment.vertical = format.vertical;
  if (format.wrapText) style.alignment.wrapText = true;
  if (format.rotation !== 0) style.alignment.textRotation = format.rotation;
  if (format.indent > 0) style.alignment.indent = format.indent;
  if (format.shrinkToFit) style.alignment.shrinkToFit = true;
  if (format.numberFormat !== 'General') style.numFmt = format.numberFormat;
  if (format.border === 'thin') {
    const thin = { style: 'thin' };
    style.border = { left: thin, right: thin, top: thin, bottom: thin };
  }
  return style;
}

function cellValue(cell) {
  switch (cell.kind) {
    case 'number': return cell.value;
    case 'text': return cell.text;
    case 'formula': return { formula: cell.formula, result: cell.value ?? 0 };
    default: return null;
  }
}

function fillSheet(sheet, form) {
  const styles = form.formats.map((format) => cellStyle(format, form.font.family));
  form.columns.forEach((column, index) => {
    sheet.getColumn(index + 1).width = column.workbookWidth;
  });
  form.rows.forEach((row, index) => {
    sheet.getRow(index + 1).height = row.workbookHeight;
  });
  const formatOf = new Map(form.cells.map((cell) => [cell.ref, cell.format]));
  for (const merge of form.merges) {
    sheet.mergeCells(merge.ref);
    // Every cell of a merged block carries the block's format.
    const style = styles[formatOf.get(merge.ref.split(':')[0]) ?? 0];
    for (let row = merge.firstRow; row <= merge.lastRow; ++row) {
      for (let column = merge.firstColumn; column <= merge.lastColumn; ++column) sheet.getCell(row, column).style = style;
    }
  }
  for (const described of form.cells) {
    const value = cellValue(described);
    // An empty cell is written only for its format, as the desktop writes it.
    if (value === null && described.format === 0) continue;
    const cell = sheet.getCell(described.ref);
    if (value !== null) cell.value = value;
    cell.style = styles[described.format];
  }
  const page = form.page;
  const inches = (points) => points / POINTS_PER_INCH;
  sheet.pageSetup = {
    paperSize: page.paperSize,
    orientation: page.orientation,
    scale: page.zoom,
    horizontalCentered: page.centerHorizontally,
    verticalCentered: page.centerVertically,
    showGridLines: page.printGridlines,
    showRowColHeaders: page.printHeadings,
    pageOrder: page.overThenDown ? 'overThenDown' : 'downThenOver',
    margins: {
      left: inches(page.margins.left),
      right: inches(page.margins.right),
      top: inches(page.margins.top),
      bottom: inches(page.margins.bottom),
      header: inches(page.margins.header),
      footer: inches(page.margins.footer),
    },
  };
  if (page.firstPageNumber > 0) sheet.pageSetup.firstPageNumber = page.firstPageNumber;
}

// A part's change by the module, as the desktop changes its own part; a part the module
// cannot take is a fault of the page's library.
export const byModule = (name, change) => (text) => {
  const changed = change(text);
  if (changed === null) throw new Error(`${name}: the workbook's part is not as expected`);
  return changed;
};

// What the library cannot write, put in as the desktop puts it into its own package: the
// standard font, each sheet's numbers as stored (finishes: the report sheets' margins and
// rows of automatic height, in the sheets' order; null for a sheet that is none), and the
// custom properties' part when there is one. The package's bytes.
function finishPackage(module, buffer, finishes, customProperties) {
  const edits = new Map([['xl/styles.xml', byModule('xl/styles.xml', (styles) => module.finishedStyles(styles))]]);
  finishes.forEach((finish, index) => {
    const name = `xl/worksheets/sheet${index + 1}.xml`;
    edits.set(name, byModule(name, (sheet) => module.finishedWorksheet(sheet, finish)));
  });
  if (customProperties === undefined) return editedPackage(new Uint8Array(buffer), edits);
  edits.set('[Content_Types].xml', byModule('[Content_Types].xml', (types) => module.withCustomPropertiesType(types)));
  edits.set('_rels/.rels', byModule('_rels/.rels', (relations) => module.withCustomPropertiesRelation(relations)));
  return editedPackage(new Uint8Array(buffer), edits, [{ name: 'docProps/custom.xml', text: customProperties }]);
}

// The staff workbook: the summary sheet, described cell by cell by the module.
function fillSummary(sheet, summary, family) {
  const styles = summary.formats.map((format) => cellStyle(format, family));
  summary.columns.forEach((column, index) => {
    sheet.getColumn(index + 1).width = column.workbookWidth;
  });
  for (const { row, points } of summary.heights) sheet.getRow(row).height = points;
  for (const described of summary.cells) {
    const style = styles[described.format];
    for (let column = described.column; column <= described.lastColumn; ++column) {
      sheet.getCell(described.row, column).style = style;
    }
    const value = cellValue(described);
    if (value !== null) sheet.getCell(described.row, described.column).value = value;
  }
  for (const merge of summary.merges) sheet.mergeCells(merge);
  const { page } = summary;
  sheet.pageSetup = {
    paperSize: page.paperSize,
    orientation: page.orientation,
    fitToPage: true,
    fitToWidth: page.pagesWide,
    fitToHeight: page.pagesTall,
    printTitlesRow: `${page.repeatedRow}:${page.repeatedRow}`,
    margins: { ...page.margins },
  };
  sheet.headerFooter = { oddFooter: page.footer };
  sheet.views = [{ state: 'frozen', ySplit: page.frozenRows, xSplit: 0 }];
}

// The workbook's bytes; module: the page's module, which finishes the package.
export async function writeWorkbook(module, form) {
  const workbook = new ExcelJS.Workbook();
  workbook.calcProperties.fullCalcOnLoad = true;
  fillSheet(workbook.addWorksheet(form.sheetName), form);
  return finishPackage(module, await workbook.xlsx.writeBuffer(), [form.finish], form.customProperties);
}

// The staff workbook as the command line writes it: the summary first, then a sheet per
// teacher holding the full report, and the staff workbook's mark. Sheets are added one at a time, so the page can do the
// work in slices; finish() gives the bytes.
export class StaffWorkbookWriter {
  constructor(module, summaryName) {
    this.module = module;
    this.workbook = new ExcelJS.Workbook();
    this.workbook.calcProperties.fullCalcOnLoad = true;
    this.summary = this.workbook.addWorksheet(summaryName);
    // The summary is no report sheet: only its numbers are finished.
    this.finishes = [null];
    this.font = null;
  }

  addReport(sheetName, form) {
    fillSheet(this.workbook.addWorksheet(sheetName), form);
    this.finishes.push(form.finish);
    this.font = form.font;
  }

  async finish(summary) {
    fillSummary(this.summary, summary, this.font.family);
    // Stored unpacked by the library, packed once when the package is finished.
    const buffer = await this.workbook.xlsx.writeBuffer({ zip: { compression: 'STORE' } });
    // Marked, so that "Ochish" knows it for a staff workbook to come back to.
    return finishPackage(this.module, buffer, this.finishes, summary.properties);
  }
}
