// How a cell of the report came by its hours, on demand, and the whole report before rounding.
// On a computer F1 on the chosen cell (the report's editing keys say so) or the cell's tool
// tip; on a phone a long press on a cell or the "?" button. The few short lines are the
// module's; they stand in #Explanation under the report's buttons until closed, and follow
// the chosen cell meanwhile. "Hisoblangani" shows the report's hours before rounding instead
// of the drawn page, and the page again. Neither is printed or saved.

import { isFinger } from '../page/finger.js';

// How long a finger rests on a cell before its explanation is shown, and how far it may
// wander meanwhile (CSS pixels), as a phone tells a long press from a tap or a scroll.
const LONG_PRESS_MS = 500;
const LONG_PRESS_SLACK = 10;

function tableMarkup(document, view) {
  const table = document.createElement('table');
  table.className = 'before-rounding';
  const caption = table.createCaption();
  caption.textContent = view.caption;
  const head = table.createTHead().insertRow();
  head.append(document.createElement('th'));
  for (const heading of view.headings) {
    const cell = document.createElement('th');
    cell.scope = 'col';
    cell.textContent = heading;
    head.append(cell);
  }
  const body = table.createTBody();
  for (const { row, title, cells } of view.rows) {
    const line = body.insertRow();
    line.dataset.row = String(row);
    const titleCell = document.createElement('th');
    titleCell.scope = 'row';
    titleCell.textContent = title;
    line.append(titleCell);
    for (const text of cells) line.insertCell().textContent = text;
  }
  return table;
}

export class CellExplanation {
  // elements: {sheet, box (#Explanation), ask ("?"), toggle ("Hisoblangani"), view (where the
  // report before rounding stands)}; editingOf(): the corrections of the report shown, or null;
  // keyAction(event): what a key does by the report's editing keys.
  constructor(elements, editingOf, keyAction) {
    this.elements = elements;
    this.editingOf = editingOf;
    this.keyAction = keyAction;
    this.shown = null; // the cell explained, while the box is open
    this.press = null; // a finger resting on a cell: {timer, x, y}
    this.pressed = false; // a long press just ended: its click opens nothing
    this.toggleTitle = elements.toggle.title; // the module's, as the page was built
    this.listenToKeys();
    this.listenToPointer();
    elements.ask.addEventListener('click', () => this.explain(this.editingOf()?.current));
    elements.box.querySelector('.close').addEventListener('click', () => this.close());
    elements.toggle.addEventListener('click', () => this.toggle());
  }

  // A new report shown: nothing of the one before stays.
  reset() {
    this.close();
    this.showBeforeRounding(false);
    const view = JSON.parse(this.editingOf().workbench.beforeRounding());
    this.elements.toggle.disabled = Boolean(view.missing);
    this.elements.toggle.title = view.missing ?? this.toggleTitle;
  }

  // The box with the cell's lines (the table's first cell when none is chosen yet).
  explain(place) {
    const editing = this.editingOf();
    if (!editing) return;
    const cell = place ?? { row: editing.table.firstRow, column: editing.table.firstColumn };
    const told = JSON.parse(editing.workbench.explanation(cell.row, cell.column));
    const { box } = this.elements;
    box.querySelector('.cell').textContent = told.cell;
    box.querySelector('ul').replaceChildren(
      ...told.lines.map((line) => {
        const item = box.ownerDocument.createElement('li');
        item.textContent = line;
        return item;
      }),
    );
    box.dataset.cell = editing.refOf(cell.row, cell.column);
    box.hidden = false;
    this.shown = cell;
  }

  close() {
    this.elements.box.hidden = true;
    delete this.elements.box.dataset.cell;
    this.shown = null;
  }

  // The open box follows the chosen cell and the report's changes.
  follow() {
    const current = this.editingOf()?.current;
    if (this.shown && current) this.explain(current);
  }

  listenToKeys() {
    const { sheet } = this.elements;
    sheet.addEventListener('keydown', (event) => {
      const editing = this.editingOf();
      if (!editing || editing.editing || event.target === editing.elements.editor) return;
      if (this.keyAction(event) === 'explain') {
        event.preventDefault();
        this.explain(editing.current);
      } else if (event.key === 'Escape' && this.shown) {
        this.close();
      } else {
        this.follow();
      }
    });
    sheet.addEventListener('click', () => this.follow());
  }

  // A mouse over a cell of hours: its tool tip, asked of the module once the pointer is there.
  toolTip(target) {
    const group = target.closest?.('g[data-cell]');
    const editing = this.editingOf();
    if (!group || !editing || group.dataset.explained) return;
    const place = editing.placeOf(group.dataset.cell);
    if (!editing.inTable(place)) return;
    const { toolTip } = JSON.parse(editing.workbench.explanation(place.row, place.column));
    group.dataset.explained = 'yes';
    if (!toolTip) return;
    let title = group.querySelector(':scope > title');
    if (!title) {
      title = group.ownerDocument.createElementNS('http://www.w3.org/2000/svg', 'title');
      group.prepend(title);
    }
    title.textContent = toolTip;
  }

  listenToPointer() {
    const { sheet } = this.elements;
    sheet.addEventListener('pointerover', (event) => {
      if (!isFinger(event)) this.toolTip(event.target);
    });
    sheet.addEventListener('pointerdown', (event) => {
      this.cancelPress();
      this.pressed = false;
      if (!isFinger(event) || !event.target.closest?.('g[data-cell]')) return;
      const { target, clientX: x, clientY: y } = event;
      const window = sheet.ownerDocument.defaultView;
      this.press = { x, y, timer: window.setTimeout(() => this.longPressed(target), LONG_PRESS_MS) };
    });
    // Only the finger's own moves count: a mouse the page scrolls under is not the finger.
    sheet.addEventListener('pointermove', (event) => {
      if (
        this.press &&
        isFinger(event) &&
        Math.hypot(event.clientX - this.press.x, event.clientY - this.press.y) > LONG_PRESS_SLACK
      ) {
        this.cancelPress();
      }
    });
    sheet.addEventListener('pointerup', (event) => {
      if (isFinger(event)) this.cancelPress();
    });
    sheet.addEventListener('pointercancel', (event) => {
      if (isFinger(event)) this.cancelPress();
    });
    // The click that ends a long press chooses the cell and opens no typing box; the phone's
    // own menu of a long press is not shown over the explanation.
    sheet.addEventListener(
      'click',
      (event) => {
        if (!this.pressed) return;
        this.pressed = false;
        event.stopPropagation();
      },
      true,
    );
    sheet.addEventListener('contextmenu', (event) => {
      if (this.pressed || this.press) event.preventDefault();
    });
  }

  cancelPress() {
    if (!this.press) return;
    this.elements.sheet.ownerDocument.defaultView.clearTimeout(this.press.timer);
    this.press = null;
  }

  longPressed(target) {
    this.press = null;
    const editing = this.editingOf();
    if (!editing || !editing.click(target)) return;
    this.pressed = true;
    this.explain(editing.current);
  }

  toggle() {
    this.showBeforeRounding(this.elements.view.hidden);
  }

  // The report before rounding instead of the drawn page, or the page again.
  showBeforeRounding(shown) {
    const { view, sheet, toggle } = this.elements;
    toggle.setAttribute('aria-pressed', String(shown));
    if (shown) {
      const editing = this.editingOf();
      view.replaceChildren(tableMarkup(view.ownerDocument, JSON.parse(editing.workbench.beforeRounding())));
    }
    view.hidden = !shown;
    sheet.hidden = shown;
  }
}
