// The names of what the teacher can do and the staff list's headings, shown as the desktop
// shows them: the module's, written into the page's markup when the page is built.

import { escapedMarkup } from './markup_text.js';

// An element of the page's markup with data-label="NAME" (empty) or data-label-title="NAME".
const LABELLED = /<(\w+)((?:\s+[\w-]+(?:="[^"]*")?)*?)\s+data-label(-title)?="(\w+)"((?:\s+[\w-]+(?:="[^"]*")?)*)>/g;

// The value of the attribute name in attributes' markup; null without it.
function attributeOf(attributes, name) {
  const found = attributes.match(new RegExp(`\\s${name}="([^"]*)"`));
  return found ? found[1] : null;
}

// The page's markup with the names written in: an element with data-label takes the name
// (and its tool tip, if it has one) followed by the page's own words in data-more; one with
// data-label-title takes the name as its tool tip only (a button showing a sign). labels: the
// module's actionLabels.
export function labelledMarkup(html, labels) {
  return html.replace(LABELLED, (element, tag, before, titleOnly, name, after) => {
    const label = labels[name];
    if (!label) throw new Error(`no label named ${name}`);
    const text = escapedMarkup(label.text);
    let attributes = `${before} data-label${titleOnly ?? ''}="${name}"${after}`;
    const title = titleOnly ? text : label.toolTip ? escapedMarkup(label.toolTip) : null;
    if (title !== null) attributes = `${attributes.replace(/\stitle="[^"]*"/, '')} title="${title}"`;
    if (titleOnly) return `<${tag}${attributes} aria-label="${text}">`;
    const more = attributeOf(after + before, 'data-more') ?? '';
    return `<${tag}${attributes}>${text}${more}`;
  });
}

// The staff list's headings as markup, with their tool tips (the module's rosterColumns).
export function rosterHeadingsMarkup(rosterColumns) {
  return rosterColumns
    .map((column) => {
      const title = column.toolTip ? ` title="${escapedMarkup(column.toolTip)}"` : '';
      return `<th${title}>${escapedMarkup(column.heading)}</th>`;
    })
    .join('');
}
