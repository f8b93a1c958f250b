// A report just drawn is brought into view when it stands below what the screen shows (on a
// phone the form alone fills the screen), so that the screen answers "Bajar!" at once; a
// report already well in sight stays where it is.

// The share of the screen's height below which a report's top counts as out of sight.
const IN_SIGHT = 2 / 3;

// Where the report's top stands on the screen once revealed, from where it stands now.
function revealedTop(top, window) {
  return top >= 0 && top <= window.innerHeight * IN_SIGHT ? top : 0;
}

export function revealReport(report, window) {
  const top = report.getBoundingClientRect().top;
  if (revealedTop(top, window) === top) return;
  report.scrollIntoView({ block: 'start' });
}

// Where the view the report scrolls in will stand on the screen once the report is revealed
// ({left, top, width}, CSS pixels), how far it is scrolled, and the screen's size. Read
// while the report is laid out without its page, so that the cells the screen will show can
// be drawn first.
export function viewInSight(report, view, window) {
  const top = report.getBoundingClientRect().top;
  const placed = view.getBoundingClientRect();
  return {
    left: placed.left,
    top: placed.top - (top - revealedTop(top, window)),
    width: placed.width,
    scrollLeft: view.scrollLeft,
    scrollTop: view.scrollTop,
    screenWidth: window.innerWidth,
    screenHeight: window.innerHeight,
  };
}
