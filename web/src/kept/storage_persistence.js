// Kept reports must survive on a phone too, where a browser short of room clears the storage
// of pages it was not asked to keep. When a report is first kept, the page asks the browser
// to keep its storage (navigator.storage.persist()); where the browser refuses, the teacher
// is told so, once, beside the offer of kept reports.

import { localStorageOf } from '../page/page_storage.js';

// Set in the browser's storage once the refusal was said, so it is not said again.
const SAID = 'soatnoma.doimiy-xotira-rad-etildi';

function said(storage) {
  try {
    return storage?.getItem(SAID) === 'ha';
  } catch {
    return false;
  }
}

// note: the element beside the offer that says the refusal; refused: the module's words for
// it. Answers the work to do when a report is first kept; data-persisted on note tells what
// the browser answered (yes, no).
export function storagePersistence({ note, refused, window = globalThis.window }) {
  let asked = false;
  return async () => {
    if (asked) return;
    asked = true;
    const manager = window.navigator.storage;
    if (typeof manager?.persist !== 'function') return;
    let granted = false;
    try {
      granted = (await manager.persisted?.()) || (await manager.persist());
    } catch {
      granted = false;
    }
    note.dataset.persisted = granted ? 'yes' : 'no';
    const storage = localStorageOf(window);
    if (granted || said(storage)) return;
    note.textContent = refused;
    note.hidden = false;
    try {
      storage?.setItem(SAID, 'ha');
    } catch {
      // Said again next time, rather than never.
    }
  };
}
