// Reads a staff list file for the module: what the file is, its text and separator and
// its records and every row's checks are the module's (the desktop's rules); here a
// workbook's first sheet is read cell by cell, as the desktop reads it, and only the parts
// it needs are unpacked.

import { eachStoredCell } from './workbook_xml.js';
import { openPackage, placeOf, readXmlPart, sharedTextsOf, storedValue, worksheetEntries } from './stored_workbook.js';

// The columns a roster reads; cells further right are notes far off the table.
const ROSTER_COLUMNS = 256;
const SHEET_COLUMNS = 16384;

class DamagedSheet extends Error {}

// A row's number as the desktop reads its "r": the number it begins with, else the next.
function rowNumber(stored, lastRow) {
  const number = stored === null ? Number.NaN : Number.parseInt(stored, 10);
  return Number.isNaN(number) ? lastRow + 1 : number;
}

// The sheet's rows [{row, cells: [{column, text} | {column, number}]}]. A row or cell
// without its address follows the one before it.
function rowsOf(sheetBytes, texts, module) {
  const rows = [];
  let column = 0;
  eachStoredCell(sheetBytes, (cell) => {
    const place = cell.ref === '' ? null : placeOf(cell.ref);
    if (cell.ref !== '' && !place) throw new DamagedSheet();
    column = place ? place.column : column + 1;
    if (column > SHEET_COLUMNS) throw new DamagedSheet();
    const value = storedValue(cell, texts, module);
    if (value.kind === 'damaged') throw new DamagedSheet();
    if (column > ROSTER_COLUMNS) return;
    const cells = rows.at(-1).cells;
    if (value.kind === 'number') cells.push({ column, number: value.number });
    else cells.push({ column, text: value.text ?? '' });
  }, (stored) => {
    rows.push({ row: rowNumber(stored, rows.at(-1)?.row ?? 0), cells: [] });
    column = 0;
  });
  return rows.filter((row) => row.cells.length > 0);
}

// The first worksheet's rows, or {problem} when the bytes are not a workbook that can be
// read: "notAWorkbook", or the module's verdict on the package's size.
export async function readWorkbookRows(bytes, module) {
  const opened = openPackage(bytes, module);
  if (opened.problem) return { problem: opened.problem === 'notWorkbook' ? 'notAWorkbook' : opened.problem };
  try {
    const worksheets = await worksheetEntries(opened);
    if (!worksheets || worksheets.length === 0) return { problem: 'notAWorkbook' };
    const texts = await sharedTextsOf(opened, module);
    const rows = await readXmlPart(opened, worksheets[0], (sheet) => rowsOf(sheet, texts, module));
    return rows ? { rows } : { problem: 'notAWorkbook' };
  } catch {
    // A part damaged or no XML, or a cell that cannot be read.
    return { problem: 'notAWorkbook' };
  }
}

// The staff list in a file (a File): {rows, summary} with every row as the module reads and
// lists it and the line that counts them, or {message} when no roster can be read from it.
export async function readRosterFile(module, file) {
  // A file far too large for a staff list is not read into the memory at all.
  if (file.size > module.maxRosterBytes()) return { message: module.unreadableRoster(file.name, 'tooLarge', '') };
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch (fault) {
    const why = fault?.name === 'NotFoundError' ? 'notFound' : 'other';
    return { message: module.unreadableRoster(file.name, why, String(fault?.message ?? fault)) };
  }
  const decoded = module.decodeRoster(file.name, bytes);
  if (!decoded.ok) return { message: decoded.message };
  let answer;
  if (decoded.form === 'workbook') {
    const read = await readWorkbookRows(bytes, module);
    if (read.problem) return { message: module.unreadableRoster(file.name, read.problem, '') };
    answer = JSON.parse(module.readWorkbookRoster(file.name, read.rows));
  } else {
    answer = JSON.parse(module.readCsvRoster(file.name, decoded.text, decoded.separator, decoded.windows1251));
  }
  if (!answer.ok) return { message: answer.message };
  return { rows: answer.rows, summary: answer.summary };
}
