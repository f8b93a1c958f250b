// Reads a workbook the teacher opens ("Ochish") into what the module needs to judge and
// rebuild it: the custom properties, the number of sheets and every cell of the first
// sheet with its number, text or formula. Numbers are handed on as the workbook stores
// them, for the module to read by the desktop's rule. Whether it is a report and why not
// is the module's to say; here a package that cannot be read is only named as such.

import ExcelJS from 'exceljs/dist/exceljs.bare.min.js';
import JSZip from 'jszip';

import { listParts, partsFit } from './package_parts.js';

const RELATIONSHIPS = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships';

const parsed = (xml) => new DOMParser().parseFromString(xml, 'application/xml');

// {name, text} or {name, type, stored}: a value's type without its prefix ("r8") and its text.
function propertiesOf(xml) {
  if (!xml) return [];
  return [...parsed(xml).getElementsByTagNameNS('*', 'property')].map((property) => {
    const value = property.firstElementChild;
    const read = { name: property.getAttribute('name') ?? '' };
    if (value?.localName === 'lpwstr' || value?.localName === 'bstr') {
      read.text = value.textContent;
    } else if (value) {
      Object.assign(read, { type: value.localName, stored: value.textContent });
    }
    return read;
  });
}

// The text each number cell of the first sheet stores ("24", "1E+20", "NaN"), by its name.
async function storedNumbers(zip, workbookXml) {
  const sheet = parsed(workbookXml).getElementsByTagNameNS('*', 'sheet')[0];
  const id = sheet?.getAttributeNS(RELATIONSHIPS, 'id');
  const links = parsed(await zip.file('xl/_rels/workbook.xml.rels')?.async('string') ?? '<r/>');
  const target = [...links.getElementsByTagNameNS('*', 'Relationship')].find((link) => link.getAttribute('Id') === id)
    ?.getAttribute('Target') ?? '';
  const xml = await zip.file(target.startsWith('/') ? target.slice(1) : `xl/${target}`)?.async('string');
  const numbers = new Map();
  for (const cell of xml ? parsed(xml).getElementsByTagNameNS('*', 'c') : []) {
    const type = cell.getAttribute('t') ?? 'n';
    const value = [...cell.children].find((child) => child.localName === 'v');
    const formula = [...cell.children].some((child) => child.localName === 'f');
    if (type === 'n' && value && !formula) numbers.set(cell.getAttribute('r'), value.textContent);
  }
  return numbers;
}

// "C8" as {row: 8, column: 3}; null for a name that is none.
function placeOf(name) {
  const found = /^([A-Z]{1,3})([1-9][0-9]*)$/.exec(name ?? '');
  if (!found) return null;
  return { row: Number(found[2]), column: [...found[1]].reduce((sum, letter) => sum * 26 + letter.charCodeAt(0) - 64, 0) };
}

// A cell that is no stored number: its formula or text; anything else is for the module to
// refuse.
function cellOf(cell) {
  const place = { row: cell.row, column: cell.col };
  const { value } = cell;
  if (cell.type === ExcelJS.ValueType.Formula) return { ...place, kind: 'formula', formula: cell.formula ?? '' };
  if (typeof value === 'string') return { ...place, kind: 'text', text: value };
  if (value?.richText) return { ...place, kind: 'text', text: value.richText.map((run) => run.text).join('') };
  return { ...place, kind: 'other' };
}

// {problem} for a package that cannot be read (a part larger than largestPart bytes is
// damage), or {properties, worksheets, cells}: cells in the sheet's order, a number as
// {row, column, kind: 'number', stored}.
export async function readOpenedWorkbook(bytes, largestPart) {
  const listed = await listParts(bytes);
  if (!listed) return { problem: 'notWorkbook' };
  if (!await partsFit(listed, largestPart)) return { problem: 'damagedPart' };
  let zip;
  try {
    zip = await JSZip.loadAsync(bytes, { checkCRC32: true });
  } catch (fault) {
    return { problem: /crc32/i.test(String(fault)) ? 'damagedPart' : 'notWorkbook' };
  }
  const workbookXml = await zip.file('xl/workbook.xml')?.async('string');
  if (!workbookXml) return { problem: 'notWorkbook' };
  const properties = propertiesOf(await zip.file('docProps/custom.xml')?.async('string'));
  const worksheets = (workbookXml.match(/<(\w+:)?sheet\b/g) ?? []).length;
  const cells = [];
  try {
    const numbers = await storedNumbers(zip, workbookXml);
    for (const [name, stored] of numbers) {
      const place = placeOf(name);
      if (place) cells.push({ ...place, kind: 'number', stored });
    }
    const workbook = new ExcelJS.Workbook();
    await workbook.xlsx.load(bytes);
    workbook.worksheets[0]?.eachRow({ includeEmpty: false }, (row) => {
      row.eachCell({ includeEmpty: false }, (cell) => {
        const empty = cell.type === ExcelJS.ValueType.Merge || cell.type === ExcelJS.ValueType.Null;
        if (!empty && !numbers.has(cell.address)) cells.push(cellOf(cell));
      });
    });
    cells.sort((a, b) => a.row - b.row || a.column - b.column);
  } catch {
    // A stranger's workbook is refused for that first, by the module.
    return { properties, worksheets, cells: [], problem: 'unreadableSheet' };
  }
  return { properties, worksheets, cells };
}
