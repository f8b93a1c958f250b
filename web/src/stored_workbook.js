// A workbook's package opened as the desktop opens it: weighed by the module from its
// listing before anything is unpacked, its sheets found through the workbook and its
// relationships, and only the parts a reader needs unpacked. A cell's stored value is
// read by the desktop's rules: a shared text by its index, a number only when it is one.

import { DamagedPackage, listParts, readPart } from './zip_package.js';
import { relationTargets, sharedTexts, sheetsOf } from './workbook_xml.js';

// {parts} of a package that may be read, or {problem}: "notWorkbook" for bytes that are no
// zip archive, else the module's verdict ("partTooLarge", "tooManyParts", "tooLargeUnpacked").
export function openPackage(bytes, module) {
  let listed;
  try {
    listed = listParts(bytes);
  } catch {
    return { problem: 'notWorkbook' };
  }
  const problem = module.packageSizeVerdict(listed.map((part) => part.size));
  if (problem) return { problem };
  const parts = new Map();
  // Of two parts of one name the first counts, as the desktop's zip library finds it.
  for (const part of listed) if (!parts.has(part.name)) parts.set(part.name, part);
  return { bytes, parts };
}

// The part unpacked and read by parse; null when the package has no such part. Throws
// DamagedPackage for a part that does not unpack as listed, and the parser's fault for
// one that is no XML.
export async function readXmlPart(opened, name, parse) {
  const part = opened.parts.get(name);
  if (!part) return null;
  return parse(await readPart(opened.bytes, part));
}

// The workbook's sheets in its order, {name, entry: the package's part}; null when the
// workbook does not say where they are.
export async function worksheets(opened) {
  try {
    const sheets = await readXmlPart(opened, 'xl/workbook.xml', sheetsOf);
    const targets = await readXmlPart(opened, 'xl/_rels/workbook.xml.rels', relationTargets);
    if (!sheets || !targets || sheets.some(({ id }) => !id || !targets.has(id))) return null;
    return sheets.map(({ id, name }) => {
      const target = targets.get(id);
      return { name, entry: target.startsWith('/') ? target.slice(1) : `xl/${target}` };
    });
  } catch (fault) {
    if (fault instanceof DamagedPackage) throw fault;
    return null;
  }
}

// The package entries of the workbook's sheets in its order; null when the workbook does
// not say where they are.
export async function worksheetEntries(opened) {
  return (await worksheets(opened))?.map((sheet) => sheet.entry) ?? null;
}

// The text with the workbook's codes of characters ("_x0041_") read back by the module.
export function cellText(module, stored) {
  return stored.includes('_x') ? module.unescapedFromWorkbook(stored) : stored;
}

// The shared texts (none when the workbook has no such part).
export async function sharedTextsOf(opened, module) {
  const texts = await readXmlPart(opened, 'xl/sharedStrings.xml', sharedTexts);
  return (texts ?? []).map((pieces) => pieces.map((piece) => cellText(module, piece)).join(''));
}

// A number as a part stores it ("4", "97.5", "1E+20"), or null.
const STORED_NUMBER = /^-?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?$/;
export function storedNumber(text) {
  if (!STORED_NUMBER.test(text)) return null;
  const number = Number(text);
  return Number.isFinite(number) ? number : null;
}

// What a stored cell holds, a formula aside: {kind: "empty" | "text" | "number" | "other" |
// "damaged", text, number, boolean}.
export function storedValue(cell, texts, module) {
  if (cell.type === 'inlineStr') return { kind: 'text', text: (cell.inline ?? []).map((t) => cellText(module, t)).join('') };
  if (cell.value === null) return { kind: 'empty' };
  const stored = cell.value;
  if (cell.type === 's') {
    const index = /^\d+$/.test(stored) ? Number(stored) : -1;
    return index >= 0 && index < texts.length ? { kind: 'text', text: texts[index] } : { kind: 'damaged' };
  }
  if (cell.type === 'str') return { kind: 'text', text: cellText(module, stored) };
  if (cell.type === 'b' && (stored === '0' || stored === '1')) return { kind: 'number', number: Number(stored), boolean: true };
  if (cell.type !== '' && cell.type !== 'n') return { kind: 'other', text: stored };
  const number = storedNumber(stored);
  return number === null ? { kind: 'damaged' } : { kind: 'number', number };
}

// A cell's place from its name ("C8", "$c$8"), as the desktop reads one: {row, column}, or
// null for a name that is none or lies beyond the sheet.
export function placeOf(name) {
  const found = /^\$?([A-Za-z]+)\$?(\d+)$/.exec(name);
  if (!found) return null;
  let column = 0;
  for (const letter of found[1].toUpperCase()) {
    column = column * 26 + letter.charCodeAt(0) - 64;
    if (column > 16384) return null;
  }
  const row = Number(found[2]);
  return row >= 1 && row <= 1048576 ? { row, column } : null;
}
