// Text written into markup (the page's own, a drawn report's SVG, a workbook's XML): escaped
// so that it stands in an element or an attribute as itself and is never read as markup.

const ESCAPES = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };

export function escapedMarkup(text) {
  return String(text).replace(/[&<>"]/g, (c) => ESCAPES[c]);
}
