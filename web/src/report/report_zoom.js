// The report's zoom as the desktop's report window has it (100 % is the paper's real size),
// its limits, steps and text the module's. The page is drawn at its real size and scaled
// with a transform, inside a room as large as the scaled page, in the box that scrolls over
// the report. Whatever stands on the page (the typing box too) is placed in the page's own
// points and scales with it, so that every browser measures it alike. Until a zoom is
// chosen the page follows the width of its box (never wider than the paper), also when a
// scroll bar of the page's own takes some of it after the report is shown.

import { FrozenPanes } from './frozen_panes.js';
import { PIXELS_PER_POINT } from './page_points.js';
// The least size of the table's text on the screen, CSS pixels, at which a report opens on a
// phone, where the whole page across the screen cannot be read.
const LEGIBLE_PIXELS = 12;
// A phone's screen, held either way, as the style sheet knows it.
const PHONE = '(max-width: 540px), (max-height: 540px)';

// The table's months, quarters and year (columns C:S) under their headings (row 4): beside
// a phone's short row titles, these are what must read.
const TABLE = { firstColumn: 3, firstRow: 4, lastRow: 20 };

// The zoom at which the table's headings and hours read at LEGIBLE_PIXELS.
function legibleZoom(report) {
  const texts = report.boxes.filter(
    (box) =>
      box.column >= TABLE.firstColumn && box.row >= TABLE.firstRow && box.row <= TABLE.lastRow && box.lines.length > 0,
  );
  const smallest = Math.min(...texts.map((box) => box.fontSize));
  return LEGIBLE_PIXELS / (smallest * report.page.sheet.scale * PIXELS_PER_POINT);
}

export class ReportZoom {
  // view: the box the report scrolls in; text: the element that says the zoom; shown(zoom):
  // told after every change of the zoom.
  constructor({ module, view, text, shown = () => {} }) {
    this.module = module;
    this.view = view;
    this.text = text;
    this.shown = shown;
    // No zoom chosen yet: the page follows the box's width, on a phone never smaller than
    // legible; null: it follows the box's width again.
    this.chosen = undefined;
    this.room = null;
    this.zoomed = null; // the room the zoom was last applied to
    this.zoom = 1;
    this.panes = new FrozenPanes(view);
    this.phone = view.ownerDocument.defaultView.matchMedia(PHONE); // whether the screen is a phone's, as it is turned
    new ResizeObserver(() => {
      if (this.chosen == null) this.apply();
    }).observe(view);
  }

  // The page put in a room of its own, sized for the zoom; returns the room.
  hold(document, page, report) {
    const room = document.createElement('div');
    room.className = 'page-room';
    room.append(page);
    this.room = room;
    this.size = { width: report.page.width * PIXELS_PER_POINT, height: report.page.height * PIXELS_PER_POINT };
    this.report = report;
    this.legible = null; // found the first time a phone opens the report
    this.panes.pin(document, room, report, this.phone.matches);
    this.apply();
    return room;
  }

  // A zoom chosen, held within the limits; null follows the view's width again, even where
  // that is smaller than legible.
  choose(zoom) {
    this.chosen = zoom === null ? null : this.module.heldZoom(zoom);
    this.apply();
  }

  // Where the view opens across (CSS pixels): on a phone, the first month beside the short titles.
  openingLeft() {
    return this.panes.openingLeft();
  }

  zoomIn() {
    this.choose(this.module.steppedZoom(this.zoom, 1));
  }
  zoomOut() {
    this.choose(this.module.steppedZoom(this.zoom, -1));
  }

  // The part of the page the screen will show at the zoom, in the page's points, the view
  // standing as sight says (viewInSight): as wide as the view within the screen, as tall as
  // the screen below the view's top. Null when none of it is in sight.
  shownArea(sight) {
    const width = Math.min(sight.screenWidth, sight.left + sight.width) - Math.max(0, sight.left);
    const height = sight.screenHeight - Math.max(0, sight.top);
    if (width <= 0 || height <= 0) return null;
    const scale = this.zoom * PIXELS_PER_POINT;
    return {
      left: (sight.scrollLeft + Math.max(0, -sight.left)) / scale,
      top: (sight.scrollTop + Math.max(0, -sight.top)) / scale,
      width: width / scale,
      height: height / scale,
    };
  }

  apply() {
    if (!this.room) return;
    const width = this.view.clientWidth;
    // A hidden view has no width to follow.
    if (this.chosen == null && width === 0) return;
    const fitted = Math.min(1, width / this.size.width);
    const opening = this.chosen === undefined && this.phone.matches;
    if (opening) this.legible ??= legibleZoom(this.report);
    const zoom = this.chosen ?? this.module.heldZoom(opening ? Math.max(fitted, Math.min(1, this.legible)) : fitted);
    // A room already at this zoom is left as it is (its view settling once the page is in
    // it), so that the browser need not lay it out again; its panes may be due.
    if (this.room === this.zoomed && zoom === this.zoom) {
      this.panes.show(zoom);
      return;
    }
    this.zoomed = this.room;
    this.zoom = zoom;
    this.room.firstElementChild.style.transform = zoom === 1 ? '' : `scale(${zoom})`;
    this.room.style.width = `${this.size.width * zoom}px`;
    this.room.style.height = `${this.size.height * zoom}px`;
    this.panes.show(zoom);
    this.text.textContent = this.module.zoomText(zoom);
    this.shown(zoom);
  }
}
