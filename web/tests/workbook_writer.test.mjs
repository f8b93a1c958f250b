// The page's workbook writer under node, read back by another workbook library: texts keep
// every character as typed, formats each come out as given, a formula keeps its result,
// and the staff workbook's summary comes first with its print titles and frozen rows.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import ExcelJS from 'exceljs';

import { SpreadsheetBook } from '../src/xlsx_book.js';
import { SheetCells, columnLetters, placeOfRef, worksheetXml } from '../src/xlsx_sheet.js';
import { StaffWorkbookWriter } from '../src/workbook.js';
import { loadModule } from './support.mjs';

const module = await loadModule();

const FONT = { family: 'DejaVu Sans', size: 9 };
const PAGE = { margins: { left: 0.5, right: 0.5, top: 0.25, bottom: 0.25, header: 0, footer: 0 }, paperSize: 9, orientation: 'landscape' };

async function readBack(bytes) {
  const workbook = new ExcelJS.Workbook();
  await workbook.xlsx.load(bytes);
  return workbook;
}

test('cell names and places turn into each other past one letter', () => {
  for (const [column, letters] of [[1, 'A'], [19, 'S'], [26, 'Z'], [27, 'AA'], [52, 'AZ'], [703, 'AAA']]) {
    assert.equal(columnLetters(column), letters);
    assert.deepEqual(placeOfRef(`${letters}7`), { row: 7, column });
  }
});

test('texts read back as typed, formats as given, each distinct format once', async () => {
  const texts = ['  chetida bo\'sh joy ', 'ikki\nqator', 'Ali & "Vali" <o\'qituvchi>', "O'g'iloy", 'tab\there', '_x005F_x0041_'];
  const formats = [
    { bold: true, fontSize: 14, horizontal: 'center', vertical: 'middle', wrapText: true },
    { rotation: 90, border: 'thin' },
    { rotation: -45, numberFormat: '0.00', indent: 2, horizontal: 'left', vertical: 'top' },
    { shrinkToFit: true, horizontal: 'right' },
  ];
  const book = new SpreadsheetBook(FONT);
  const styles = formats.map((format) => book.styles.index(format));
  // The same format given again is the same entry.
  assert.equal(book.styles.index({ ...formats[0] }), styles[0]);
  const cells = new SheetCells();
  texts.forEach((text, i) => cells.set(i + 1, 1, 0, { text: book.texts.index(text) }));
  styles.forEach((style, i) => cells.set(i + 1, 2, style, { number: 2.5 }));
  cells.set(1, 3, styles[0], { formula: 'B1+B2', result: 5 });
  cells.set(2, 3, styles[0], { formula: 'B1/0', result: Number.NaN });
  book.addSheet("O'quv & yil", worksheetXml({ cells, columns: [30, 8], heights: new Map([[1, { points: 40, custom: true }]]), merges: ['D1:E1'], page: PAGE }));
  const sheet = (await readBack(await book.bytes())).worksheets[0];

  assert.equal(sheet.name, "O'quv & yil");
  // Texts are written as given: the module has already escaped what reads as a workbook's
  // code of a character.
  const typed = [...texts.slice(0, -1), '_x0041_'];
  assert.deepEqual(texts.map((_, i) => sheet.getCell(i + 1, 1).value), typed);
  const look = (ref) => {
    const { font, alignment, numFmt, border } = sheet.getCell(ref).style;
    return { bold: Boolean(font?.bold), size: font?.size, alignment: alignment ?? {}, numFmt: numFmt ?? 'General', border: Object.keys(border ?? {}).length };
  };
  assert.deepEqual(look('B1'), { bold: true, size: 14, alignment: { horizontal: 'center', vertical: 'middle', wrapText: true }, numFmt: 'General', border: 0 });
  assert.deepEqual(look('B2'), { bold: false, size: 9, alignment: { textRotation: 90 }, numFmt: 'General', border: 4 });
  assert.deepEqual(look('B3'), { bold: false, size: 9, alignment: { textRotation: -45, indent: 2, horizontal: 'left', vertical: 'top' }, numFmt: '0.00', border: 0 });
  assert.deepEqual(look('B4'), { bold: false, size: 9, alignment: { shrinkToFit: true, horizontal: 'right' }, numFmt: 'General', border: 0 });
  assert.deepEqual([sheet.getCell('C1').formula, sheet.getCell('C1').result], ['B1+B2', 5]);
  // A result no number can be is written as 0, as the desktop writes it.
  assert.equal(sheet.getCell('C2').result, 0);
  assert.equal(sheet.getColumn(1).width, 30);
  assert.equal(sheet.getRow(1).height, 40);
  assert.deepEqual(Object.keys(sheet._merges), ['D1']);
});

test('the staff workbook puts its summary first, with its print titles, frozen rows and footer', async () => {
  const writer = new StaffWorkbookWriter(module, "Jami o'qituvchilar");
  const form = {
    font: FONT, formats: [{}], cells: [{ ref: 'A1', kind: 'number', value: 7, format: 0 }], merges: [], columns: [{ workbookWidth: 5 }],
    rows: [{ workbookHeight: 12, automatic: true }], sheetName: 'x', finish: { headerMargin: 0, footerMargin: 0, automaticRows: [1] },
    page: { margins: { left: 36, right: 36, top: 18, bottom: 18, header: 0, footer: 0 }, paperSize: 9, orientation: 'landscape', zoom: 100 },
  };
  writer.addReport('Aliyev Vali', form);
  writer.addReport("O'g'iloy", form);
  const bytes = await writer.finish({
    formats: [{ bold: true }],
    columns: [{ workbookWidth: 20 }],
    heights: [{ row: 3, points: 27 }],
    cells: [{ ref: 'A3', row: 3, column: 1, lastColumn: 2, kind: 'text', text: '№', format: 0 },
      { ref: 'A4', row: 4, column: 1, lastColumn: 1, kind: 'formula', formula: "'O''g''iloy'!A1", value: 7, format: 0 }],
    merges: ['A3:B3'],
    page: { orientation: 'landscape', paperSize: 9, pagesWide: 1, pagesTall: 0, repeatedRow: 3, frozenRows: 3, footer: '&C&P',
      margins: { left: 0.7, right: 0.7, top: 0.75, bottom: 0.75, header: 0.3, footer: 0.3 } },
  });
  const workbook = await readBack(bytes);
  assert.deepEqual(workbook.worksheets.map((sheet) => sheet.name), ["Jami o'qituvchilar", 'Aliyev Vali', "O'g'iloy"]);
  const [summary, first] = workbook.worksheets;
  assert.equal(summary.pageSetup.printTitlesRow, '3:3');
  assert.deepEqual([summary.pageSetup.fitToPage, summary.pageSetup.fitToWidth, summary.pageSetup.fitToHeight], [true, 1, 0]);
  assert.deepEqual(summary.views.map((view) => [view.state, view.ySplit]), [['frozen', 3]]);
  assert.equal(summary.headerFooter.oddFooter, '&C&P');
  assert.equal(summary.getCell('A4').formula, "'O''g''iloy'!A1");
  assert.equal(summary.getCell('B3').style.font?.bold, true);
  // A teacher's row of automatic height keeps its height, unmarked as set by hand.
  assert.equal(first.getRow(1).height, 12);
  assert.equal(first.getCell('A1').value, 7);
  assert.deepEqual(first.pageSetup.margins, { left: 0.5, right: 0.5, top: 0.25, bottom: 0.25, header: 0, footer: 0 });
});
