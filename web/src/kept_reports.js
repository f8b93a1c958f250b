// Reports not yet saved as a workbook, kept in the browser's own storage (IndexedDB) at
// every change, so that a closed tab, a reload or a flat battery loses nothing: what the form
// held for the run, or the workbook it was opened from, and the hours of every cell. A
// teacher's sheet of a staff workbook keeps the whole workbook's bytes too, in a record of
// their own beside the report's, written only when they are new, not at every change.

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

// The id of the record that holds a kept report's staff workbook.
const bookId = (id) => `xodimlar kitobi ${id}`;
const isBook = (record) => typeof record?.bookOf !== 'undefined';

export class KeptReports {
  constructor(indexedDB) {
    this.database = opened(indexedDB);
    this.booksKept = new Map();  // report id → the staff workbook's bytes kept for it
  }

  async store(mode) {
    return (await this.database).transaction(STORE, mode).objectStore(STORE);
  }

  // record: {id, request (the form's run) or opened (a workbook read; of a staff workbook's
  // teacher with staffBook, the workbook's bytes), entries: [{row, column, hours}], keptAt,
  // downloaded (the file name it was handed to the browser under)}
  async keep(record) {
    const store = await this.store('readwrite');
    const book = record.opened?.staffBook;
    if (!book) {
      await finished(store.put(record));
      return;
    }
    const { staffBook, ...opened } = record.opened;
    const writes = [store.put({ ...record, opened: { ...opened, staffBook: true } })];
    if (this.booksKept.get(record.id) !== book) writes.push(store.put({ id: bookId(record.id), bookOf: record.id, bytes: book }));
    await Promise.all(writes.map(finished));
    this.booksKept.set(record.id, book);
  }

  async forget(id) {
    const store = await this.store('readwrite');
    await Promise.all([finished(store.delete(id)), finished(store.delete(bookId(id)))]);
    this.booksKept.delete(id);
  }

  // Every kept report, the latest first, a staff workbook's teacher with its workbook's bytes.
  async all() {
    const records = await finished((await this.store('readonly')).getAll());
    const books = new Map(records.filter(isBook).map((book) => [book.bookOf, book.bytes]));
    const reports = records.filter((record) => !isBook(record)).map((record) => {
      if (record?.opened?.staffBook !== true) return record;
      return { ...record, opened: { ...record.opened, staffBook: books.get(record.id) ?? null } };
    });
    const keptAt = (record) => (Number.isFinite(record?.keptAt) ? record.keptAt : 0);
    return reports.sort((a, b) => keptAt(b) - keptAt(a));
  }
}
