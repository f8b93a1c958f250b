// Reads a workbook the teacher opens ("Ochish") into what the module needs to judge and
// rebuild it: the custom properties, the number of sheets and every cell of the first
// sheet with its number, text or formula. Whether it is a report and why not is the
// module's to say; here a package that cannot be read is only named as such.

import ExcelJS from 'exceljs/dist/exceljs.bare.min.js';
import JSZip from 'jszip';

import { listParts, partsFit } from './package_parts.js';

const NUMBER_TYPES = new Set(['r8', 'r4', 'i4', 'i8', 'i2', 'i1', 'int', 'decimal', 'ui4', 'ui8']);

function propertiesOf(xml) {
  if (!xml) return [];
  const document = new DOMParser().parseFromString(xml, 'application/xml');
  return [...document.getElementsByTagNameNS('*', 'property')].map((property) => {
    const value = property.firstElementChild;
    const read = { name: property.getAttribute('name') ?? '' };
    if (value?.localName === 'lpwstr' || value?.localName === 'bstr') read.text = value.textContent;
    if (value && NUMBER_TYPES.has(value.localName)) read.number = Number(value.textContent);
    return read;
  });
}

function cellOf(cell) {
  const place = { row: cell.row, column: cell.col };
  const { value } = cell;
  if (cell.type === ExcelJS.ValueType.Formula) return { ...place, kind: 'formula', formula: cell.formula ?? '' };
  if (typeof value === 'number') return { ...place, kind: 'number', value };
  if (typeof value === 'string') return { ...place, kind: 'text', text: value };
  if (value?.richText) return { ...place, kind: 'text', text: value.richText.map((run) => run.text).join('') };
  return { ...place, kind: 'other' };
}

// {problem} for a package that cannot be read (a part larger than largestPart bytes is
// damage), or {properties, worksheets, cells}.
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
    const workbook = new ExcelJS.Workbook();
    await workbook.xlsx.load(bytes);
    workbook.worksheets[0]?.eachRow({ includeEmpty: false }, (row) => {
      row.eachCell({ includeEmpty: false }, (cell) => {
        if (cell.type !== ExcelJS.ValueType.Merge && cell.type !== ExcelJS.ValueType.Null) cells.push(cellOf(cell));
      });
    });
  } catch {
    // A stranger's workbook is refused for that first, by the module.
    return { properties, worksheets, cells: [], problem: 'unreadableSheet' };
  }
  return { properties, worksheets, cells };
}
