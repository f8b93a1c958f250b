// The report's frozen panes, as a spreadsheet keeps them: while the report scrolls inside its
// box, the table's heading row and its row titles (columns A:B) stay in view. Each is a copy
// of the drawn page cut to that part, standing over the page in the same room, scaled by the
// same transform and moved with the scroll; the copies keep the cells' data-cell names, so a
// tap on a pinned cell is a tap on that cell. Every browser lays them out alike.

import { PIXELS_PER_POINT } from './page_points.js';

// The first cell of the table's hours: the heading row stands above its row, the row titles
// to the left of its column.
const FIRST_HOURS = 'C5';
const HEADING_ROW = 'A4';

// Where a sheet's cell stands on the page, in points.
function onPage(form, ref) {
  const box = form.boxes.find((candidate) => candidate.ref === ref);
  const { left, top, scale } = form.page.sheet;
  return { left: left + box.left * scale, top: top + box.top * scale };
}

// A copy of the drawn page holding only the cells holds(row, column) names.
function paneOf(document, page, holds) {
  const pane = document.createElement('div');
  pane.className = 'frozen-pane';
  const copy = page.cloneNode(true);
  copy.querySelector('#CellEditor')?.remove();
  for (const cell of copy.querySelectorAll('g[data-cell]')) {
    const [, column, row] = /^([A-Z])(\d+)$/.exec(cell.dataset.cell);
    if (!holds(Number(row), column.charCodeAt(0) - 64)) cell.remove();
  }
  pane.append(copy);
  return pane;
}

export class FrozenPanes {
  constructor(view) {
    this.view = view;
    this.panes = [];
    view.addEventListener('scroll', () => this.follow(), { passive: true });
  }

  // A page just drawn, in its room; its panes are made once the report scrolls in its box.
  pin(document, room, page, form) {
    const hours = onPage(form, FIRST_HOURS);
    const heading = onPage(form, HEADING_ROW);
    this.frozen = { left: hours.left - heading.left, top: hours.top - heading.top };
    this.panes = [];
    // Each pane: the cells it holds, the part of the page it shows (points) and whether it
    // stays at the left, the top, or both. The corner is last, over the other two.
    const headingBand = { top: heading.top, height: this.frozen.top };
    const titleBand = { left: heading.left, width: this.frozen.left };
    this.parts = [
      { holds: (row, column) => row === 4 && column > 2, left: hours.left, width: form.page.width - hours.left, ...headingBand, x: false, y: true },
      { holds: (row, column) => row > 4 && column <= 2, top: hours.top, height: form.page.height - hours.top, ...titleBand, x: true, y: false },
      { holds: (row, column) => row === 4 && column <= 2, ...headingBand, ...titleBand, x: true, y: true },
    ];
    this.drawn = { document, room, page };
  }

  // The panes, made the first time the report is larger than its box.
  make() {
    const { document, room, page } = this.drawn;
    this.panes = this.parts.map((part) => ({ ...part, element: paneOf(document, page, part.holds) }));
    room.append(...this.panes.map((pane) => pane.element));
  }

  // The panes at the zoom shown.
  show(zoom) {
    this.zoom = zoom;
    if (!this.drawn) return;
    const { room } = this.drawn;
    const scrolls = room.offsetWidth > this.view.clientWidth + 1 || room.offsetHeight > this.view.clientHeight + 1;
    if (this.panes.length === 0 && scrolls) this.make();
    const scale = zoom * PIXELS_PER_POINT;
    for (const pane of this.panes) {
      const { element, left, top, width, height } = pane;
      element.style.width = `${width * scale}px`;
      element.style.height = `${height * scale}px`;
      element.firstElementChild.style.transform = `translate(${-left * scale}px, ${-top * scale}px) scale(${zoom})`;
    }
    // A cell brought into view by the keys is not left under a pane.
    if (this.frozen) {
      this.view.style.scrollPaddingLeft = `${this.frozen.left * scale}px`;
      this.view.style.scrollPaddingTop = `${this.frozen.top * scale}px`;
    }
    this.follow();
  }

  // Each pane where its part is, or, once that part has scrolled out, at the box's edge.
  follow() {
    const scale = (this.zoom ?? 1) * PIXELS_PER_POINT;
    if (!this.drawn) return;
    // The scroll as it will stand in the room at this zoom, which may be smaller than it was.
    const { room } = this.drawn;
    const scrollLeft = Math.min(this.view.scrollLeft, Math.max(0, room.offsetWidth - this.view.clientWidth));
    const scrollTop = Math.min(this.view.scrollTop, Math.max(0, room.offsetHeight - this.view.clientHeight));
    for (const { element, left, top, x, y } of this.panes) {
      const atLeft = x ? Math.max(left * scale, scrollLeft) : left * scale;
      const atTop = y ? Math.max(top * scale, scrollTop) : top * scale;
      element.style.transform = `translate(${atLeft}px, ${atTop}px)`;
    }
  }
}
