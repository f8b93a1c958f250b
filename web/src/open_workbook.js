// Reads a workbook the teacher opens ("Ochish") into what the module needs to judge and
// rebuild it, reading what the desktop reads and nothing more: the workbook and its
// relationships, the custom properties, the shared texts and the sheet read first (a
// report's own, a staff workbook's summary), and of a staff workbook the teacher's sheet
// asked for, or every sheet for its print. Whether it is a report, a staff workbook
// or neither, and why not, is the module's to say; here a package that cannot be read is
// only named as such.

import { DamagedPackage } from './zip_package.js';
import { customProperties, eachStoredCell } from './workbook_xml.js';
import { openPackage, placeOf, readXmlPart, sharedTextsOf, storedValue, worksheets as sheetsOf } from './stored_workbook.js';

// The properties: a text of vt:lpwstr, or a value's type without its prefix ("r8") and its
// text as stored, for the module to read by the desktop's rule.
function propertiesOf(read) {
  return (read ?? []).map(({ name, type, value }) => {
    if (type === 'vt:lpwstr') return { name, text: value };
    return { name, type: String(type ?? '').replace(/^vt:/, ''), stored: value ?? '' };
  });
}

// A cell of numbers as the workbook stores it ("24", "1E+20", "NaN"): the module reads it.
function isStoredNumber(stored) {
  return (stored.type === '' || stored.type === 'n' || !stored.type) && stored.value !== null && stored.inline === null;
}

function hasContent(cell) {
  return cell.formula !== null || cell.value !== null || cell.inline !== null;
}

// A sheet's cells that hold something, as the module takes them; null when a cell's
// name is none.
function cellsOf(sheetBytes, texts, module) {
  const cells = [];
  let named = true;
  eachStoredCell(sheetBytes, (stored) => {
    const place = placeOf(stored.ref);
    if (!place) named = false;
    if (!place || !hasContent(stored)) return;
    if (stored.formula) {
      const { kind, index, text } = stored.formula;
      // The result the workbook keeps with it, which a staff workbook's summary is read by.
      const result = stored.value === null ? {} : { stored: stored.value };
      cells.push({ ...place, kind: 'formula', formula: text, formulaKind: kind, sharedIndex: index, ...result });
      return;
    }
    if (isStoredNumber(stored)) {
      cells.push({ ...place, kind: 'number', stored: stored.value });
      return;
    }
    const value = storedValue(stored, texts, module);
    if (value.kind === 'empty') return;
    if (value.kind === 'text') cells.push({ ...place, kind: 'text', text: value.text });
    else cells.push({ ...place, kind: 'other' });
  });
  return named ? cells : null;
}

// texts: the workbook's shared texts, when they were read already (a promise of them).
async function readSheet(opened, entry, module, texts = sharedTextsOf(opened, module)) {
  try {
    const shared = await texts;
    return await readXmlPart(opened, entry, (bytes) => cellsOf(bytes, shared, module));
  } catch (fault) {
    if (fault instanceof DamagedPackage) throw fault;
    return null;
  }
}

async function propertiesIn(opened) {
  try {
    return propertiesOf(await readXmlPart(opened, 'docProps/custom.xml', customProperties));
  } catch (fault) {
    // Properties that are no XML are none, as on the desktop; damage is damage.
    if (fault instanceof DamagedPackage) throw fault;
    return [];
  }
}

// Every sheet after the first, for the print of a staff workbook: {name, cells}, or {name,
// problem} for one that cannot be read; the shared texts are read once for them all.
async function laterSheets(opened, sheets, module) {
  const texts = sharedTextsOf(opened, module);
  texts.catch(() => {});  // said by each sheet
  const read = [];
  for (const { name, entry } of sheets.slice(1)) {
    const cells = await readSheet(opened, entry, module, texts);
    read.push(cells ? { name, cells } : { name, problem: 'unreadableSheet' });
  }
  return read;
}

// sheetName: a staff workbook's teacher, whose sheet is read besides the summary;
// everySheet: every sheet is read besides it.
async function readOpened(opened, module, sheetName, everySheet) {
  const sheets = await sheetsOf(opened);
  if (!sheets) return { problem: 'notWorkbook' };
  const properties = await propertiesIn(opened);
  const read = { properties, worksheets: sheets.length, sheetNames: sheets.map((sheet) => sheet.name) };
  // A report's own sheet, or a staff workbook's summary wherever it stands: the module says which.
  const first = sheets[module.sheetReadFirst(properties, read.sheetNames)];
  const cells = first ? await readSheet(opened, first.entry, module) : null;
  if (sheetName !== undefined) {
    const teacher = sheets.find((sheet) => sheet.name === sheetName);
    const teacherCells = teacher ? await readSheet(opened, teacher.entry, module) : null;
    const staff = { ...read, staffSheet: sheetName, summaryCells: cells ?? [], cells: teacherCells ?? [] };
    return cells && teacherCells ? staff : { ...staff, problem: 'unreadableSheet' };
  }
  // A stranger's workbook is refused for that first, by the module.
  if (!cells) return { ...read, cells: [], problem: 'unreadableSheet' };
  if (everySheet) return { ...read, cells, sheets: await laterSheets(opened, sheets, module) };
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
  try {
    return await readOpened(opened, module, sheetName, everySheet);
  } catch (fault) {
    if (fault instanceof DamagedPackage) return { problem: 'damagedPart' };
    throw fault;
  }
}
