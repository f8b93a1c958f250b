// A report just drawn is brought into view when it stands below what the screen shows (on a
// phone the form alone fills the screen), so that the screen answers "Bajar!" at once; a
// report already well in sight stays where it is.

// The share of the screen's height below which a report's top counts as out of sight.
const IN_SIGHT = 2 / 3;

export function revealReport(report, window) {
  const top = report.getBoundingClientRect().top;
  if (top >= 0 && top <= window.innerHeight * IN_SIGHT) return;
  report.scrollIntoView({ block: 'start' });
}
