// A phone's pinned row titles: in place of the printed row titles (columns A:B, most of a
// phone's width at a size that reads), a narrow column of each row's section number and its
// kind of work in a few words, as the module names them, the whole title said on a tap. The
// printed titles beneath are covered, so that the months stand right beside the short ones;
// and a swipe stops at each column, one or two at a time rather than half the year.

import { escapedMarkup as escaped } from '../build/markup_text.js';

// Where a box of the sheet stands on the page, in points.
function onPage(report, box) {
  const { left, top, scale } = report.page.sheet;
  return {
    left: left + box.left * scale,
    top: top + box.top * scale,
    width: box.width * scale,
    height: box.height * scale,
  };
}

// The rows of the short titles, each where its printed title stands on the page (points).
function titleRows(report) {
  const titles = new Map(report.boxes.filter((box) => box.column === 2).map((box) => [box.row, onPage(report, box)]));
  return report.rowTitles
    .filter((title) => titles.has(title.row))
    .map((title) => ({ ...title, frame: titles.get(title.row) }));
}

function titlesMarkup(rows) {
  return rows
    .map(({ row, section, short, whole }) => {
      const number = section ? `<b>${escaped(section)}.</b> ` : '';
      return (
        `<div class="phone-title${section ? ' section' : ''}" data-title-row="${row}"` +
        ` data-whole-title="${escaped(whole)}"><span>${number}${escaped(short)}</span></div>`
      );
    })
    .join('');
}

export class PhoneTitles {
  // report: as the module drew it; frozen: the printed titles' part of the page
  // ({left, top, width, height}, points), which the short titles cover.
  constructor(document, report) {
    this.rows = titleRows(report);
    this.columns = report.boxes.filter((box) => box.row === 4 && box.column > 2).map((box) => onPage(report, box).left);
    this.pane = document.createElement('div');
    this.pane.className = 'frozen-pane phone-titles';
    this.pane.setAttribute('aria-hidden', 'true');
    this.pane.innerHTML = titlesMarkup(this.rows);
    this.corner = document.createElement('div');
    this.corner.className = 'frozen-pane phone-titles corner';
    this.cover = document.createElement('div');
    this.cover.className = 'frozen-pane title-cover';
    this.snaps = document.createElement('div');
    this.snaps.className = 'column-snaps';
    this.snaps.innerHTML = this.columns.map(() => '<i></i>').join('');
  }

  // The short titles' width on the screen, CSS pixels, as the style sheet sets it.
  width() {
    if (!this.measured) this.measured = this.pane.offsetWidth;
    return this.measured;
  }

  // Every row at the page's scale (CSS pixels a point), from the pane's top (points); printed:
  // the printed titles' width there. Zoomed out until the printed titles are no wider than
  // the short ones, the short ones would hide the months: the printed ones show instead.
  size(scale, top, printed) {
    this.shown = this.width() < printed;
    for (const element of [this.pane, this.corner, this.cover, this.snaps]) element.hidden = !this.shown;
    // A title wraps onto as many lines as its row has room for, and ends in "…" where it is cut.
    const window = this.pane.ownerDocument.defaultView;
    if (this.shown) this.line ??= parseFloat(window.getComputedStyle(this.pane.firstElementChild).lineHeight) || null;
    for (const [index, element] of [...this.pane.children].entries()) {
      const { frame } = this.rows[index];
      element.style.top = `${(frame.top - top) * scale}px`;
      element.style.height = `${frame.height * scale}px`;
      const lines = this.line ? Math.max(1, Math.floor((frame.height * scale) / this.line)) : 1;
      element.style.setProperty('--lines', String(lines));
    }
    [...this.snaps.children].forEach((snap, index) => {
      snap.style.left = `${this.columns[index] * scale}px`;
    });
  }

  // Where the view opens across: the first month right beside the short titles (CSS pixels).
  openingLeft(scale) {
    return this.shown ? Math.max(0, this.columns[0] * scale - this.width()) : 0;
  }
}

// The whole title of a short one tapped, or null when something else was.
export function wholeTitleAt(target) {
  return target?.closest?.('[data-whole-title]')?.dataset.wholeTitle ?? null;
}
