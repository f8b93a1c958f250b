// The teacher's corrections on the drawn report: a cell of the table is chosen with the
// mouse or the arrow keys and typed over in a box that stands exactly over it; every total,
// mark and the status line follow from the module after each change; "Hisoblanganga
// qaytarish" takes back one cell or all; Ctrl+Z and Ctrl+Y undo and redo.

import { boxMarkup } from './report_view.js';
import { PIXELS_PER_POINT } from './page_points.js';
import { wholeTitleAt } from './phone_titles.js';

// The typing box's text on the screen: 16 CSS pixels, the least a phone reads without
// zooming in on the box it focuses; and the box's room about it, in sizes of its text.
const LEGIBLE_POINTS = 12;
const DIGITS_ROOM = 3.4;
const LINE_ROOM = 1.4;
// The steps of the editing keys' actions: a move of the choice on the report, and the step
// on after an entry is taken in the box.
const MOVES = { moveUp: [-1, 0], moveDown: [1, 0], moveLeft: [0, -1], moveRight: [0, 1] };
const TAKES = { takeDown: [1, 0], takeUp: [-1, 0], takeRight: [0, 1], takeLeft: [0, -1] };
// The jumps of the choice to an end of its row, its column or the table.
const JUMPS = {
  moveRowStart: (from, table) => ({ row: from.row, column: table.firstColumn }),
  moveRowEnd: (from, table) => ({ row: from.row, column: table.lastColumn }),
  moveColumnStart: (from, table) => ({ row: table.firstRow, column: from.column }),
  moveColumnEnd: (from, table) => ({ row: table.lastRow, column: from.column }),
  moveTableStart: (from, table) => ({ row: table.firstRow, column: table.firstColumn }),
  moveTableEnd: (from, table) => ({ row: table.lastRow, column: table.lastColumn }),
};
// A cell's place as one number: its row times this, and its column.
const PLACES = 1000;

export class ReportCorrections {
  // workbench: the module's ReportWorkbench; elements: {sheet, editor, yearTotal, counts, status,
  // emptyTexts, zoom(), keyAction(inBox, event)}, the typing box standing on the drawn page,
  // zoom() the report's zoom, keyAction what a key does by the report's editing keys;
  // changed(): told after every change of the report; report: as the page drew it.
  constructor(workbench, elements, changed, report) {
    this.workbench = workbench;
    this.boxes = report.boxes;
    this.cells = null; // made when a cell is first looked up
    this.placement = report.page.sheet;
    this.elements = elements;
    this.changed = changed;
    this.undone = [];
    this.done = [];
    this.current = null;
    this.outlined = null; // the element outlined as the current cell
    this.grid = null; // the table as a reader of the screen walks it, once it is made
    this.editing = null;
    this.revealing = false; // a cell to bring into view at the next frame
    // A report just made has nothing to mark, and is drawn already.
    const state = JSON.parse(this.workbench.state(false));
    if (state.marks.length > 0) this.refresh();
    else this.follow(state);
  }

  svg() {
    return this.elements.sheet.querySelector('svg.sheet');
  }

  // Every drawn cell's frame by its name, and its name by its place, as the module named them.
  cellIndex() {
    if (!this.cells) {
      this.cells = {
        frames: new Map(this.boxes.map((box) => [box.ref, box])),
        refs: new Map(this.boxes.map((box) => [box.row * PLACES + box.column, box.ref])),
      };
    }
    return this.cells;
  }

  refOf(row, column) {
    return this.cellIndex().refs.get(row * PLACES + column);
  }

  placeOf(ref) {
    const box = this.cellIndex().frames.get(ref);
    return box ? { row: box.row, column: box.column } : null;
  }

  inTable(place) {
    const { table } = this;
    return (
      Boolean(place) &&
      place.row >= table.firstRow &&
      place.row <= table.lastRow &&
      place.column >= table.firstColumn &&
      place.column <= table.lastColumn
    );
  }

