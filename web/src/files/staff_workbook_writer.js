// A teacher's report saved back into the staff workbook it was opened from: the package as
// it was, the teacher's sheet and "Jami" holding the values the module gives (their
// formulas stay, so a spreadsheet computes them anew), and the part of custom properties
// the module writes (the mark and every sheet's notes). The module finds the sheets and
// makes the changes in their text; every other part goes over packed as it was, once its
// checksum is checked.

import { listParts, readPart } from './zip_package.js';
import { byModule } from './workbook.js';
import { editedPackage } from './zip_writer.js';
import { partNames } from '../reading/stored_workbook.js';

// The package's parts by name, and the entry of each sheet, {name, entry}, in the workbook's order.
async function sheetEntries(module, names, bytes) {
  const parts = new Map();
  for (const part of listParts(bytes)) if (!parts.has(part.name)) parts.set(part.name, part);
  const read = async (name) => (parts.has(name) ? readPart(bytes, parts.get(name)) : null);
  const workbook = await read(names.workbook);
  const relations = await read(names.workbookRelations);
  const sheets = workbook && relations ? JSON.parse(module.workbookSheets(workbook, relations)) : null;
  return { parts, sheets: sheets ?? [] };
}

// The sheet's XML with the module's changes made; why not, in the desktop's words, when the
// sheet's text cannot take them.
function sheetWithChanges(module, xml, changes, words) {
  const changed = module.sheetWithChanges(xml, changes);
  if (changed === null) throw new Error(words.notWritten);
  return changed;
}

// The staff workbook's bytes with the teacher's sheet (sheetName) saved back; changes as
// the module's staffChanges gives them: {sheet, summary, summarySheet, properties}; module: the page's
// module, which lists a part of properties where the package has none.
export async function writeStaffWorkbookBack(module, bytes, sheetName, changes) {
  const names = partNames(module);
  const { parts, sheets } = await sheetEntries(module, names, bytes);
  const teacher = sheets.find((sheet) => sheet.name === sheetName);
  const summary = sheets.find((sheet) => sheet.name === changes.summarySheet);
  const words = JSON.parse(module.staffSaveBackWords(sheetName));
  if (!teacher || !summary || teacher === summary) throw new Error(words.sheetNotRead);
  const edits = new Map([
    [teacher.entry, (xml) => sheetWithChanges(module, xml, changes.sheet, words)],
    [summary.entry, (xml) => sheetWithChanges(module, xml, changes.summary, words)],
  ]);
  // A staff workbook written before it carried properties is told where they are.
  const { customProperties, contentTypes, packageRelations } = names;
  const listed = parts.has(customProperties);
  if (listed) {
    edits.set(customProperties, () => changes.properties);
  } else {
    edits.set(
      contentTypes,
      byModule(contentTypes, (types) => module.withCustomPropertiesType(types)),
    );
    edits.set(
      packageRelations,
      byModule(packageRelations, (relations) => module.withCustomPropertiesRelation(relations)),
    );
  }
  const added = listed ? [] : [{ name: customProperties, text: changes.properties }];
  return editedPackage(bytes, edits, added, { keepPacked: true });
}
