// A teacher's report saved back into the staff workbook it was opened from: the package as
// it was, the teacher's sheet and "Jami" holding the values the module gives (their
// formulas stay, so a spreadsheet computes them anew), and the part of custom properties
// the module writes (the mark and every sheet's notes). Every other part goes over packed
// as it was, once its checksum is checked.

import { listParts, readPart } from './zip_package.js';
import { relationTargets, sheetsOf } from './workbook_xml.js';
import { byModule } from './workbook.js';
import { editedPackage } from './zip_writer.js';

const CUSTOM_PROPERTIES = 'docProps/custom.xml';

// The package entry of each sheet, {name, entry}, in the workbook's order.
async function sheetEntries(bytes) {
  const parts = new Map();
  for (const part of listParts(bytes)) if (!parts.has(part.name)) parts.set(part.name, part);
  const read = async (name, parse) => (parts.has(name) ? parse(await readPart(bytes, parts.get(name))) : null);
  const sheets = await read('xl/workbook.xml', sheetsOf);
  const targets = await read('xl/_rels/workbook.xml.rels', relationTargets);
  if (!sheets || !targets) return { parts, sheets: [] };
  return {
    parts,
    sheets: sheets.filter(({ id }) => targets.has(id)).map(({ id, name }) => {
      const target = targets.get(id);
      return { name, entry: target.startsWith('/') ? target.slice(1) : `xl/${target}` };
    }),
  };
}

const rowOf = (ref) => Number(/\d+$/.exec(ref)[0]);
const columnOf = (ref) => [.../^[A-Z]+/.exec(ref)[0]].reduce((sum, letter) => sum * 26 + letter.charCodeAt(0) - 64, 0);

// The cell's element, made in its place in its row when the sheet has none.
function cellElement(sheet, namespace, ref) {
  const row = [...sheet.getElementsByTagNameNS(namespace, 'row')].find((element) => Number(element.getAttribute('r')) === rowOf(ref));
  if (!row) throw new Error(`${ref} katagining qatori yo'q`);
  const cells = [...row.getElementsByTagNameNS(namespace, 'c')];
  const found = cells.find((element) => element.getAttribute('r') === ref);
  if (found) return found;
  const made = sheet.createElementNS(namespace, 'c');
  made.setAttribute('r', ref);
  row.insertBefore(made, cells.find((element) => columnOf(element.getAttribute('r') ?? '') > columnOf(ref)) ?? null);
  return made;
}

// The sheet's XML with the changes made: {ref, kind: "number" | "empty" | "result", text,
// formula}. A number replaces what the cell held; a result is stored beside the cell's
// formula, which is written first where the cell holds none (a sum pasted as a number).
export function sheetWithChanges(xml, changes) {
  const sheet = new DOMParser().parseFromString(xml, 'application/xml');
  if (sheet.getElementsByTagName('parsererror').length > 0) throw new Error("varaqni o'qib bo'lmadi");
  const namespace = sheet.documentElement.namespaceURI;
  for (const change of changes) {
    const element = cellElement(sheet, namespace, change.ref);
    element.removeAttribute('t');
    for (const child of [...element.children]) {
      if (['v', 'is'].includes(child.localName) || (change.kind === 'number' && child.localName === 'f')) child.remove();
    }
    if (change.kind === 'empty') continue;
    if (change.formula && ![...element.children].some((child) => child.localName === 'f')) {
      const formula = sheet.createElementNS(namespace, 'f');
      formula.textContent = change.formula;
      element.append(formula);
    }
    const value = sheet.createElementNS(namespace, 'v');
    value.textContent = change.text;
    element.append(value);
  }
  // The part keeps its declaration, which some browsers' serializers leave out.
  const serialized = new XMLSerializer().serializeToString(sheet);
  if (serialized.startsWith('<?xml')) return serialized;
  return (/^<\?xml[^>]*\?>\s*/.exec(xml)?.[0] ?? '') + serialized;
}

// The staff workbook's bytes with the teacher's sheet (sheetName) saved back; changes as
// the module's staffChanges gives them: {sheet, summary, summarySheet, properties}; module: the page's
// module, which lists a part of properties where the package has none.
export async function writeStaffWorkbookBack(module, bytes, sheetName, changes) {
  const { parts, sheets } = await sheetEntries(bytes);
  const teacher = sheets.find((sheet) => sheet.name === sheetName);
  const summary = sheets.find((sheet) => sheet.name === changes.summarySheet);
  if (!teacher || !summary || teacher === summary) throw new Error(`xodimlar kitobida "${sheetName}" varag'i yo'q`);
  const edits = new Map([
    [teacher.entry, (xml) => sheetWithChanges(xml, changes.sheet)],
    [summary.entry, (xml) => sheetWithChanges(xml, changes.summary)],
  ]);
  // A staff workbook written before it carried properties is told where they are.
  const listed = parts.has(CUSTOM_PROPERTIES);
  if (listed) {
    edits.set(CUSTOM_PROPERTIES, () => changes.properties);
  } else {
    edits.set('[Content_Types].xml', byModule('[Content_Types].xml', (types) => module.withCustomPropertiesType(types)));
    edits.set('_rels/.rels', byModule('_rels/.rels', (relations) => module.withCustomPropertiesRelation(relations)));
  }
  const added = listed ? [] : [{ name: CUSTOM_PROPERTIES, text: changes.properties }];
  return editedPackage(bytes, edits, added, { keepPacked: true });
}
