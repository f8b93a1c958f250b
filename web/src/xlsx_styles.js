// A workbook's cell formats (its styles part), as the desktop's workbooks carry them: the
// standard font first, every other font, number format, border and alignment kept once, and
// each distinct format of a cell one entry that cells name by its place.
//
// A format: {bold, fontSize, horizontal ('general', 'left', 'center', 'right'), vertical
// ('bottom', 'middle', 'top'), wrapText, rotation (degrees, -90..90), indent, shrinkToFit,
// numberFormat ('General' or a code), border ('none' or 'thin')}; what is left out is as a
// cell starts.

import { escapeXml } from './xlsx_text.js';

const STARTING = {
  bold: false, horizontal: 'general', vertical: 'bottom', wrapText: false, rotation: 0, indent: 0,
  shrinkToFit: false, numberFormat: 'General', border: 'none',
};
// The first number format a workbook may define for itself; those below are built in.
const FIRST_OWN_NUMBER_FORMAT = 164;
// The key of the standard font and of the first format, which no format given has.
const STANDARD_FONT = 'standard';
const VERTICAL = { middle: 'center', top: 'top' };
const THIN = '<left style="thin"><color auto="1"/></left><right style="thin"><color auto="1"/></right>' +
  '<top style="thin"><color auto="1"/></top><bottom style="thin"><color auto="1"/></bottom><diagonal/>';

// Places of distinct values in the order they were first met.
class Distinct {
  constructor(first = []) {
    this.places = new Map();
    for (const value of first) this.place(value);
  }

  place(key) {
    let place = this.places.get(key);
    if (place === undefined) {
      place = this.places.size;
      this.places.set(key, place);
    }
    return place;
  }

  keys() { return [...this.places.keys()]; }
}

function alignmentXml(format) {
  let attributes = '';
  if (format.horizontal !== 'general') attributes += ` horizontal="${format.horizontal}"`;
  if (VERTICAL[format.vertical]) attributes += ` vertical="${VERTICAL[format.vertical]}"`;
  // Text turned clockwise counts on from 90.
  if (format.rotation !== 0) attributes += ` textRotation="${format.rotation > 0 ? format.rotation : 90 - format.rotation}"`;
  if (format.wrapText) attributes += ' wrapText="1"';
  if (format.indent > 0) attributes += ` indent="${format.indent}"`;
  if (format.shrinkToFit) attributes += ' shrinkToFit="1"';
  return attributes ? `<alignment${attributes}/>` : '';
}

export class WorkbookStyles {
  // font: the workbook's standard font {family, size}.
  // The first format, of cells that name none, is the standard font's and nothing more.
  constructor(font) {
    this.font = font;
    this.fonts = new Distinct([STANDARD_FONT]);
    this.numberFormats = new Distinct();
    this.formats = new Distinct([STANDARD_FONT]);
    this.cellFormats = [{ font: 0, numberFormat: 0, border: 0, alignment: '' }];
  }

  // The place of the format among the cells' formats. A format given is a format of its
  // own, with a font of its own, even where it is as a cell starts.
  index(given) {
    const format = { ...STARTING, fontSize: this.font.size, ...given };
    const font = this.fonts.place(`${format.bold}|${format.fontSize}`);
    const numberFormat = format.numberFormat === 'General' ? 0 : FIRST_OWN_NUMBER_FORMAT + this.numberFormats.place(format.numberFormat);
    const border = format.border === 'thin' ? 1 : 0;
    const alignment = alignmentXml(format);
    const key = `${font}|${numberFormat}|${border}|${alignment}`;
    const before = this.formats.places.size;
    const place = this.formats.place(key);
    if (place === before) this.cellFormats.push({ font, numberFormat, border, alignment });
    return place;
  }

  fontXml(key) {
    const [bold, size] = key === STANDARD_FONT ? [false, this.font.size] : key.split('|');
    return `<font>${String(bold) === 'true' ? '<b/>' : ''}<sz val="${size}"/><name val="${escapeXml(this.font.family)}"/><family val="2"/></font>`;
  }

  xml() {
    const numberFormats = this.numberFormats.keys().map((code, i) =>
      `<numFmt numFmtId="${FIRST_OWN_NUMBER_FORMAT + i}" formatCode="${escapeXml(code)}"/>`);
    const fonts = this.fonts.keys().map((key) => this.fontXml(key));
    const cellFormats = this.cellFormats.map(({ font, numberFormat, border, alignment }) => {
      let applied = numberFormat ? ' applyNumberFormat="1"' : '';
      if (font) applied += ' applyFont="1"';
      if (border) applied += ' applyBorder="1"';
      if (alignment) applied += ' applyAlignment="1"';
      const head = `<xf numFmtId="${numberFormat}" fontId="${font}" fillId="0" borderId="${border}" xfId="0"${applied}`;
      return alignment ? `${head}>${alignment}</xf>` : `${head}/>`;
    });
    return '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n' +
      '<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">' +
      (numberFormats.length ? `<numFmts count="${numberFormats.length}">${numberFormats.join('')}</numFmts>` : '') +
      `<fonts count="${fonts.length}">${fonts.join('')}</fonts>` +
      '<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>' +
      `<borders count="2"><border><left/><right/><top/><bottom/><diagonal/></border><border>${THIN}</border></borders>` +
      '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>' +
      `<cellXfs count="${cellFormats.length}">${cellFormats.join('')}</cellXfs>` +
      '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles></styleSheet>';
  }
}
