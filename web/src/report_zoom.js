// The report's zoom as the desktop's report window has it, 100 % the paper's real size: as
// wide as the screen lets it be (never wider than the paper), or as chosen with "+" and "−";
// its limits, steps and text are the module's.

export class ReportZoom {
  // sheet: where the report's page is; text: the element that says the zoom; room(): the
  // room across the screen, CSS pixels.
  constructor({ module, sheet, text, room }) {
    this.module = module;
    this.sheet = sheet;
    this.text = text;
    this.room = room;
    this.chosen = null;  // null while the zoom follows the screen's width
  }

  // The page at the zoom, said beside the buttons.
  fit(page) {
    // The page's width is set in points; 3 points are 4 CSS pixels.
    const fitted = Math.min(1, this.room() / (parseFloat(page.style.width) * 4 / 3));
    const zoom = this.chosen ?? this.module.heldZoom(fitted);
    page.style.zoom = String(zoom);
    this.text.textContent = this.module.zoomText(zoom);
  }

  page() {
    return this.sheet.querySelector('.page');
  }

  // The page shown fitted again: the screen turned or the zoom chosen.
  refit() {
    const page = this.page();
    if (page) this.fit(page);
  }

  // steps in (above 0) or out from the zoom shown; null: back to the screen's width.
  step(steps) {
    if (!this.page()) return;
    const shown = parseFloat(this.page().style.zoom || '1');
    this.chosen = steps === null ? null : this.module.steppedZoom(shown, steps);
    this.refit();
  }
}
