// Text as a workbook's XML holds it: escaped for an element or an attribute, and the
// workbook's shared texts, each kept once and named by its place in the list.

import { escapedMarkup as escapeXml } from './markup_text.js';

export { escapeXml };

// A text whose blanks at either end or whose line ends are its own keeps them.
const KEPT_BLANKS = /^\s|\s$|[\n\t]/;

export class SharedTexts {
  constructor() {
    this.places = new Map();
    this.uses = 0;
  }

  // The place of the text in the list, adding it the first time.
  index(text) {
    ++this.uses;
    let place = this.places.get(text);
    if (place === undefined) {
      place = this.places.size;
      this.places.set(text, place);
    }
    return place;
  }

  get size() { return this.places.size; }

  xml() {
    const items = [];
    for (const text of this.places.keys()) {
      items.push(KEPT_BLANKS.test(text) ? `<si><t xml:space="preserve">${escapeXml(text)}</t></si>` : `<si><t>${escapeXml(text)}</t></si>`);
    }
    return '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n' +
      '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" ' +
      `count="${this.uses}" uniqueCount="${this.places.size}">${items.join('')}</sst>`;
  }
}
