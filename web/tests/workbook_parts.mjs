// A workbook's package part by part, as the tests compare the page's with the command
// line's: the sheets in order, and of each its cells holding something (the value as stored,
// a shared string's text, the formula), its rows' heights and whether set by hand, its
// columns' widths, merged blocks, margins and paper; the standard font; the custom
// properties' part and how the package names it. The XML is read by Chromium's parser.
import JSZip from 'jszip';

// Runs in the page: one worksheet part read into plain data.
function readWorksheet(xml, strings) {
  const document = new DOMParser().parseFromString(xml, 'application/xml');
  const all = (name) => [...document.getElementsByTagName(name)];
  const attributes = (element, names) => Object.fromEntries(names.map((name) => [name, element?.getAttribute(name) ?? null]));
  const cells = {};
  for (const cell of all('c')) {
    const value = cell.getElementsByTagName('v')[0]?.textContent ?? null;
    const formula = cell.getElementsByTagName('f')[0]?.textContent ?? null;
    const inline = cell.getElementsByTagName('is')[0]?.textContent ?? null;
    if (value === null && formula === null && inline === null) continue;
    const type = cell.getAttribute('t') ?? 'n';
    const text = type === 's' ? strings[Number(value)] : inline;
    cells[cell.getAttribute('r')] = { type: type === 's' || type === 'inlineStr' ? 'text' : type, value: text ?? value, formula };
  }
  const rows = Object.fromEntries(all('row').map((row) => [row.getAttribute('r'), attributes(row, ['ht', 'customHeight', 'hidden'])]));
  const columns = {};
  for (const column of all('col')) {
    for (let at = Number(column.getAttribute('min')); at <= Number(column.getAttribute('max')); ++at) {
      columns[at] = attributes(column, ['width', 'customWidth', 'hidden']);
    }
  }
  return {
    cells,
    rows,
    columns,
    merges: all('mergeCell').map((merge) => merge.getAttribute('ref')).sort(),
    margins: attributes(all('pageMargins')[0], ['left', 'right', 'top', 'bottom', 'header', 'footer']),
    paper: attributes(all('pageSetup')[0], ['paperSize', 'orientation', 'fitToWidth', 'fitToHeight']),
  };
}

// Runs in the page: the shared strings, the sheets' names and parts, the first font.
function readBook(workbookXml, relationsXml, stringsXml, stylesXml) {
  const parse = (xml) => new DOMParser().parseFromString(xml ?? '<none/>', 'application/xml');
  const strings = [...parse(stringsXml).getElementsByTagName('si')].map((item) =>
    [...item.getElementsByTagName('t')].map((text) => text.textContent).join(''));
  const targets = Object.fromEntries([...parse(relationsXml).getElementsByTagName('Relationship')]
    .map((link) => [link.getAttribute('Id'), link.getAttribute('Target')]));
  const sheets = [...parse(workbookXml).getElementsByTagName('sheet')].map((sheet) => ({
    name: sheet.getAttribute('name'),
    part: `xl/${targets[sheet.getAttribute('r:id')].replace(/^\/?xl\//, '')}`,
  }));
  const font = parse(stylesXml).getElementsByTagName('font')[0];
  const child = (name) => font.getElementsByTagName(name)[0]?.getAttribute('val') ?? null;
  return { strings, sheets, font: { size: child('sz'), name: child('name'), scheme: child('scheme') } };
}

export async function workbookParts(page, bytes) {
  const zip = await JSZip.loadAsync(bytes);
  const text = async (path) => (await zip.file(path)?.async('string')) ?? null;
  const book = await page.evaluate(readBook, await text('xl/workbook.xml'), await text('xl/_rels/workbook.xml.rels'),
    await text('xl/sharedStrings.xml'), await text('xl/styles.xml'));
  const sheets = [];
  for (const { name, part } of book.sheets) {
    sheets.push({ name, ...await page.evaluate(readWorksheet, await text(part), book.strings) });
  }
  const types = await text('[Content_Types].xml');
  const relations = await text('_rels/.rels');
  return {
    sheets,
    font: book.font,
    customProperties: await text('docProps/custom.xml'),
    customPropertiesNamed: {
      type: /PartName="\/docProps\/custom\.xml"/.test(types),
      relation: /Type="[^"]*\/custom-properties" Target="docProps\/custom\.xml"/.test(relations),
    },
  };
}

// The numbers of a workbook's parts stored with 16 significant digits ("108.1666666666667"):
// those the browser writes in digits of its own ("108.16666666666669") unless they are
// written as stored, which a comparison of the stored texts holds to the desktop's rule.
export function numbersOfSixteenDigits(parts) {
  return parts.sheets.flatMap((sheet) => Object.values(sheet.cells))
    .filter((cell) => cell.type === 'n' && cell.value !== null && cell.value.replace(/^[-0.]+|\.|E.*$/g, '').length >= 16);
}
