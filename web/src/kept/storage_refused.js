// A browser set to keep no site data for the page (its own setting, some private windows):
// the page works on without its storage, and says once, where the offer of kept reports
// would stand, what it then cannot do.

import { keepsTexts, localStorageOf } from '../page/page_storage.js';

// note: the element it is said in (#StorageNote). The body's data-storage-refused names what
// the browser refuses ("reports", "entries"). Answers whether reports can be kept.
export async function sayStorageRefused({ module, kept, note, window = globalThis.window }) {
  const reports = await kept.usable();
  const entries = keepsTexts(localStorageOf(window));
  const text = module.storageRefusedText(!reports, !entries);
  if (!text) return reports;
  note.textContent = text;
  note.hidden = false;
  const refused = [reports ? '' : 'reports', entries ? '' : 'entries'].filter(Boolean);
  window.document.body.dataset.storageRefused = refused.join(' ');
  return reports;
}