  // Redraws the table's cells that changed, with their marks, and says the year total.
  refresh() {
    const state = JSON.parse(this.workbench.state(true));
    const marks = new Map(state.marks.map((mark) => [mark.ref, mark]));
    const svg = this.svg();
    // Only the cells whose drawing changed are drawn again: the module hands over those,
    // taken in at once and each put in the place of the one it replaces.
    const { boxes } = state;
    if (boxes.length > 0) {
      const taken = svg.cloneNode(false);
      taken.innerHTML = boxes.map((box) => boxMarkup(box, `clip-${box.ref}`, marks.get(box.ref))).join('');
      // The cells replaced, found in one pass over the sheet's cells.
      const olds = new Map(boxes.map((box) => [box.ref, null]));
      for (const cell of svg.children) if (olds.has(cell.dataset.cell)) olds.set(cell.dataset.cell, cell);
      for (const cell of [...taken.children]) {
        const old = olds.get(cell.dataset.cell);
        if (old) old.replaceWith(cell);
        else svg.append(cell);
      }
    }
    this.follow(state);
  }

  // The report's state as the module tells it ({editable, table, yearText, correctionsText,
  // emptyTextsText}): the cells of hours, the block a cell is chosen in, and the status line.
  follow(state) {
    this.editable = state.editable;
    this.table = state.table;
    this.elements.yearTotal.textContent = state.yearText;
    this.elements.counts.textContent = state.correctionsText;
    this.elements.emptyTexts.textContent = state.emptyTextsText;
    this.showCurrent();
  }

  // What the status line says: a refusal unless told otherwise.
  say(text, refusal = true) {
    this.elements.status.textContent = text;
    this.elements.status.classList.toggle('told', !refusal);
  }

  box(ref) {
    return (
      this.svg().querySelector(`g[data-cell="${ref}"] rect.border`) ?? this.svg().querySelector(`g[data-cell="${ref}"]`)
    );
  }

  // The current cell outlined; the cell outlined before, if any, no longer (a cell drawn again
  // is drawn without it).
  showCurrent() {
    this.outlined?.classList.remove('current');
    this.outlined = this.current ? this.box(this.refOf(this.current.row, this.current.column)) : null;
    this.outlined?.classList.add('current');
    this.followInGrid();
  }

  // The grid's stop of Tab on the current cell (the table's first before one is chosen), and
  // the focus with it while the focus is on the report.
  followInGrid(focus = null) {
    if (!this.grid) return;
    const place = this.current ?? { row: this.table.firstRow, column: this.table.firstColumn };
    const { sheet, editor } = this.elements;
    const active = sheet.ownerDocument.activeElement;
    this.grid.follow(this.refOf(place.row, place.column), focus ?? (sheet.contains(active) && active !== editor));
  }

  // The grid made over the drawn page: it follows the choice from now on.
  attachGrid(grid) {
    this.grid = grid;
    grid.build(JSON.parse(this.workbench.grid()));
    this.followInGrid();
  }

  // What a change did, said to a reader of the screen: the cell changed, when one was, and
  // the year total.
  announce(changes) {
    const { said, yearTotal } = this.elements;
    if (!said) return;
    const one = changes?.length === 1 ? this.grid?.nameOf(this.refOf(changes[0].row, changes[0].column)) : '';
    said.textContent = one ? `${one}. ${yearTotal.textContent}` : yearTotal.textContent;
  }

  // A cell a step from another, kept within the table.
  stepped(from, [rows, columns]) {
    const { table } = this;
    return {
      row: Math.min(table.lastRow, Math.max(table.firstRow, from.row + rows)),
      column: Math.min(table.lastColumn, Math.max(table.firstColumn, from.column + columns)),
    };
  }

  // A cell chosen; one chosen by the keys is brought into view, one under the pointer is in
  // view already and stays still, so that the second click of a double click lands on it.
  choose(place, reveal = true) {
    if (!this.inTable(place)) return;
    this.current = place;
    this.showCurrent();
    if (reveal) this.revealSoon();
  }

  // The current cell brought into view as the browser draws its next frame, when the page is
  // laid out anyway: keys pressed faster than frames bring only the last cell chosen.
  revealSoon() {
    if (this.revealing) return;
    this.revealing = true;
    this.elements.sheet.ownerDocument.defaultView.requestAnimationFrame(() => {
      this.revealing = false;
      if (this.current)
        this.box(this.refOf(this.current.row, this.current.column))?.scrollIntoView?.({
          block: 'nearest',
          inline: 'nearest',
        });
    });
  }

