// Reads a workbook the teacher opens ("Ochish") into what the module needs to judge and
// rebuild it, reading what the desktop reads and nothing more: the workbook and its
// relationships, the custom properties, the shared texts and the sheet read first (a
// report's own, a staff workbook's summary), and of a staff workbook the teacher's sheet
// asked for, or every sheet for its print. The parts are read by the module; whether it is
// a report, a staff workbook or neither, and why not, is the module's to say; here a
// package that cannot be read is only named as such.

import {
  DamagedPackage,
  openPackage,
  partBytes,
  partNames,
  workbookTexts,
  worksheets as sheetsOf,
} from './stored_workbook.js';

// A sheet's cells that hold something, as the module takes them; null when the sheet is
// missing, no XML or a cell's name is none.
async function readSheet(opened, entry, texts) {
  if (!texts.readable()) return null;
  const bytes = await partBytes(opened, entry);
  return bytes ? JSON.parse(texts.cells(bytes)) : null;
}

async function propertiesIn(opened, module) {
  const bytes = await partBytes(opened, partNames(module).customProperties);
  // Properties that are no XML are none, as on the desktop; damage is damage.
  return bytes ? JSON.parse(module.customProperties(bytes)) : [];
}

// Every sheet after the first, for the print of a staff workbook: {name, cells}, or {name,
// problem} for one that cannot be read.
async function laterSheets(opened, sheets, texts) {
  const read = [];
  for (const { name, entry } of sheets.slice(1)) {
    const cells = await readSheet(opened, entry, texts);
    read.push(cells ? { name, cells } : { name, problem: 'unreadableSheet' });
  }
  return read;
}

// sheetName: a staff workbook's teacher, whose sheet is read besides the summary;
// everySheet: every sheet is read besides it.
async function readOpened(opened, module, texts, sheetName, everySheet) {
  const sheets = await sheetsOf(opened, module);
  if (!sheets) return { problem: 'notWorkbook' };
  const properties = await propertiesIn(opened, module);
  const read = { properties, worksheets: sheets.length, sheetNames: sheets.map((sheet) => sheet.name) };
  // A report's own sheet, or a staff workbook's summary wherever it stands: the module says which.
  const first = sheets[module.sheetReadFirst(properties, read.sheetNames)];
  const cells = first ? await readSheet(opened, first.entry, texts) : null;
  if (sheetName !== undefined) {
    const teacher = sheets.find((sheet) => sheet.name === sheetName);
    const teacherCells = teacher ? await readSheet(opened, teacher.entry, texts) : null;
    const staff = { ...read, staffSheet: sheetName, summaryCells: cells ?? [], cells: teacherCells ?? [] };
    return cells && teacherCells ? staff : { ...staff, problem: 'unreadableSheet' };
  }
  // A stranger's workbook is refused for that first, by the module.
  if (!cells) return { ...read, cells: [], problem: 'unreadableSheet' };
  if (everySheet) return { ...read, cells, sheets: await laterSheets(opened, sheets, texts) };
  return { ...read, cells };
}

// {problem} for a package that cannot be read ("notWorkbook", "damagedPart", or the
// module's verdict on its size), or {properties, worksheets, sheetNames, cells}; with
// sheetName (a staff workbook's teacher) also {staffSheet, summaryCells}, cells being the
// teacher's; with everySheet also {sheets: [{name, cells} or {name, problem}]}, every sheet
// after the first.
export async function readOpenedWorkbook(bytes, module, sheetName, everySheet = false) {
  const opened = openPackage(bytes, module);
  if (opened.problem) return { problem: opened.problem };
  let texts = null;
  try {
    texts = await workbookTexts(opened, module);
    return await readOpened(opened, module, texts, sheetName, everySheet);
  } catch (fault) {
    if (fault instanceof DamagedPackage) return { problem: 'damagedPart' };
    throw fault;
  } finally {
    texts?.delete();
  }
}
