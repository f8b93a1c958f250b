// The report's zoom as the desktop's report window has it (100 % is the paper's real size).
// The page is drawn at its real size and scaled with a transform, inside a room as large as
// the scaled page, in the box that scrolls over the report. Whatever stands on the page (the
// typing box too) is placed in the page's own points and scales with it, so that every
// browser measures it alike. Until a zoom is chosen the page follows the width of its box,
// also when a scroll bar of the page's own takes some of it after the report is shown.

import { FrozenPanes } from './frozen_panes.js';

export const REPORT_ZOOM = { least: 0.25, most: 4, step: 1.25 };
const PIXELS_PER_POINT = 4 / 3;
// The least size of the row titles' text on the screen, CSS pixels, at which a report opens
// on a phone, where the whole page across the screen cannot be read.
const LEGIBLE_PIXELS = 11;
// A phone's screen, held either way, as the style sheet knows it.
const PHONE = '(max-width: 540px), (max-height: 540px)';

// The zoom at which the row titles (column B of the table) read at LEGIBLE_PIXELS.
function legibleZoom(form) {
  const titles = form.boxes.filter((box) => /^B([5-9]|1\d|20)$/.test(box.ref) && box.lines.length > 0);
  const smallest = Math.min(...titles.map((box) => box.fontSize));
  return LEGIBLE_PIXELS / (smallest * form.page.sheet.scale * PIXELS_PER_POINT);
}

export class ReportZoom {
  // view: the box the report scrolls in; shown(zoom): told after every change of the zoom.
  constructor(view, shown) {
    this.view = view;
    this.shown = shown;
    // No zoom chosen yet: the page follows the box's width, on a phone never smaller than
    // legible.
    this.chosen = undefined;
    this.room = null;
    this.zoom = 1;
    this.panes = new FrozenPanes(view);
    new ResizeObserver(() => {
      if (this.chosen == null) this.apply();
    }).observe(view);
  }

  // A page drawn for a form, held in a room of its own at the zoom that stands; hands back
  // the room, to be shown in the view.
  hold(document, page, form) {
    const room = document.createElement('div');
    room.className = 'page-room';
    room.append(page);
    this.room = room;
    this.size = { width: form.page.width * PIXELS_PER_POINT, height: form.page.height * PIXELS_PER_POINT };
    this.legible = legibleZoom(form);
    this.panes.pin(document, room, form);
    this.apply();
    return room;
  }

  // A zoom chosen, kept within its bounds; null follows the view's width again, even where
  // that is smaller than legible.
  choose(zoom) {
    this.chosen = zoom === null ? null : Math.min(REPORT_ZOOM.most, Math.max(REPORT_ZOOM.least, zoom));
    this.apply();
  }

  zoomIn() { this.choose(this.zoom * REPORT_ZOOM.step); }
  zoomOut() { this.choose(this.zoom / REPORT_ZOOM.step); }

  apply() {
    if (!this.room) return;
    const width = this.view.clientWidth;
    // A hidden view has no width to follow.
    if (this.chosen == null && width === 0) return;
    const fitted = Math.min(1, width / this.size.width);
    const opening = this.chosen === undefined && this.view.ownerDocument.defaultView.matchMedia(PHONE).matches;
    const zoom = this.chosen ?? (opening ? Math.max(fitted, Math.min(1, this.legible)) : fitted);
    this.zoom = zoom;
    this.room.firstElementChild.style.transform = zoom === 1 ? '' : `scale(${zoom})`;
    this.room.style.width = `${this.size.width * zoom}px`;
    this.room.style.height = `${this.size.height * zoom}px`;
    this.panes.show(zoom);
    this.shown(zoom);
  }
}
