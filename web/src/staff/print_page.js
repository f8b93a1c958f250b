// A teacher's page as the whole staff's print draws it: the same paper, frame and text as the
// report drawn on the screen (report_view.js), but with nothing that only the screen needs,
// so that thousands of pages held for the print take a fraction of the memory. The screen
// draws each cell as a group of its own, named for the teacher's clicks and corrections;
// here every ruled border of the page is one path, and each line of text one element
// standing on its own, cut off at its cell's edge where it runs past it.

import { escapedMarkup as escaped } from '../build/markup_text.js';

// The outlines of every bordered cell, one subpath each.
function bordersMarkup(boxes) {
  let path = '';
  for (const { left, top, width, height, bordered } of boxes) {
    if (bordered) path += `M${left} ${top}h${width}v${height}h${-width}Z`;
  }
  return path ? `<path class="border" d="${path}"/>` : '';
}

function textMarkup(box) {
  let markup = '';
  let clip = '';
  if (box.overflows) {
    const id = `print-clip-${box.ref}`;
    const rect = `x="${box.left}" y="${box.top}" width="${box.width}" height="${box.height}"`;
    markup += `<clipPath id="${id}"><rect ${rect}/></clipPath>`;
    clip = ` clip-path="url(#${id})"`;
  }
  const font = ` font-size="${box.fontSize}"${box.bold ? ' font-weight="bold"' : ''}${clip}`;
  for (const line of box.lines) {
    const x = box.left + line.x;
    const y = box.top + line.y;
    const turn = box.orientation === 90 ? ` transform="rotate(-90 ${x} ${y})"` : '';
    markup += `<text x="${x}" y="${y}"${font}${turn}>${escaped(line.text)}</text>`;
  }
  return markup;
}

// The page's markup: the paper, and the sheet where the page setup puts it.
export function printPageMarkup(report) {
  const { page } = report;
  const placement = page.sheet;
  let markup =
    `<div class="page" style="width:${page.width}pt;height:${page.height}pt">` +
    '<svg xmlns="http://www.w3.org/2000/svg" class="sheet" ' +
    `viewBox="0 0 ${report.width} ${report.height}" width="${report.width}pt" height="${report.height}pt" ` +
    `font-family="${escaped(report.font.family)}" ` +
    `style="left:${placement.left}pt;top:${placement.top}pt;transform:scale(${placement.scale})">`;
  markup += bordersMarkup(report.boxes);
  for (const box of report.boxes) markup += textMarkup(box);
  return `${markup}</svg></div>`;
}
