// Reads a workbook the teacher opens ("Ochish") into what the module needs to judge and
// rebuild it, reading what the desktop reads and nothing more: the workbook and its
// relationships, the custom properties, the shared texts and the first sheet. Whether it
// is a report and why not is the module's to say; here a package that cannot be read is
// only named as such.

import { DamagedPackage } from './zip_package.js';
import { customProperties, eachStoredCell } from './workbook_xml.js';
import { openPackage, placeOf, readXmlPart, sharedTextsOf, storedValue, worksheetEntries } from './stored_workbook.js';

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

// The first sheet's cells that hold something, as the module takes them; null when a cell's
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
      cells.push({ ...place, kind: 'formula', formula: text, formulaKind: kind, sharedIndex: index });
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

async function readSheet(opened, entry, module) {
  try {
    const texts = await sharedTextsOf(opened, module);
    return await readXmlPart(opened, entry, (bytes) => cellsOf(bytes, texts, module));
  } catch (fault) {
    if (fault instanceof DamagedPackage) throw fault;
    return null;
  }
}

async function readOpened(opened, module) {
  const worksheets = await worksheetEntries(opened);
  if (!worksheets) return { problem: 'notWorkbook' };
  let properties = [];
  try {
    properties = propertiesOf(await readXmlPart(opened, 'docProps/custom.xml', customProperties));
  } catch (fault) {
    // Properties that are no XML are none, as on the desktop; damage is damage.
    if (fault instanceof DamagedPackage) throw fault;
  }
  const cells = worksheets.length > 0 ? await readSheet(opened, worksheets[0], module) : null;
  // A stranger's workbook is refused for that first, by the module.
  if (!cells) return { properties, worksheets: worksheets.length, cells: [], problem: 'unreadableSheet' };
  return { properties, worksheets: worksheets.length, cells };
}

// {problem} for a package that cannot be read ("notWorkbook", "damagedPart", or the
// module's verdict on its size), or {properties, worksheets, cells}.
export async function readOpenedWorkbook(bytes, module) {
  const opened = openPackage(bytes, module);
  if (opened.problem) return { problem: opened.problem };
  try {
    return await readOpened(opened, module);
  } catch (fault) {
    if (fault instanceof DamagedPackage) return { problem: 'damagedPart' };
    throw fault;
  }
}
