// The report's zoom as the desktop's report window has it (100 % is the paper's real size).
// The page is drawn at its real size and scaled with a transform, inside a room as large as
// the scaled page, in the box that scrolls over the report. Whatever stands on the page (the
// typing box too) is placed in the page's own points and scales with it, so that every
// browser measures it alike. Until a zoom is chosen the page follows the width of its box,
// also when a scroll bar of the page's own takes some of it after the report is shown.

export const REPORT_ZOOM = { least: 0.25, most: 4, step: 1.25 };
const PIXELS_PER_POINT = 4 / 3;

export class ReportZoom {
  // view: the box the report scrolls in; shown(zoom): told after every change of the zoom.
  constructor(view, shown) {
    this.view = view;
    this.shown = shown;
    this.chosen = null;
    this.room = null;
    this.zoom = 1;
    new ResizeObserver(() => {
      if (this.chosen === null) this.apply();
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
    this.apply();
    return room;
  }

  // A zoom chosen, kept within its bounds; null follows the view's width again.
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
    if (this.chosen === null && width === 0) return;
    const zoom = this.chosen ?? Math.min(1, width / this.size.width);
    this.zoom = zoom;
    this.room.firstElementChild.style.transform = zoom === 1 ? '' : `scale(${zoom})`;
    this.room.style.width = `${this.size.width * zoom}px`;
    this.room.style.height = `${this.size.height * zoom}px`;
    this.shown(zoom);
  }
}
