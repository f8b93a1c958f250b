// One worksheet's XML from what the sheet holds: its cells (a number, a shared text, a
// formula with its result, or only a format), column widths and row heights as the workbook
// keeps them, merged blocks, the view (selected, rows kept in view) and the page setup.

import { escapeXml } from './xlsx_text.js';

export function columnLetters(column) {
  let letters = '';
  for (let left = column; left > 0; left = Math.floor((left - 1) / 26)) {
    letters = String.fromCharCode(65 + ((left - 1) % 26)) + letters;
  }
  return letters;
}

// "C5" as {row: 5, column: 3}.
export function placeOfRef(ref) {
  const [, letters, row] = /^([A-Z]+)(\d+)$/.exec(ref);
  let column = 0;
  for (const letter of letters) column = column * 26 + letter.charCodeAt(0) - 64;
  return { row: Number(row), column };
}

// The cells of a sheet by row and column; a later set of a cell replaces it.
export class SheetCells {
  constructor() {
    this.rows = new Map();
  }

  // content: {number}, {text: the shared text's place}, {formula, result}, or null for a cell
  // that holds only its format (style).
  set(row, column, style, content = null) {
    let cells = this.rows.get(row);
    if (!cells) {
      cells = new Map();
      this.rows.set(row, cells);
    }
    cells.set(column, { style, content });
  }
}

function cellXml(ref, { style, content }) {
  const head = `<c r="${ref}"${style ? ` s="${style}"` : ''}`;
  if (content === null) return `${head}/>`;
  if (content.text !== undefined) return `${head} t="s"><v>${content.text}</v></c>`;
  if (content.formula !== undefined) {
    const result = Number.isFinite(content.result) ? content.result : 0;
    return `${head}><f>${escapeXml(content.formula)}</f><v>${result}</v></c>`;
  }
  return `${head}><v>${content.number}</v></c>`;
}

function sheetDataXml(cells, heights) {
  const rows = [...new Set([...cells.rows.keys(), ...heights.keys()])].sort((a, b) => a - b);
  const letters = [];
  const parts = [];
  for (const row of rows) {
    const height = heights.get(row);
    const size = height ? ` ht="${height.points}"${height.custom ? ' customHeight="1"' : ''}` : '';
    const inRow = cells.rows.get(row);
    if (!inRow) {
      parts.push(`<row r="${row}"${size}/>`);
      continue;
    }
    parts.push(`<row r="${row}"${size}>`);
    for (const column of [...inRow.keys()].sort((a, b) => a - b)) {
      letters[column] ??= columnLetters(column);
      parts.push(cellXml(letters[column] + row, inRow.get(column)));
    }
    parts.push('</row>');
  }
  return `<sheetData>${parts.join('')}</sheetData>`;
}

function viewXml({ selected, frozenRows }) {
  const tab = selected ? ' tabSelected="1"' : '';
  if (!frozenRows) return `<sheetViews><sheetView${tab} workbookViewId="0"/></sheetViews>`;
  return `<sheetViews><sheetView${tab} workbookViewId="0"><pane ySplit="${frozenRows}" topLeftCell="A${frozenRows + 1}" ` +
    'activePane="bottomLeft" state="frozen"/><selection pane="bottomLeft"/></sheetView></sheetViews>';
}

function printXml(page) {
  let options = '';
  if (page.horizontalCentered) options += ' horizontalCentered="1"';
  if (page.verticalCentered) options += ' verticalCentered="1"';
  if (page.headings) options += ' headings="1"';
  if (page.gridLines) options += ' gridLines="1"';
  const { left, right, top, bottom, header, footer } = page.margins;
  let setup = ` paperSize="${page.paperSize}"`;
  if (page.scale && page.scale !== 100) setup += ` scale="${page.scale}"`;
  if (page.fitToPage) {
    if (page.fitToPage.wide !== 1) setup += ` fitToWidth="${page.fitToPage.wide}"`;
    if (page.fitToPage.tall !== 1) setup += ` fitToHeight="${page.fitToPage.tall}"`;
  }
  if (page.overThenDown) setup += ' pageOrder="overThenDown"';
  setup += ` orientation="${page.orientation}"`;
  if (page.firstPageNumber > 0) setup += ` useFirstPageNumber="1" firstPageNumber="${page.firstPageNumber}"`;
  return (options ? `<printOptions${options}/>` : '') +
    `<pageMargins left="${left}" right="${right}" top="${top}" bottom="${bottom}" header="${header}" footer="${footer}"/>` +
    `<pageSetup${setup}/>`;
}

// sheet: {cells: SheetCells, columns: [width of column 1, 2, ...] (a column left out keeps
// the standard width), heights: Map row →
// {points, custom}, merges: ["A1:S1", ...], selected, frozenRows, footer, page: {margins
// (inches: left, right, top, bottom, header, footer), paperSize, orientation, scale,
// fitToPage: {wide, tall} or none, horizontalCentered, verticalCentered, headings,
// gridLines, firstPageNumber, overThenDown}}.
export function worksheetXml(sheet) {
  const columns = [];
  sheet.columns.forEach((width, i) => { columns.push(`<col min="${i + 1}" max="${i + 1}" width="${width}" customWidth="1"/>`); });
  const merges = sheet.merges.map((ref) => `<mergeCell ref="${ref}"/>`);
  return '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n' +
    '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" ' +
    'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">' +
    (sheet.page.fitToPage ? '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>' : '') +
    `${viewXml(sheet)}<sheetFormatPr defaultRowHeight="15"/>` +
    (columns.length ? `<cols>${columns.join('')}</cols>` : '') +
    sheetDataXml(sheet.cells, sheet.heights) +
    (merges.length ? `<mergeCells count="${merges.length}">${merges.join('')}</mergeCells>` : '') +
    printXml(sheet.page) +
    (sheet.footer ? `<headerFooter><oddFooter>${escapeXml(sheet.footer)}</oddFooter></headerFooter>` : '') +
    '</worksheet>';
}
