// The browser's storage as a page may or may not be given it: a browser set to keep no site
// data, and some private windows, throw at the mere reading of localStorage or indexedDB.
// The page then works on without them.

// What window[name] holds, or null when the browser refuses it.
function refusable(window, name) {
  try {
    return window[name] ?? null;
  } catch {
    return null;
  }
}

// localStorage, or null.
export function localStorageOf(window = globalThis.window) {
  return refusable(window, 'localStorage');
}

// indexedDB, or null.
export function indexedDBOf(window = globalThis.window) {
  return refusable(window, 'indexedDB');
}

// Whether texts can be kept in the storage (a browser may hand it over and refuse every
// write, as some private windows did).
export function keepsTexts(storage) {
  if (!storage) return false;
  try {
    storage.setItem('soatnoma.xotira', '1');
    storage.removeItem('soatnoma.xotira');
    return true;
  } catch {
    return false;
  }
}
