// The teacher's corrections on the drawn report: a cell of the table is chosen with the
// mouse or the arrow keys and typed over in a box that stands exactly over it; every total,
// mark and the status line follow from the module after each change; "Hisoblanganga
// qaytarish" takes back one cell or all; Ctrl+Z and Ctrl+Y undo and redo.

import { boxMarkup } from './report_view.js';
import { PIXELS_PER_POINT } from './report_zoom.js';

const ARROWS = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] };

export class ReportEditing {
  // bench: the module's ReportWorkbench; elements: {sheet, editor, yearTotal, counts, status,
  // emptyTexts}, the typing box standing on the drawn page; changed(): told after every change
  // of the report; form: the report as the page drew it.
  constructor(bench, elements, changed, form) {
    this.bench = bench;
    const { boxes } = form;
    // Every drawn cell's name and place, as the module named them.
    this.places = new Map(boxes.map((box) => [box.ref, { row: box.row, column: box.column }]));
    this.refs = new Map(boxes.map((box) => [`${box.row}:${box.column}`, box.ref]));
    this.drawn = new Map(boxes.map((box) => [box.ref, boxMarkup(box, `clip-${box.ref}`)]));
    this.frames = new Map(boxes.map((box) => [box.ref, box]));
    this.placement = form.page.sheet;
    this.elements = elements;
    this.changed = changed;
    this.undone = [];
    this.done = [];
    this.current = null;
    this.editing = null;
    // A report just made has nothing to mark, and is drawn already.
    this.refresh(JSON.parse(this.bench.state(false)).marks.length > 0);
  }

  svg() {
    return this.elements.sheet.querySelector('svg.sheet');
  }

  refOf(row, column) {
    return this.refs.get(`${row}:${column}`);
  }

  placeOf(ref) {
    return this.places.get(ref) ?? null;
  }

  inTable(place) {
    const { table } = this;
    return Boolean(place) && place.row >= table.firstRow && place.row <= table.lastRow &&
      place.column >= table.firstColumn && place.column <= table.lastColumn;
  }

  // Redraws the table's rows with their marks (unless told they are as drawn) and says the
  // year total.
  refresh(redraw = true) {
    const state = JSON.parse(this.bench.state(redraw));
    const marks = new Map(state.marks.map((mark) => [mark.ref, mark]));
    const svg = this.svg();
    // Only the cells whose drawing changed are drawn again.
    const boxes = state.boxes ?? [];
    const drawn = redraw ? new Map(boxes.map((box) => [box.ref, boxMarkup(box, `clip-${box.ref}`, marks.get(box.ref))])) : this.drawn;
    for (const [ref, markup] of drawn) {
      if (this.drawn?.get(ref) === markup) continue;
      const old = svg.querySelector(`g[data-cell="${ref}"]`);
      if (old) {
        old.insertAdjacentHTML('afterend', markup);
        old.remove();
      } else {
        svg.insertAdjacentHTML('beforeend', markup);
      }
    }
    this.drawn = drawn;
    // The cells of hours, and the block a cell is chosen in.
    this.editable = state.editable;
    this.table = state.table;
    this.elements.yearTotal.textContent = state.yearText;
    this.elements.counts.textContent = state.correctionsText;
    this.elements.emptyTexts.textContent = state.emptyTextsText;
    this.showCurrent();
  }

  say(text) {
    this.elements.status.textContent = text;
  }

  box(ref) {
    return this.svg().querySelector(`g[data-cell="${ref}"] rect.border`) ?? this.svg().querySelector(`g[data-cell="${ref}"]`);
  }

  showCurrent() {
    for (const old of this.svg().querySelectorAll('.current')) old.classList.remove('current');
    if (this.current) this.box(this.refOf(this.current.row, this.current.column))?.classList.add('current');
  }

  choose(place) {
    if (!this.inTable(place)) return;
    this.current = place;
    this.showCurrent();
    this.box(this.refOf(place.row, place.column))?.scrollIntoView?.({ block: 'nearest', inline: 'nearest' });
  }

  // A click on the drawn sheet: the cell under it, or why a title cannot be typed over.
  click(target) {
    const place = this.placeOf(target.closest('g[data-cell]')?.dataset.cell);
    if (!this.inTable(place)) {
      this.say(this.bench.refusal(0, 0));
      return;
    }
    this.choose(place);
    this.say('');
  }

  // The current cell when it holds hours; otherwise none, and the status line says why.
  typable() {
    if (!this.current) return null;
    const refusal = this.bench.refusal(this.current.row, this.current.column);
    if (refusal) this.say(refusal);
    return refusal ? null : this.current;
  }

  // Where a cell's frame stands on the page, in the page's own points: the sheet's cell moved
  // and scaled as the page setup places the sheet. Nothing is measured, so it is the same in
  // every browser at every zoom.
  frameOnPage(ref) {
    const box = this.frames.get(ref);
    const { left, top, scale } = this.placement;
    return { left: left + box.left * scale, top: top + box.top * scale, width: box.width * scale, height: box.height * scale };
  }

