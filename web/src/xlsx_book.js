// A workbook's package from its worksheets: the workbook part naming the sheets in order
// (with the rows a sheet prints on top of each page, and every formula recalculated when it
// is opened), the shared texts, the formats, the relationships and content types that tie
// them together, and the custom properties' part that carries the program's mark; each part
// finished by the rules given.

import { SharedTexts, escapeXml } from './xlsx_text.js';
import { WorkbookStyles } from './xlsx_styles.js';
import { packParts } from './zip_writer.js';

const XML_HEAD = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n';
const RELATIONS = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships';
const TYPES = 'application/vnd.openxmlformats-officedocument';

// A sheet's name as a formula names it: quoted unless it is letters, digits and underscores.
function sheetReference(name) {
  return /^[A-Za-z_][A-Za-z0-9_]*$/.test(name) ? name : `'${name.replace(/'/g, "''")}'`;
}

function relationship(id, type, target) {
  return `<Relationship Id="${id}" Type="${type}" Target="${target}"/>`;
}

// Parts as written, where no rules finish them.
const AS_WRITTEN = {
  styles: (xml) => xml,
  worksheet: (xml) => xml,
  contentTypes: (xml) => xml,
  relations: (xml) => xml,
};

export class SpreadsheetBook {
  // font: the workbook's standard font {family, size}; finishing: how parts are finished
  // after they are written, {styles(xml), worksheet(xml, finish), contentTypes(xml) and
  // relations(xml) (each naming the custom properties' part)}, each answering the part.
  constructor(font, finishing = AS_WRITTEN) {
    this.texts = new SharedTexts();
    this.styles = new WorkbookStyles(font);
    this.finishing = finishing;
    this.sheets = [];
    this.encoder = new TextEncoder();
  }

  // A worksheet's XML (xlsx_sheet.js) under its name, after the sheets added before it, or
  // before them all (first); printTitleRow: the row it prints on top of each page, if any;
  // finish: a report sheet's finish as the module describes it, none for another sheet.
  addSheet(name, xml, { printTitleRow = 0, first = false, finish = null } = {}) {
    const sheet = { name, bytes: this.encoder.encode(this.finishing.worksheet(xml, finish)), printTitleRow };
    if (first) this.sheets.unshift(sheet);
    else this.sheets.push(sheet);
  }

  workbookXml() {
    const sheets = this.sheets.map(({ name }, i) => `<sheet name="${escapeXml(name)}" sheetId="${i + 1}" r:id="rId${i + 1}"/>`);
    const titles = this.sheets.flatMap(({ name, printTitleRow }, i) => (printTitleRow
      ? [`<definedName name="_xlnm.Print_Titles" localSheetId="${i}">${escapeXml(sheetReference(name))}!$${printTitleRow}:$${printTitleRow}</definedName>`]
      : []));
    return `${XML_HEAD}<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="${RELATIONS}">` +
      `<bookViews><workbookView/></bookViews><sheets>${sheets.join('')}</sheets>` +
      (titles.length ? `<definedNames>${titles.join('')}</definedNames>` : '') +
      '<calcPr fullCalcOnLoad="1"/></workbook>';
  }

  workbookRelationsXml() {
    const count = this.sheets.length;
    const sheets = this.sheets.map((_, i) => relationship(`rId${i + 1}`, `${RELATIONS}/worksheet`, `worksheets/sheet${i + 1}.xml`));
    return `${XML_HEAD}<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">${sheets.join('')}` +
      relationship(`rId${count + 1}`, `${RELATIONS}/styles`, 'styles.xml') +
      relationship(`rId${count + 2}`, `${RELATIONS}/sharedStrings`, 'sharedStrings.xml') +
      '</Relationships>';
  }

  packageRelationsXml() {
    return `${XML_HEAD}<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">` +
      `${relationship('rId1', `${RELATIONS}/officeDocument`, 'xl/workbook.xml')}</Relationships>`;
  }

  contentTypesXml() {
    const override = (part, type) => `<Override PartName="/${part}" ContentType="${type}"/>`;
    const sheets = this.sheets.map((_, i) => override(`xl/worksheets/sheet${i + 1}.xml`, `${TYPES}.spreadsheetml.worksheet+xml`));
    return `${XML_HEAD}<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">` +
      '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>' +
      '<Default Extension="xml" ContentType="application/xml"/>' +
      override('xl/workbook.xml', `${TYPES}.spreadsheetml.sheet.main+xml`) + sheets.join('') +
      override('xl/styles.xml', `${TYPES}.spreadsheetml.styles+xml`) +
      override('xl/sharedStrings.xml', `${TYPES}.spreadsheetml.sharedStrings+xml`) +
      '</Types>';
  }

  // The package's bytes; customProperties: the custom properties' part (the program's mark
  // and what the teacher corrected), if the workbook carries one.
  async bytes(customProperties) {
    const marked = customProperties !== undefined;
    const { finishing } = this;
    const text = (name, xml) => ({ name, bytes: this.encoder.encode(xml) });
    const types = this.contentTypesXml();
    const relations = this.packageRelationsXml();
    const parts = [
      text('[Content_Types].xml', marked ? finishing.contentTypes(types) : types),
      text('_rels/.rels', marked ? finishing.relations(relations) : relations),
      text('xl/workbook.xml', this.workbookXml()),
      text('xl/_rels/workbook.xml.rels', this.workbookRelationsXml()),
      text('xl/styles.xml', finishing.styles(this.styles.xml())),
      text('xl/sharedStrings.xml', this.texts.xml()),
      ...this.sheets.map(({ bytes }, i) => ({ name: `xl/worksheets/sheet${i + 1}.xml`, bytes })),
    ];
    if (marked) parts.push(text('docProps/custom.xml', customProperties));
    return packParts(parts);
  }
}
