// The XML parts of a workbook as the desktop reads them: elements matched by their names as
// written ("worksheet", "sheetData", "row", "c"), text that is not well-formed XML or not
// UTF-8 refused (the parse throws), and only what a reader of a report or a staff list
// needs kept, so that a sheet of many megabytes is walked once and never held as a tree.

import { SaxesParser } from 'saxes';

const utf8 = new TextDecoder('utf-8', { fatal: true });

// Walks the part: visit.open(name, attributes, path) and visit.close(name, path) for every
// element, with path the names of the elements it stands in; visit.text(text, path) for
// the text directly inside an element.
function walk(bytes, visit) {
  const parser = new SaxesParser({ xmlns: false });
  const path = [];
  parser.on('opentag', (tag) => {
    visit.open?.(tag.name, tag.attributes, path);
    path.push(tag.name);
  });
  parser.on('closetag', (tag) => {
    path.pop();
    visit.close?.(tag.name, path);
  });
  const text = (content) => { if (path.length > 0) visit.text?.(content, path); };
  parser.on('text', text);
  parser.on('cdata', text);
  parser.write(utf8.decode(bytes)).close();
}

const at = (path, ...names) => path.length === names.length && names.every((name, i) => path[i] === name);

// The workbook's sheets in its order: {id: the relationship id, name}.
export function sheetsOf(bytes) {
  const sheets = [];
  walk(bytes, {
    open(name, attributes, path) {
      if (name !== 'sheet' || !at(path, 'workbook', 'sheets')) return;
      const id = Object.keys(attributes).find((attribute) => attribute.endsWith(':id'));
      sheets.push({ id: id ? attributes[id] : '', name: attributes.name ?? '' });
    },
  });
  return sheets;
}


// The targets of the relationships, by id.
export function relationTargets(bytes) {
  const targets = new Map();
  walk(bytes, {
    open(name, attributes, path) {
      if (name === 'Relationship' && at(path, 'Relationships') && !targets.has(attributes.Id)) {
        targets.set(attributes.Id, attributes.Target ?? '');
      }
    },
  });
  return targets;
}

// The shared texts, each as the stored texts of its <t> elements (plain, then of its runs).
export function sharedTexts(bytes) {
  const texts = [];
  walk(bytes, {
    open(name, attributes, path) { if (name === 'si' && at(path, 'sst')) texts.push([]); },
    text(content, path) {
      if (at(path, 'sst', 'si', 't') || at(path, 'sst', 'si', 'r', 't')) texts.at(-1).push(content);
    },
  });
  return texts;
}

// The custom document properties: [{name, type, value}], type the name of the value's element.
export function customProperties(bytes) {
  const properties = [];
  walk(bytes, {
    open(name, attributes, path) {
      if (name === 'property' && at(path, 'Properties')) properties.push({ name: attributes.name ?? '', type: '', value: '' });
      else if (at(path, 'Properties', 'property') && properties.at(-1).type === '') properties.at(-1).type = name;
    },
    text(content, path) {
      const property = properties.at(-1);
      if (path.length === 3 && at(path.slice(0, 2), 'Properties', 'property') && path[2] === property.type) property.value += content;
    },
  });
  return properties;
}

// Every cell of the worksheet's rows as stored, handed to take(cell) in the sheet's order:
// {ref: the cell's "r", type: its "t", value: the text of <v> or null, inline: the texts of
// <is> or null, formula: {kind, index, text} or null}; each row's "r" (or null) is handed to
// row(r) before its cells.
export function eachStoredCell(bytes, take, row = () => {}) {
  let cell = null;
  const CELL = ['worksheet', 'sheetData', 'row', 'c'];
  walk(bytes, {
    open(name, attributes, path) {
      if (name === 'row' && at(path, 'worksheet', 'sheetData')) row(attributes.r ?? null);
      if (name === 'c' && at(path, ...CELL.slice(0, 3))) {
        cell = { ref: attributes.r ?? '', type: attributes.t ?? '', value: null, inline: null, formula: null };
      } else if (cell && at(path, ...CELL)) {
        if (name === 'v' && cell.value === null) cell.value = '';
        if (name === 'is' && cell.inline === null) cell.inline = [];
        if (name === 'f' && cell.formula === null) cell.formula = { kind: attributes.t ?? '', index: attributes.si ?? '', text: '' };
      }
    },
    text(content, path) {
      if (!cell || path.length < 5 || !at(path.slice(0, 4), ...CELL)) return;
      const inside = path.slice(4).join('/');
      if (inside === 'v') cell.value += content;
      else if (inside === 'f') cell.formula.text += content;
      else if (inside === 'is/t' || inside === 'is/r/t') cell.inline.push(content);
    },
    close(name, path) {
      if (name === 'c' && cell && at(path, ...CELL.slice(0, 3))) {
        take(cell);
        cell = null;
      }
    },
  });
}
