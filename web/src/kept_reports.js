// Reports not yet saved as a workbook, kept in the browser's own storage (IndexedDB) at
// every change, so that a closed tab, a reload or a flat battery loses nothing: what the form
// held for the run, or the workbook it was opened from, and the hours of every cell.

const DATABASE = 'soatnoma';
const STORE = 'saqlanmagan';

function opened(indexedDB) {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE, { keyPath: 'id' });
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function finished(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

export class KeptReports {
  constructor(indexedDB) {
    this.database = opened(indexedDB);
  }

  async store(mode) {
    return (await this.database).transaction(STORE, mode).objectStore(STORE);
  }

  // record: {id, request (the form's run) or opened (a workbook read), entries: [{row, column,
  // hours}], keptAt, downloaded (the file name it was handed to the browser under)}
  async keep(record) {
    await finished((await this.store('readwrite')).put(record));
  }

  async forget(id) {
    await finished((await this.store('readwrite')).delete(id));
  }

  // Every kept report, the latest first.
  async all() {
    const records = await finished((await this.store('readonly')).getAll());
    const keptAt = (record) => (Number.isFinite(record?.keptAt) ? record.keptAt : 0);
    return records.sort((a, b) => keptAt(b) - keptAt(a));
  }
}
