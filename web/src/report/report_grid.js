// The report's table for a reader of the screen and for the keys: a grid of elements, one
// standing over each drawn cell of rows 4 to 20, unseen and letting the pointer through to
// the drawing, which stays exactly what is printed. The module names every heading and cell
// (its month, its row, what it shows, why it is marked) and says which can only be read.
// The grid is one stop of Tab: the cell chosen takes the focus, the others wait for the keys;
// the browser's focus ring stands on the cell itself, at every zoom.

import { escapedMarkup as escaped } from '../build/markup_text.js';

const ROLES = { columnHeading: 'columnheader', rowHeading: 'rowheader', cell: 'gridcell' };

// A cell's element, over its frame on the page (points), focusable when it holds hours.
function cellMarkup(cell, frame, choosable) {
  const place = frame
    ? ` style="left:${frame.left}pt;top:${frame.top}pt;width:${frame.width}pt;height:${frame.height}pt"`
    : '';
  const focus = choosable ? ' tabindex="-1"' : '';
  return (
    `<div role="${ROLES[cell.role]}" data-grid-cell="${cell.ref}" aria-label="${escaped(cell.name)}"` +
    ` aria-readonly="${cell.readOnly}"${focus}${place}></div>`
  );
}

export class ReportGrid {
  // page: the drawn page the grid stands on; frameOf(ref): a cell's frame on the page;
  // choosable(row, column): whether the keys may choose the cell.
  constructor(page, frameOf, choosable) {
    this.page = page;
    this.frameOf = frameOf;
    this.choosable = choosable;
    this.element = null;
    this.cells = new Map();
    this.stop = null; // the cell Tab stops at
  }

  // The grid the module described ({name, rows}) put on the page, over the drawing it copies.
  build(grid) {
    const document = this.page.ownerDocument;
    const element = document.createElement('div');
    element.className = 'report-grid';
    element.setAttribute('role', 'grid');
    element.setAttribute('aria-label', grid.name);
    element.innerHTML = grid.rows
      .map(
        (row) =>
          `<div role="row">${row
            .map((cell) => cellMarkup(cell, this.frameOf(cell.ref), this.choosable(cell.row, cell.column)))
            .join('')}</div>`,
      )
      .join('');
    this.page.append(element);
    this.element = element;
    const cells = [...element.querySelectorAll('[data-grid-cell]')];
    this.cells = new Map(cells.map((cell) => [cell.dataset.gridCell, cell]));
    this.names = new Map(grid.rows.flat().map((cell) => [cell.ref, cell.name]));
  }

  // The names the module gives now, where they changed.
  rename(grid) {
    if (!this.element) return;
    for (const cell of grid.rows.flat()) {
      if (this.names.get(cell.ref) === cell.name) continue;
      this.names.set(cell.ref, cell.name);
      this.cells.get(cell.ref)?.setAttribute('aria-label', cell.name);
    }
  }

  nameOf(ref) {
    return this.names?.get(ref) ?? '';
  }

  // The cell Tab stops at is the one chosen; focus: it takes the focus too.
  follow(ref, focus) {
    const cell = this.cells.get(ref);
    if (!cell) return;
    if (this.stop !== cell) {
      this.stop?.setAttribute('tabindex', '-1');
      cell.setAttribute('tabindex', '0');
      this.stop = cell;
    }
    if (focus && cell.ownerDocument.activeElement !== cell) cell.focus({ preventScroll: true });
  }

  // The cell an element of the grid is, as {ref}; null for anything else.
  refOf(target) {
    return target?.closest?.('[data-grid-cell]')?.dataset.gridCell ?? null;
  }

  // Whether the focus is on the grid's cells (not in the typing box).
  hasFocus() {
    return Boolean(this.element?.contains(this.page.ownerDocument.activeElement));
  }
}