  // Opens the typing box over the current cell, with text to start from.
  edit(text) {
    const place = this.typable();
    if (!place) return;
    const { row, column } = place;
    const frame = this.frameOnPage(this.refOf(row, column));
    const editor = this.elements.editor;
    editor.style.left = `${frame.left}pt`;
    editor.style.top = `${frame.top}pt`;
    editor.style.width = `${frame.width}pt`;
    editor.style.height = `${frame.height}pt`;
    // The sheet's font as the desktop sizes it, on the page at its real size: the page's
    // zoom scales it with everything else on the page.
    editor.style.fontSize = `${this.bench.editorFontPixels(PIXELS_PER_POINT)}px`;
    editor.value = text;
    editor.hidden = false;
    this.editing = { row, column };
    editor.focus();
    editor.setSelectionRange(text.length, text.length);
  }

  closeEditor() {
    this.editing = null;
    this.elements.editor.hidden = true;
  }

  // The typed text taken (the box closes and the choice moves down) or refused (the box
  // stays); startedAt: when Enter was pressed, for the page's timings.
  commit(startedAt) {
    const { row, column } = this.editing;
    const before = this.bench.entry(row, column);
    const answer = JSON.parse(this.bench.type(row, column, this.elements.editor.value));
    if (!answer.ok) {
      this.say(answer.message);
      return false;
    }
    this.closeEditor();
    this.record([{ row, column, before, after: this.bench.entry(row, column) }]);
    this.choose({ row: Math.min(this.table.lastRow, row + 1), column });
    this.elements.sheet.focus();
    this.elements.sheet.getBoundingClientRect();
    performance.measure('soatnoma-edit', { start: startedAt });
    return true;
  }

  // Changes already made to the report, kept for undo.
  record(changes) {
    const real = changes.filter((change) => change.before !== change.after);
    if (real.length === 0) return;
    this.done.push(real);
    this.undone = [];
    this.after();
  }

  after() {
    this.say('');
    this.refresh();
    this.changed();
  }

  setAll(changes, side) {
    for (const change of changes) this.bench.setEntry(change.row, change.column, change[side]);
  }

  // Sets cells and keeps the change for undo.
  apply(changes) {
    this.setAll(changes, 'after');
    this.record(changes);
  }

  emptyCurrent() {
    const place = this.typable();
    if (!place) return;
    const { row, column } = place;
    this.apply([{ row, column, before: this.bench.entry(row, column), after: null }]);
  }

  revertCurrent() {
    const place = this.typable();
    if (!place) return;
    const { row, column } = place;
    this.apply([{ row, column, before: this.bench.entry(row, column), after: this.bench.computedHours(row, column) }]);
  }

  revertAll() {
    this.apply(this.editable.map(({ row, column }) =>
      ({ row, column, before: this.bench.entry(row, column), after: this.bench.computedHours(row, column) })));
  }

  undo() {
    const changes = this.done.pop();
    if (!changes) return;
    this.setAll(changes, 'before');
    this.undone.push(changes);
    this.after();
  }

  redo() {
    const changes = this.undone.pop();
    if (!changes) return;
    this.setAll(changes, 'after');
    this.done.push(changes);
    this.after();
  }

  // Keys on the report (the typing box closed).
  key(event) {
    const ctrl = event.ctrlKey || event.metaKey;
    if (ctrl && (event.key === 'z' || event.key === 'Z') && !event.shiftKey) return this.undo(), true;
    if (ctrl && (event.key === 'y' || event.key === 'Y' || ((event.key === 'z' || event.key === 'Z') && event.shiftKey))) {
      return this.redo(), true;
    }
    if (ctrl || event.altKey) return false;
    const arrow = ARROWS[event.key];
    if (arrow) {
      const { table } = this;
      const from = this.current ?? { row: table.firstRow, column: table.firstColumn };
      this.choose({
        row: Math.min(table.lastRow, Math.max(table.firstRow, from.row + arrow[0])),
        column: Math.min(table.lastColumn, Math.max(table.firstColumn, from.column + arrow[1])),
      });
      return true;
    }
    if (!this.current) return false;
    const entry = () => {
      const hours = this.bench.entry(this.current.row, this.current.column);
      return hours === null ? '' : this.bench.hoursText(hours);
    };
    if (event.key === 'Enter' || event.key === 'F2') return this.edit(entry()), true;
    if (event.key === 'Delete' || event.key === 'Backspace') return this.emptyCurrent(), true;
    if (event.key.length === 1 && event.key !== ' ') return this.edit(event.key), true;
    return false;
  }

  // Keys in the typing box.
  editorKey(event) {
    if (event.key === 'Enter') {
      event.preventDefault();
      this.commit(event.timeStamp);
    } else if (event.key === 'Escape') {
      event.preventDefault();
      this.closeEditor();
      this.say('');
      this.elements.sheet.focus();
    }
  }

  // Every cell of hours with what it holds now (null: emptied), to be kept.
  entries() {
    return this.editable.map(({ row, column }) => ({ row, column, hours: this.bench.entry(row, column) }));
  }

  // Entries kept from before, set again without an undo step.
  restore(entries) {
    for (const { row, column, hours } of entries) this.bench.setEntry(row, column, hours);
    this.refresh();
  }

  dispose() {
    this.closeEditor();
    this.bench.delete();
  }
}
