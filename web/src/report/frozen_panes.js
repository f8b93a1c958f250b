// The report's frozen panes, as a spreadsheet keeps them: while the report scrolls inside its
// box, the table's heading row and its row titles (columns A:B) stay in view. Each is the
// page drawn again with only that part's cells, standing over the page in the same room,
// scaled by the same transform and moved with the scroll; its cells keep their data-cell
// names, so a tap on a pinned cell is a tap on that cell. Every browser lays them out alike.
// On a phone the row titles are pinned short (phone_titles.js) instead.

import { afterPageTurn } from '../page/page_turn.js';
import { drawPage } from './report_view.js';
import { PhoneTitles } from './phone_titles.js';

import { PIXELS_PER_POINT } from './page_points.js';

// The first cell of the table's hours: the heading row stands above its row, the row titles
// to the left of its column.
const FIRST_HOURS = 'C5';
const HEADING_ROW = 'A4';

// Where a sheet's cell stands on the page, in points.
function onPage(report, ref) {
  const box = report.boxes.find((candidate) => candidate.ref === ref);
  const { left, top, scale } = report.page.sheet;
  return { left: left + box.left * scale, top: top + box.top * scale };
}

// A page drawn with only the cells holds(row, column) names: a few dozen of the page's
// hundreds, so it is made in a moment.
function paneOf(document, report, holds) {
  const pane = document.createElement('div');
  pane.className = 'frozen-pane';
  pane.append(
    drawPage(document, { ...report, boxes: report.boxes.filter((box) => box.row > 0 && holds(box.row, box.column)) }),
  );
  return pane;
}

export class FrozenPanes {
  constructor(view) {
    this.view = view;
    this.panes = [];
    view.addEventListener(
      'scroll',
      () => {
        if (this.waiting) this.make();
        this.follow();
      },
      { passive: true },
    );
  }

  // A page just drawn, in its room; its panes are made once the report scrolls in its box;
  // phone: the row titles are pinned short, made at once with the cover over
  // the printed ones and the columns a swipe stops at.
  pin(document, room, report, phone = false) {
    const hours = onPage(report, FIRST_HOURS);
    const heading = onPage(report, HEADING_ROW);
    this.frozen = { left: hours.left - heading.left, top: hours.top - heading.top };
    this.panes = [];
    this.waiting = false;
    // Each pane: the cells it holds, the part of the page it shows (points) and whether it
    // stays at the left, the top, or both. The corner is last, over the other two.
    const headingBand = { top: heading.top, height: this.frozen.top };
    const titleBand = { left: heading.left, width: this.frozen.left };
    const headingPart = {
      holds: (row, column) => row === 4 && column > 2,
      left: hours.left,
      width: report.page.width - hours.left,
      ...headingBand,
      x: false,
      y: true,
    };
    const titles = { top: hours.top, height: report.page.height - hours.top };
    this.phoneTitles = phone && report.rowTitles ? new PhoneTitles(document, report) : null;
    const short = this.phoneTitles;
    this.parts = short
      ? [
          // The cover stays over the printed titles, under the short ones.
          {
            element: short.cover,
            ...headingBand,
            ...titleBand,
            height: this.frozen.top + titles.height,
            x: false,
            y: false,
          },
          headingPart,
          { element: short.pane, ...titles, left: heading.left, x: true, y: false, narrow: true },
          { element: short.corner, ...headingBand, left: heading.left, x: true, y: true, narrow: true },
        ]
      : [
          headingPart,
          { holds: (row, column) => row > 4 && column <= 2, ...titles, ...titleBand, x: true, y: false },
          { holds: (row, column) => row === 4 && column <= 2, ...headingBand, ...titleBand, x: true, y: true },
        ];
    this.drawn = { document, room, report };
    if (short) {
      room.append(short.snaps);
      this.make();
    }
  }

  // Where the view opens across, CSS pixels at the zoom: a phone's first month right beside
  // its short titles, elsewhere the page's left edge.
  // The room must be in the page by then, for the short titles' width to be measured.
  openingLeft() {
    if (!this.phoneTitles) return 0;
    this.show(this.zoom ?? 1);
    return this.phoneTitles.openingLeft((this.zoom ?? 1) * PIXELS_PER_POINT);
  }

  // The width the pinned titles take on the screen, CSS pixels.
  titlesWidth(scale) {
    return this.phoneTitles?.shown ? this.phoneTitles.width() : this.frozen.left * scale;
  }

  // The panes, made the first time the report is larger than its box: once the page has
  // drawn it, or at its first scroll if that comes sooner. Until the report scrolls they
  // would stand exactly over the cells they copy, so the report is drawn without them first.
  makeSoon() {
    if (this.waiting) return;
    this.waiting = true;
    const { drawn } = this;
    afterPageTurn(() => {
      if (this.drawn === drawn) this.make();
    });
  }

  make() {
    this.waiting = false;
    if (this.panes.length > 0 || !this.drawn) return;
    const { document, room, report } = this.drawn;
    this.panes = this.parts.map((part) => ({ ...part, element: part.element ?? paneOf(document, report, part.holds) }));
    room.append(...this.panes.map((pane) => pane.element));
    this.size();
    this.follow();
  }

  // Each pane as large as its part of the page at the zoom shown.
  size() {
    const zoom = this.zoom ?? 1;
    const scale = zoom * PIXELS_PER_POINT;
    for (const pane of this.panes) {
      const { element, left, top, width, height, narrow, holds } = pane;
      // A narrow pane is as wide as the style sheet makes it.
      if (!narrow) element.style.width = `${width * scale}px`;
      element.style.height = `${height * scale}px`;
      if (!holds) continue;
      element.firstElementChild.style.transform = `translate(${-left * scale}px, ${-top * scale}px) scale(${zoom})`;
    }
    this.phoneTitles?.size(
      scale,
      this.parts.find((part) => part.element === this.phoneTitles.pane).top,
      this.frozen.left * scale,
    );
  }

  // The panes at the zoom shown.
  show(zoom) {
    this.zoom = zoom;
    if (!this.drawn) return;
    const { room } = this.drawn;
    const scrolls = room.offsetWidth > this.view.clientWidth + 1 || room.offsetHeight > this.view.clientHeight + 1;
    if (this.panes.length === 0 && scrolls) this.makeSoon();
    this.size();
    const scale = zoom * PIXELS_PER_POINT;
    // A cell brought into view by the keys is not left under a pane.
    if (this.frozen) {
      this.view.style.scrollPaddingLeft = `${this.titlesWidth(scale)}px`;
      this.view.style.scrollPaddingTop = `${this.frozen.top * scale}px`;
    }
    this.follow();
  }

  // Each pane where its part is, or, once that part has scrolled out, at the box's edge.
  follow() {
    if (!this.drawn || this.panes.length === 0) return;
    const scale = (this.zoom ?? 1) * PIXELS_PER_POINT;
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
