// The names of what the teacher can do and the staff list's headings, shown as the desktop
// shows them: the module's, carried in the page (labels: actionLabels, rosterColumns), and
// written into the elements that carry them. An element
// with data-label takes the name (and its tool tip, if it has one), followed by the page's
// own words in data-more; one with data-label-title takes the name as its tool tip only (a
// button showing a sign).

export function showSharedLabels(document, { labels, rosterColumns }) {
  for (const element of document.querySelectorAll('[data-label]')) {
    const label = labels[element.dataset.label];
    element.textContent = label.text + (element.dataset.more ?? '');
    if (label.toolTip) element.title = label.toolTip;
  }
  for (const element of document.querySelectorAll('[data-label-title]')) {
    const { text } = labels[element.dataset.labelTitle];
    element.title = text;
    element.setAttribute('aria-label', text);
  }
  const headings = rosterColumns.map((column) => {
    const heading = document.createElement('th');
    heading.textContent = column.heading;
    if (column.toolTip) heading.title = column.toolTip;
    return heading;
  });
  document.querySelector('#RosterRows thead tr').replaceChildren(...headings);
}
