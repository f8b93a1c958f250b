// Reads a workbook the teacher opens ("Ochish") into what the module needs to judge and
// rebuild it, reading what the desktop reads and nothing more: the workbook and its
// relationships, the custom properties, the shared texts and the first sheet. Whether it
// is a report and why not is the module's to say; here a package that cannot be read is
// only named as such.

import { DamagedPackage } from './zip_package.js';
import { customProperties, eachStoredCell } from './workbook_xml.js';
import { openPackage, placeOf, readXmlPart, sharedTextsOf, storedNumber, storedValue, worksheetEntries } from './stored_workbook.js';

// The properties as the desktop takes them: a text of vt:lpwstr, a number of vt:r8 or vt:i4.
function propertiesOf(read) {
  return (read ?? []).map(({ name, type, value }) => {
    const property = { name };
    if (type === 'vt:lpwstr') property.text = value;
    const number = type === 'vt:r8' || type === 'vt:i4' ? storedNumber(value) : null;
    if (number !== null) property.number = number;
    return property;
  });
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
    const value = storedValue(stored, texts, module);
    if (value.kind === 'empty') return;
    if (value.kind === 'number' && !value.boolean) cells.push({ ...place, kind: 'number', value: value.number });
    else if (value.kind === 'text') cells.push({ ...place, kind: 'text', text: value.text });
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
