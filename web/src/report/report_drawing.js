// The report's page drawn in two goes where the screen shows only part of it (a phone): the
// cells the screen shows first, with a margin about them, so that Enter is answered at once,
// and the rest of the page right after that frame is drawn. Where the screen shows most of
// the page it is drawn in one go. Either way the page ends with every cell of the report.

import { drawCells, drawPage } from './report_view.js';
import { afterNextFrame } from '../page/page_turn.js';

// How far the first go reaches past the part of the page the screen shows, on each side, as
// a share of that part's width and height: what the screen shows is known to the pixel, so
// only a rounding's worth.
const MARGIN = 0.02;
// The share of the page's cells beyond which the screen shows most of the page.
const MOST = 0.5;

// Whether a box of the sheet, where the page setup places the sheet, meets the area of the
// page ({left, top, right, bottom}, points).
function meets(box, sheet, area) {
  const left = sheet.left + box.left * sheet.scale;
  const top = sheet.top + box.top * sheet.scale;
  return (
    left < area.right &&
    left + box.width * sheet.scale > area.left &&
    top < area.bottom &&
    top + box.height * sheet.scale > area.top
  );
}

// The shown area ({left, top, width, height}, points) with its margin about it.
function reachOf(area) {
  const across = area.width * MARGIN;
  const down = area.height * MARGIN;
  return {
    left: area.left - across,
    top: area.top - down,
    right: area.left + area.width + across,
    bottom: area.top + area.height + down,
  };
}

export class ReportDrawing {
  // report: as the module described it. Its page stands empty until drawShown.
  constructor(document, report) {
    this.report = report;
    this.page = drawPage(document, report, []);
    this.rest = [];
    this.drawn = () => {};
  }

  // The cells that meet the part of the page the screen shows (points; null: the whole page)
  // drawn now, the others kept for later; all of them at once when the screen shows most of
  // the page, where a second go would cost more than the first saves.
  drawShown(area) {
    const {
      boxes,
      page: { sheet },
    } = this.report;
    const reach = area && reachOf(area);
    const now = reach ? boxes.filter((box) => meets(box, sheet, reach)) : boxes;
    const most = now.length > boxes.length * MOST;
    this.rest = most ? [] : boxes.filter((box) => !meets(box, sheet, reach));
    drawCells(this.page, most ? boxes : now);
  }

  // The rest drawn once the browser has drawn what the screen shows; drawn(): told when the
  // whole page is, at once if it is already.
  drawRestSoon(window, drawn) {
    this.drawn = drawn;
    if (this.rest.length === 0) {
      drawn();
      return;
    }
    afterNextFrame(window, () => this.finish());
  }

  // The rest drawn now if it is still to come (a print cannot wait). A cell the teacher's
  // corrections drew meanwhile stays as they drew it.
  finish() {
    if (this.rest.length === 0) return;
    const cells = this.page.firstElementChild.querySelectorAll('g[data-cell]');
    const present = new Set([...cells].map((cell) => cell.dataset.cell));
    drawCells(
      this.page,
      this.rest.filter((box) => !present.has(box.ref)),
    );
    this.rest = [];
    this.drawn();
  }

  // A newer report took its place: nothing more is drawn.
  dispose() {
    this.rest = [];
  }
}
