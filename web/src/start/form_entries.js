// What the teacher last typed into the form (name, school, subject, the lesson hours of each
// weekday, the category and class leadership), kept in the browser's storage at every run
// and when the page is left, so that it comes back the next time the page is opened, as the
// desktop keeps it in its settings.

import { localStorageOf } from '../page/page_storage.js';

const KEY = 'soatnoma.shakl';
const DAY_COUNT = 6;
// The entries' texts, each the role of the box that holds it.
const TEXTS = ['name', 'school', 'subject'];

// The days as kept: six texts, Monday first; null for anything else.
export function daysOf(kept) {
  return Array.isArray(kept) && kept.length === DAY_COUNT && kept.every((day) => typeof day === 'string') ? kept : null;
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
  const texts = TEXTS.every((field) => typeof entries[field] === 'string');
  return texts && typeof entries.primary === 'boolean' && typeof entries.leader === 'boolean' ? entries : null;
}

// boxes: the form's controls by role (form_boxes.js); choose(category): sets the category as the teacher would;
// daysChanged(): the days typed, adding up into the weekly hours; storage: localStorage, which
// a browser may refuse (then nothing is remembered). Shows the entries kept, if any, and
// keeps them again when the page is left; save() keeps them at a run.
export function rememberFormEntries({ boxes, choose, daysChanged, window = globalThis.window }) {
  const storage = localStorageOf(window);
  const save = () => {
    const entries = {
      days: boxes.days().map((box) => box.value),
      primary: boxes.of('primary').checked,
      leader: boxes.of('classLeader').checked,
    };
    for (const field of TEXTS) entries[field] = boxes.of(field).value;
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
    for (const field of TEXTS) boxes.of(field).value = entries[field];
    boxes.days().forEach((box, index) => {
      box.value = entries.days[index];
    });
    daysChanged();
    boxes.of(entries.primary ? 'primary' : 'upper').checked = true;
    choose(entries.primary ? 'primary' : 'upper');
    boxes.of('classLeader').checked = entries.leader;
  }
  window.addEventListener('pagehide', save);
  return { save };
}
