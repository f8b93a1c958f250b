// Reads a staff list file for the module: what the file is, its text and separator and
// its records and every row's checks are the module's (the desktop's rules); here a
// workbook's first sheet is read cell by cell.

import ExcelJS from 'exceljs/dist/exceljs.bare.min.js';

import { listParts, partsFit } from './package_parts.js';

// A cell's value as the roster takes it: text, or a number the module writes as the form
// does; null for a cell that holds nothing of its own.
function valueOf(value, date1904) {
  if (value === null || value === undefined) return null;
  if (typeof value === 'number') return { number: value };
  if (typeof value === 'boolean') return { number: value ? 1 : 0 };
  if (typeof value === 'string') return { text: value };
  // A date cell holds its serial number; the library turned it into a date.
  if (value instanceof Date) return { number: 25569 + value.getTime() / 86400000 - (date1904 ? 1462 : 0) };
  if (Array.isArray(value.richText)) return { text: value.richText.map((run) => run.text ?? '').join('') };
  if (typeof value.error === 'string') return { text: value.error };
  if ('result' in value || 'formula' in value || 'sharedFormula' in value) return valueOf(value.result, date1904);
  if ('text' in value) return valueOf(value.text, date1904);
  return null;
}

// The first worksheet's rows [{row, cells: [{column, text} | {column, number}]}], or null
// when the bytes are not a workbook that can be opened or a part of it would unpack to more
// than largestPart bytes.
export async function readWorkbookRows(bytes, largestPart) {
  const listed = await listParts(bytes);
  if (!listed || !await partsFit(listed, largestPart)) return null;
  const workbook = new ExcelJS.Workbook();
  try {
    await workbook.xlsx.load(bytes);
  } catch {
    return null;
  }
  const sheet = workbook.worksheets[0];
  if (!sheet) return null;
  const date1904 = Boolean(workbook.properties?.date1904);
  const rows = [];
  sheet.eachRow({ includeEmpty: false }, (row) => {
    const cells = [];
    row.eachCell({ includeEmpty: false }, (cell) => {
      // A merged range's other cells show its first cell's value; in the file they are empty.
      if (cell.type === ExcelJS.ValueType.Merge) return;
      const read = valueOf(cell.value, date1904);
      if (read) cells.push({ column: cell.col, ...read });
    });
    rows.push({ row: row.number, cells });
  });
  return rows;
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
    const rows = await readWorkbookRows(bytes, module.largestWorkbookPart());
    if (!rows) return { message: module.unreadableRoster(file.name, 'notAWorkbook', '') };
    answer = JSON.parse(module.readWorkbookRoster(file.name, rows));
  } else {
    answer = JSON.parse(module.readCsvRoster(decoded.text, decoded.separator, decoded.windows1251));
  }
  if (!answer.ok) return { message: answer.message };
  return { rows: answer.rows, summary: answer.summary };
}
