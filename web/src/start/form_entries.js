// What the teacher last typed into the form (name, school, subject, the lesson hours of each
// weekday, the category and class leadership), kept in the browser's storage at every run
// and when the page is left, so that it comes back the next time the page is opened, as the
// desktop keeps it in its settings.

import { localStorageOf } from './page_storage.js';

const KEY = 'soatnoma.shakl';
export const DAY_BOXES = ['Text7', 'Text8', 'Text9', 'Text10', 'Text11', 'Text12'];
const TEXT_BOXES = { name: 'Text3', school: 'Text6', subject: 'Text4' };

// The days as kept: six texts, Monday first; null for anything else.
export function daysOf(kept) {
  return Array.isArray(kept) && kept.length === DAY_BOXES.length && kept.every((day) => typeof day === 'string')
    ? kept : null;
}

// The entries as the storage holds them; null when none were kept or they are not of the
// form's kinds (a record from elsewhere is passed over rather than shown in part).
function parsed(text) {
  let entries;
  try {
    entries = JSON.parse(text ?? 'null');
  } catch {
    return null;
  }
  if (entries === null || typeof entries !== 'object' || !daysOf(entries.days)) return null;
  const texts = Object.keys(TEXT_BOXES).every((field) => typeof entries[field] === 'string');
  return texts && typeof entries.primary === 'boolean' && typeof entries.leader === 'boolean' ? entries : null;
}

// byId(id): the form's controls; choose(category): sets the category as the teacher would;
// daysChanged(): the days typed, adding up into the weekly hours; storage: localStorage, which
// a browser may refuse (then nothing is remembered). Shows the entries kept, if any, and
// keeps them again when the page is left; save() keeps them at a run.
export function rememberFormEntries({ byId, choose, daysChanged, window = globalThis.window }) {
  const storage = localStorageOf(window);
  const save = () => {
    const entries = { days: DAY_BOXES.map((id) => byId(id).value), primary: byId('Option1').checked, leader: byId('Check1').checked };
    for (const [field, id] of Object.entries(TEXT_BOXES)) entries[field] = byId(id).value;
    try {
      storage?.setItem(KEY, JSON.stringify(entries));
    } catch {
      // A full or refused storage loses the convenience only.
    }
  };
  let entries = null;
  try {
    entries = parsed(storage?.getItem(KEY));
  } catch {
    entries = null;
  }
  if (entries) {
    for (const [field, id] of Object.entries(TEXT_BOXES)) byId(id).value = entries[field];
    DAY_BOXES.forEach((id, index) => { byId(id).value = entries.days[index]; });
    daysChanged();
    byId(entries.primary ? 'Option1' : 'Option2').checked = true;
    choose(entries.primary ? 'primary' : 'upper');
    byId('Check1').checked = entries.leader;
  }
  window.addEventListener('pagehide', save);
  return { save };
}
