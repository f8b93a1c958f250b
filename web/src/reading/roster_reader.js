// Reads a staff list file for the module: what the file is, its text and separator, its
// records and every row's checks are the module's (the desktop's rules); of a workbook
// only the parts its first sheet needs are unpacked here, and the module reads them.

import { openPackage, partBytes, workbookTexts, worksheets } from './stored_workbook.js';

// The staff list in a workbook's first worksheet, as the module lists it ({ok, rows,
// summary} or {ok: false, message}), or {problem} when the bytes are not a workbook that
// can be read: "notAWorkbook", or the module's verdict on the package's size.
export async function readWorkbookRoster(fileName, bytes, module) {
  const opened = openPackage(bytes, module);
  if (opened.problem) return { problem: opened.problem === 'notWorkbook' ? 'notAWorkbook' : opened.problem };
  let texts = null;
  try {
    const sheets = await worksheets(opened, module);
    if (!sheets || sheets.length === 0) return { problem: 'notAWorkbook' };
    texts = await workbookTexts(opened, module);
    const sheet = await partBytes(opened, sheets[0].entry);
    return JSON.parse(module.readWorkbookRoster(fileName, sheet ?? new Uint8Array(), texts));
  } catch {
    // A part damaged.
    return { problem: 'notAWorkbook' };
  } finally {
    texts?.delete();
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
    answer = await readWorkbookRoster(file.name, bytes, module);
    if (answer.problem) return { message: module.unreadableRoster(file.name, answer.problem, '') };
  } else {
    answer = JSON.parse(module.readCsvRoster(file.name, decoded.text, decoded.separator, decoded.windows1251));
  }
  if (!answer.ok) return { message: answer.message };
  return { rows: answer.rows, summary: answer.summary };
}
