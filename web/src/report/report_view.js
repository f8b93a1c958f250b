// Draws the report the C++ described: each cell or merged block as an SVG group
// carrying data-cell with its A1 name and data-value with the text a cell of the report
// shows, its ruled border where it has one, and its lines of text at the baselines the
// layout placed them on (turned text a quarter turn upwards).
// Text that runs past its box is cut off there. Each line is held to the length the layout
// measured, as a browser lays text of some sizes out wider (WebKitGTK, whose glyphs take
// whole pixels at the size they are shown): its glyphs are drawn that little narrower or
// wider, so that the browser still draws the line as one run of text (held by its spacing
// instead, a line is drawn letter by letter, which costs a phone more than all the report's
// numbers). Units are points. The drawing is written as one piece of markup, which the
// browser takes in far faster than element by element.

import { escapedMarkup as escaped } from '../build/markup_text.js';

// A corrected cell's light fill and a checked cell's red corner (its size the module's), on
// the screen only, and the tool tip that says why.
function markMarkup(box, mark) {
  if (!mark) return '';
  const { left, top, width, height } = box;
  let markup = mark.toolTip ? `<title>${escaped(mark.toolTip)}</title>` : '';
  if (mark.fill)
    markup += `<rect class="mark ${mark.fill}" x="${left}" y="${top}" width="${width}" height="${height}"/>`;
  if (mark.redCorner) {
    const right = left + width;
    markup += `<path class="mark corner" d="M${right - mark.corner} ${top}H${right}V${top + mark.corner}Z"/>`;
  }
  return markup;
}

// One drawn cell, its A1 name in data-cell and, for a cell of the report, the text it shows
// in data-value (its lines hold the same, its tool tip more); mark: how the teacher's
// corrections mark it, if at all. Its font is set on the cell's group, and a text that runs
// past the box is cut off line by line, so a cell is as few elements as it can be: the
// browser takes in and lays out hundreds of them.
export function boxMarkup(box, clipId, mark) {
  const { left, top, width, height } = box;
  const value = box.value === undefined ? '' : ` data-value="${escaped(box.value)}"`;
  const font = box.lines.length > 0 ? ` font-size="${box.fontSize}"${box.bold ? ' font-weight="bold"' : ''}` : '';
  let markup = `<g data-cell="${box.ref}"${value}${font}>${markMarkup(box, mark)}`;
  if (box.bordered) markup += `<rect class="border" x="${left}" y="${top}" width="${width}" height="${height}"/>`;
  let clip = '';
  if (box.lines.length > 0 && box.overflows) {
    markup += `<clipPath id="${clipId}"><rect x="${left}" y="${top}" width="${width}" height="${height}"/></clipPath>`;
    clip = ` clip-path="url(#${clipId})"`;
  }
  for (const line of box.lines) {
    const x = left + line.x;
    const y = top + line.y;
    const turn = box.orientation === 90 ? ` transform="rotate(-90 ${x} ${y})"` : '';
    const length = line.advance > 0 ? ` textLength="${line.advance}" lengthAdjust="spacingAndGlyphs"` : '';
    markup += `<text x="${x}" y="${y}"${turn}${length}${clip}>${escaped(line.text)}</text>`;
  }
  return `${markup}</g>`;
}

// The cells of the boxes given, as markup.
function cellsMarkup(boxes) {
  let markup = '';
  boxes.forEach((box) => {
    markup += boxMarkup(box, `clip-${box.ref}`);
  });
  return markup;
}

// The sheet as SVG markup, one unit one point, with the cells of the boxes given. A reader of
// the screen walks the report's grid (report_grid.js) instead of the drawing.
function sheetMarkup(report, boxes) {
  return (
    `<svg xmlns="http://www.w3.org/2000/svg" class="sheet" aria-hidden="true" ` +
    `viewBox="0 0 ${report.width} ${report.height}" ` +
    `width="${report.width}pt" height="${report.height}pt" font-family="${escaped(report.font.family)}">` +
    `${cellsMarkup(boxes)}</svg>`
  );
}

// More cells drawn on a page already drawn (boxes of its report).
export function drawCells(page, boxes) {
  page.firstElementChild.insertAdjacentHTML('beforeend', cellsMarkup(boxes));
}

// The page: the paper, and the sheet where the page setup puts it, with the cells of the
// boxes given (all of the report's unless told).
export function drawPage(document, report, boxes = report.boxes) {
  const page = document.createElement('div');
  page.className = 'page';
  page.style.width = `${report.page.width}pt`;
  page.style.height = `${report.page.height}pt`;
  page.innerHTML = sheetMarkup(report, boxes);
  const sheet = page.firstElementChild;
  const placement = report.page.sheet;
  sheet.style.left = `${placement.left}pt`;
  sheet.style.top = `${placement.top}pt`;
  sheet.style.transform = `scale(${placement.scale})`;
  return page;
}
