// Reads a staff list file for the module: what the file is, its text and separator and
// every row's checks are the module's (the desktop's rules); here a CSV text is split into
// records with the line each starts on, or a workbook's first sheet is read cell by cell.

import { parse } from 'csv-parse/browser/esm/sync';
import ExcelJS from 'exceljs/dist/exceljs.bare.min.js';

import { listParts, partsFit } from './package_parts.js';

const LF = 10;
const CR = 13;
const QUOTE = 0x22;

function parseRecords(bytes, separator) {
  return parse(bytes, {
    delimiter: separator,
    encoding: null,  // fields as bytes: text that is not UTF-8 reaches the row checks as it is
    bom: false,      // the module has dropped it
    quote: '"',
    escape: '"',
    relax_quotes: true,
    relax_column_count: true,
    skip_empty_lines: true,
    record_delimiter: ['\r\n', '\n', '\r'],
    info: true,
  });
}

// The records of the text (UTF-8 bytes) with the line each starts on: a line ends with LF,
// CRLF or a lone CR, a quoted field may span lines, blank lines are passed over. A field
// whose quote never closes runs to the end of the text.
export function splitRecords(bytes, separator) {
  let parsed;
  try {
    parsed = parseRecords(bytes, separator);
  } catch (fault) {
    if (fault?.code !== 'CSV_QUOTE_NOT_CLOSED') throw fault;
    const closed = new Uint8Array(bytes.length + 1);
    closed.set(bytes);
    closed[bytes.length] = QUOTE;
    parsed = parseRecords(closed, separator);
  }
  const records = [];
  let line = 1;
  let at = 0;
  for (const { record, info } of parsed) {
    // info.bytes: where the record and its line end stop.
    let start = 0;
    for (; at < info.bytes && at < bytes.length; ++at) {
      const byte = bytes[at];
      if (start === 0 && byte !== LF && byte !== CR) start = line;
      if (byte === LF || (byte === CR && bytes[at + 1] !== LF)) ++line;
    }
    records.push({ line: start || line, fields: record });
  }
  return records;
}

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

// The staff list in a file (a File): {rows, notice} with every row as the module reads it,
// or {message} when no roster can be read from the file.
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
    answer = JSON.parse(module.readRosterRows(splitRecords(decoded.text, decoded.separator)));
  }
  if (!answer.ok) return { message: answer.message };
  return { rows: answer.rows, notice: decoded.notice };
}
