// A bar that scrolls sideways says where more of it lies past the screen's edge: its end
// fades where a button is hidden beyond it, as a phone's own bars do, so that a teacher
// sees there is more to swipe to. data-hidden-ends names the ends ("start", "end" or both).
// The bar is measured as the browser lays it out and scrolls it, never out of turn.

// Slack for the fractions of a pixel a scrolled bar may stop short of its end.
const SLACK = 1;

function hiddenEnds(bar) {
  const ends = [];
  if (bar.scrollLeft > SLACK) ends.push('start');
  if (bar.scrollLeft + bar.clientWidth < bar.scrollWidth - SLACK) ends.push('end');
  return ends.join(' ');
}

export function showHiddenEnds(bar) {
  const mark = () => {
    const ends = hiddenEnds(bar);
    if (ends) bar.dataset.hiddenEnds = ends;
    else delete bar.dataset.hiddenEnds;
  };
  bar.addEventListener('scroll', mark, { passive: true });
  // The bar's width, or a button's, shown, hidden or named anew.
  const sizes = new bar.ownerDocument.defaultView.ResizeObserver(mark);
  for (const element of [bar, ...bar.children]) sizes.observe(element);
}