  // A click on the drawn sheet: the cell under it chosen (true), or why it cannot be typed
  // over, in the module's words for a title or a total (false); a phone's short row title
  // tapped says the whole title.
  click(target) {
    const whole = wholeTitleAt(target);
    if (whole !== null) {
      this.say(whole, false);
      return false;
    }
    const place = this.placeOf(target.closest('g[data-cell]')?.dataset.cell);
    if (!this.inTable(place)) {
      this.say(this.workbench.refusal(place?.row ?? 0, place?.column ?? 0));
      return false;
    }
    this.choose(place, false);
    this.say('');
    return true;
  }

  // The current cell when it holds hours; otherwise none, and the status line says why.
  typable() {
    if (!this.current) return null;
    const refusal = this.workbench.refusal(this.current.row, this.current.column);
    if (refusal) this.say(refusal);
    return refusal ? null : this.current;
  }

  // Where a cell's frame stands on the page, in the page's own points: the sheet's cell moved
  // and scaled as the page setup places the sheet. Nothing is measured, so it is the same in
  // every browser at every zoom.
  frameOnPage(ref) {
    const box = this.cellIndex().frames.get(ref);
    const { left, top, scale } = this.placement;
    return {
      left: left + box.left * scale,
      top: top + box.top * scale,
      width: box.width * scale,
      height: box.height * scale,
    };
  }

  // Opens the typing box over the current cell, with text to start from: all of it chosen
  // (replaced by what is typed) or the caret after it.
  edit(text, chooseAll = false) {
    const place = this.typable();
    if (!place) return;
    const { row, column } = place;
    const editor = this.elements.editor;
    // What the cell showed, to know whether the box was left as it opened.
    const hours = this.workbench.entry(row, column);
    this.editing = { row, column, opened: hours === null ? '' : this.workbench.hoursText(hours) };
    editor.value = text;
    editor.setAttribute('aria-label', this.grid?.nameOf(this.refOf(row, column)) ?? '');
    this.placeEditor();
    editor.hidden = false;
    editor.focus();
    editor.setSelectionRange(chooseAll ? 0 : text.length, text.length);
  }

  // The current cell's hours opened for typing over, all chosen; a cell of titles or sums
  // opens nothing and the status line says why.
  openCurrent() {
    if (!this.current) return;
    const hours = this.workbench.entry(this.current.row, this.current.column);
    this.edit(hours === null ? '' : this.workbench.hoursText(hours), true);
  }

  // The typing box on its cell, just inside its frame. On a touch screen its text is never
  // smaller than LEGIBLE_POINTS on the screen, however far the report is zoomed out; where the
  // cell is too small for that, the box grows about the cell's middle, covering it.
  placeEditor() {
    if (!this.editing) return;
    const frame = this.frameOnPage(this.refOf(this.editing.row, this.editing.column));
    const touch = this.elements.sheet.ownerDocument.defaultView.matchMedia('(pointer: coarse)').matches;
    // The sheet's font as the desktop sizes its typing box, on the page at its real size (the
    // page's zoom scales it with everything else on the page).
    const desktopPoints = this.workbench.editorFontPixels(PIXELS_PER_POINT) / PIXELS_PER_POINT;
    const fontSize = Math.max(desktopPoints, touch ? LEGIBLE_POINTS / this.elements.zoom() : 0);
    const width = touch ? Math.max(frame.width, fontSize * DIGITS_ROOM) : frame.width;
    const height = touch ? Math.max(frame.height, fontSize * LINE_ROOM) : frame.height;
    const editor = this.elements.editor;
    editor.style.left = `${frame.left - (width - frame.width) / 2}pt`;
    editor.style.top = `${frame.top - (height - frame.height) / 2}pt`;
    editor.style.width = `${width}pt`;
    editor.style.height = `${height}pt`;
    editor.style.fontSize = `${fontSize}pt`;
  }

  // The box closed; keepKeys: the report takes the keys. Focusing lays the page out, so it
  // comes last, once the report's changes are made, and the browser lays it out once.
  closeEditor(keepKeys = false) {
    this.editing = null;
    this.elements.editor.hidden = true;
    if (!keepKeys) return;
    if (this.grid) this.followInGrid(true);
    if (!this.grid?.hasFocus()) this.elements.sheet.focus({ preventScroll: true });
  }

