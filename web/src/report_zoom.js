// The report's zoom as the desktop's report window has it (100 % is the paper's real size),
// its limits, steps and text the module's. The page is drawn at its real size and scaled
// with a transform, inside a room as large as the scaled page, in the box that scrolls over
// the report. Whatever stands on the page (the typing box too) is placed in the page's own
// points and scales with it, so that every browser measures it alike. Until a zoom is
// chosen the page follows the width of its box (never wider than the paper), also when a
// scroll bar of the page's own takes some of it after the report is shown.

// CSS pixels to a point of the page at its real size.
export const PIXELS_PER_POINT = 4 / 3;

export class ReportZoom {
  // view: the box the report scrolls in; text: the element that says the zoom; shown(zoom):
  // told after every change of the zoom.
  constructor({ module, view, text, shown = () => {} }) {
    this.module = module;
    this.view = view;
    this.text = text;
    this.shown = shown;
    this.chosen = null;  // null while the zoom follows the view's width
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

  // A zoom chosen, held within the limits; null follows the view's width again.
  choose(zoom) {
    this.chosen = zoom === null ? null : this.module.heldZoom(zoom);
    this.apply();
  }

  zoomIn() { this.choose(this.module.steppedZoom(this.zoom, 1)); }
  zoomOut() { this.choose(this.module.steppedZoom(this.zoom, -1)); }

  apply() {
    if (!this.room) return;
    const width = this.view.clientWidth;
    // A hidden view has no width to follow.
    if (this.chosen === null && width === 0) return;
    const zoom = this.chosen ?? this.module.heldZoom(Math.min(1, width / this.size.width));
    this.zoom = zoom;
    this.room.firstElementChild.style.transform = zoom === 1 ? '' : `scale(${zoom})`;
    this.room.style.width = `${this.size.width * zoom}px`;
    this.room.style.height = `${this.size.height * zoom}px`;
    this.text.textContent = this.module.zoomText(zoom);
    this.shown(zoom);
  }
}
