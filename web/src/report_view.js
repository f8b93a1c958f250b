// Draws the report form the C++ described: each cell or merged block as an SVG group
// carrying data-cell with its A1 name, its ruled border where it has one, and its lines of
// text at the baselines the layout placed them on (turned text a quarter turn upwards).
// Text that runs past its box is cut off there. Units are points.

const SVG = 'http://www.w3.org/2000/svg';

function element(document, name, attributes) {
  const made = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, String(value));
  return made;
}

function drawBox(document, box, family, clipId) {
  const group = element(document, 'g', { 'data-cell': box.ref });
  if (box.bordered) {
    group.appendChild(element(document, 'rect', {
      x: box.left, y: box.top, width: box.width, height: box.height, class: 'border',
    }));
  }
  if (box.lines.length === 0) return group;
  const text = element(document, 'g', {
    'font-family': family,
    'font-size': box.fontSize,
    'font-weight': box.bold ? 'bold' : 'normal',
  });
  if (box.overflows) {
    const clip = element(document, 'clipPath', { id: clipId });
    clip.appendChild(element(document, 'rect', { x: box.left, y: box.top, width: box.width, height: box.height }));
    group.appendChild(clip);
    text.setAttribute('clip-path', `url(#${clipId})`);
  }
  for (const line of box.lines) {
    const x = box.left + line.x;
    const y = box.top + line.y;
    const placed = element(document, 'text', { x, y });
    if (box.orientation === 90) placed.setAttribute('transform', `rotate(-90 ${x} ${y})`);
    placed.textContent = line.text;
    text.appendChild(placed);
  }
  group.appendChild(text);
  return group;
}

// The sheet as an SVG element, one unit one point.
export function drawSheet(document, form) {
  const svg = element(document, 'svg', {
    viewBox: `0 0 ${form.width} ${form.height}`,
    width: `${form.width}pt`,
    height: `${form.height}pt`,
    class: 'sheet',
  });
  svg.setAttribute('xml:space', 'preserve');
  let clips = 0;
  for (const box of form.boxes) svg.appendChild(drawBox(document, box, form.font.family, `clip${++clips}`));
  return svg;
}

// The whole page: the paper, and the sheet where the page setup puts it.
export function drawPage(document, form) {
  const page = document.createElement('div');
  page.className = 'page';
  page.style.width = `${form.page.width}pt`;
  page.style.height = `${form.page.height}pt`;
  const sheet = drawSheet(document, form);
  const placement = form.page.sheet;
  sheet.style.left = `${placement.left}pt`;
  sheet.style.top = `${placement.top}pt`;
  sheet.style.transform = `scale(${placement.scale})`;
  page.appendChild(sheet);
  return page;
}
