// The report form as an .xlsx workbook, as the desktop saves it: every cell with its value,
// text or formula and cached result, its format, the merged blocks, column widths and row
// heights as the workbook holds them, the page setup, the workbook's standard font, and the
// program's mark. exceljs writes the package; what it cannot express (the standard font,
// rows of automatic height, the mark) is put into the package afterwards.

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

function escapeXml(text) {
  return text.replace(/[<>&"']/g, (c) => `&#${c.charCodeAt(0)};`);
}

// The workbook's standard font is the first font of the styles; the columns are measured
// in its digits.
function withStandardFont(styles, font) {
  const standard = `<font><sz val="${font.size}"/><color theme="1"/><name val="${escapeXml(font.family)}"/><family val="2"/></font>`;
  return styles.replace(/<font>.*?<\/font>/s, standard);
}

// Rows of automatic height keep their height for a program that does not fit rows itself,
// but are not marked as set by hand.
function withAutomaticRows(sheetXml, rows) {
  return sheetXml.replace(/<row r="(\d+)"([^>]*?) customHeight="1"/g, (whole, number, rest) =>
    rows[Number(number) - 1]?.automatic ? `<row r="${number}"${rest}` : whole);
}

const CUSTOM_PROPERTIES_TYPE = 'application/vnd.openxmlformats-officedocument.custom-properties+xml';
const CUSTOM_PROPERTIES_RELATION = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships/custom-properties';

// The program's mark, and the computed hours of every cell the teacher corrected.
function customProperties(properties) {
  const values = properties.map((property, index) => {
    const value = property.text !== undefined
      ? `<vt:lpwstr>${escapeXml(property.text)}</vt:lpwstr>`
      : `<vt:r8>${property.number}</vt:r8>`;
    return `<property fmtid="{D5CDD505-2E9C-101B-9397-08002B2CF9AE}" pid="${index + 2}" name="${escapeXml(property.name)}">${value}</property>`;
  });
  return '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n' +
    '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/custom-properties" ' +
    `xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">${values.join('')}</Properties>`;
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

// The edits that list the part of custom properties (docProps/custom.xml) where a package
// lists its parts and its relationships.
export function customPropertiesListed() {
  return [
    ['[Content_Types].xml', (types) => types.replace('</Types>',
      `<Override PartName="/docProps/custom.xml" ContentType="${CUSTOM_PROPERTIES_TYPE}"/></Types>`)],
    ['_rels/.rels', (relations) => relations.replace('</Relationships>',
      `<Relationship Id="rIdSoatnoma" Type="${CUSTOM_PROPERTIES_RELATION}" Target="docProps/custom.xml"/></Relationships>`)],
  ];
}

// The library's package with what it cannot write put in: the standard font, rows of
// automatic height and the program's mark.
function finishPackage(buffer, form) {
  const edits = new Map([
    ['xl/styles.xml', (styles) => withStandardFont(styles, form.font)],
    ['xl/worksheets/sheet1.xml', (sheet) => withAutomaticRows(sheet, form.rows)],
    ...customPropertiesListed(),
  ]);
  return editedPackage(new Uint8Array(buffer), edits, [{ name: 'docProps/custom.xml', text: customProperties(form.properties) }]);
}

// The workbook's bytes.
export async function writeWorkbook(form) {
  const workbook = new ExcelJS.Workbook();
  workbook.calcProperties.fullCalcOnLoad = true;
  fillSheet(workbook.addWorksheet(form.sheetName), form);
  return finishPackage(await workbook.xlsx.writeBuffer(), form);
}

// The staff workbook as the command line writes it: the summary first, then a sheet per
// teacher holding the full report, and the staff workbook's mark. Sheets are added one at a time, so the page can do the
// work in slices; finish() gives the bytes.
export class StaffWorkbookWriter {
  constructor(summaryName) {
    this.workbook = new ExcelJS.Workbook();
    this.workbook.calcProperties.fullCalcOnLoad = true;
    this.summary = this.workbook.addWorksheet(summaryName);
    this.rowsOfSheets = [];
    this.font = null;
  }

  addReport(sheetName, form) {
    fillSheet(this.workbook.addWorksheet(sheetName), form);
    this.rowsOfSheets.push(form.rows);
    this.font = form.font;
  }

  async finish(summary) {
    fillSummary(this.summary, summary, this.font.family);
    // Stored unpacked by the library, packed once when the package is finished.
    const buffer = await this.workbook.xlsx.writeBuffer({ zip: { compression: 'STORE' } });
    const edits = new Map([['xl/styles.xml', (styles) => withStandardFont(styles, this.font)], ...customPropertiesListed()]);
    for (const [index, rows] of this.rowsOfSheets.entries()) {
      edits.set(`xl/worksheets/sheet${index + 2}.xml`, (sheet) => withAutomaticRows(sheet, rows));
    }
    // Marked, so that "Ochish" knows it for a staff workbook to come back to.
    return editedPackage(new Uint8Array(buffer), edits, [{ name: 'docProps/custom.xml', text: summary.properties }]);
  }
}