  // The typed text taken (the box closes and the choice moves the step given, down unless
  // told) or refused (the box stays); startedAt: when the key was pressed, for the page's
  // timings; keepKeys: the report takes the keys again (not when the focus went elsewhere).
  commit(startedAt, step = [1, 0], keepKeys = true) {
    const { row, column, opened } = this.editing;
    const before = this.workbench.entry(row, column);
    // A box left as it opened changes nothing: the hours shown may be rounded from exact ones.
    const typed = this.elements.editor.value;
    const answer = typed === opened ? { ok: true } : JSON.parse(this.workbench.type(row, column, typed));
    if (!answer.ok) {
      this.say(answer.message);
      return false;
    }
    // A refusal said before goes with the entry taken, changed or not.
    this.say('');
    this.record([{ row, column, before, after: this.workbench.entry(row, column) }]);
    this.choose(this.stepped({ row, column }, step));
    this.closeEditor(keepKeys);
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
    this.after(real);
  }

  after(changes) {
    this.say('');
    this.refresh();
    if (this.grid) this.grid.rename(JSON.parse(this.workbench.grid()));
    this.announce(changes);
    this.changed();
  }

  setAll(changes, side) {
    for (const change of changes) this.workbench.setEntry(change.row, change.column, change[side]);
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
    this.apply([{ row, column, before: this.workbench.entry(row, column), after: null }]);
  }

  revertCurrent() {
    const place = this.typable();
    if (!place) return;
    const { row, column } = place;
    this.apply([
      { row, column, before: this.workbench.entry(row, column), after: this.workbench.computedHours(row, column) },
    ]);
  }

  revertAll() {
    this.apply(
      this.editable.map(({ row, column }) => ({
        row,
        column,
        before: this.workbench.entry(row, column),
        after: this.workbench.computedHours(row, column),
      })),
    );
  }

  undo() {
    const changes = this.done.pop();
    if (!changes) return;
    this.setAll(changes, 'before');
    this.undone.push(changes);
    this.after(changes);
  }

  redo() {
    const changes = this.undone.pop();
    if (!changes) return;
    this.setAll(changes, 'after');
    this.done.push(changes);
    this.after(changes);
  }

  // Keys on the report (the typing box closed), by the report's table of editing keys.
  key(event) {
    const action = this.elements.keyAction(false, event);
    const move = MOVES[action];
    const jump = JUMPS[action];
    if (move || jump) {
      const from = this.current ?? { row: this.table.firstRow, column: this.table.firstColumn };
      this.choose(move ? this.stepped(from, move) : jump(from, this.table));
      return true;
    }
    if (action === 'undo') return (this.undo(), true);
    if (action === 'redo') return (this.redo(), true);
    if (!this.current) return false;
    if (action === 'open') return (this.openCurrent(), true);
    if (action === 'empty') return (this.emptyCurrent(), true);
    // Any other character typed opens the box with it.
    const plain = !(event.ctrlKey || event.metaKey || event.altKey);
    if (plain && event.key.length === 1 && event.key !== ' ') return (this.edit(event.key), true);
    return false;
  }

  // Keys in the typing box: the entry taken with a step on, or the box closed.
  editorKey(event) {
    const action = this.elements.keyAction(true, event);
    if (TAKES[action]) {
      event.preventDefault();
      this.commit(event.timeStamp, TAKES[action]);
    } else if (action === 'cancel') {
      event.preventDefault();
      this.closeEditor(true);
      this.say('');
    }
  }

  // The focus left the open box for another place of the page: the entry is taken there, as
  // a spreadsheet does, the choice staying on the cell; a text refused keeps the box open.
  leaveBox(startedAt) {
    if (this.editing) this.commit(startedAt, [0, 0], false);
  }

  // Every cell of hours with what it holds now (null: emptied), to be kept.
  entries() {
    return this.editable.map(({ row, column }) => ({ row, column, hours: this.workbench.entry(row, column) }));
  }

  // Entries kept from before, set again without an undo step.
  restore(entries) {
    for (const { row, column, hours } of entries) this.workbench.setEntry(row, column, hours);
    this.refresh();
  }

  // A newer report took its place: no cell of this one is brought into view any more.
  dispose() {
    this.current = null;
    this.closeEditor();
    this.workbench.delete();
  }
}
