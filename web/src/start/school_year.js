// The school year the page's reports and the staff's files are made for: a choice above
// the form, of the years the module offers around today's, kept in the browser for the
// next visit. Until one is chosen, and once the kept one is no longer offered, it follows
// today's date, as on the desktop.

import { localStorageOf } from '../page/page_storage.js';

const KEPT = 'soatnoma.oquvYili';

function keptText(storage) {
  try {
    return storage?.getItem(KEPT) ?? '';
  } catch {
    return ''; // storage refused (a private window): nothing is kept
  }
}

function keep(storage, year) {
  try {
    storage?.setItem(KEPT, String(year));
  } catch {
    // The choice then lasts as long as the page is open.
  }
}

// select: the <select> that shows the choice; label: its caption. Answers {year()}.
export function createSchoolYearChoice({
  module,
  select,
  label,
  storage = localStorageOf(),
  today = () => new Date(),
}) {
  const described = JSON.parse(module.schoolYears(today().getFullYear(), keptText(storage)));
  label.textContent = `${described.caption}:`;
  select.title = described.hint;
  select.replaceChildren(
    ...described.offered.map(({ year, text }) => {
      const option = select.ownerDocument.createElement('option');
      option.value = String(year);
      option.textContent = text;
      return option;
    }),
  );
  select.value = String(described.chosen);
  delete select.dataset.provisional;
  const { body } = select.ownerDocument;
  body.dataset.schoolYear = select.value;
  select.addEventListener('change', () => {
    keep(storage, select.value);
    body.dataset.schoolYear = select.value;
  });
  return { year: () => Number(select.value) };
}
