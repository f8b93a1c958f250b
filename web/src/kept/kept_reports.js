// Reports not yet saved as a workbook, kept in the browser's own storage (IndexedDB) at
// every change, so that a closed tab, a reload or a flat battery loses nothing. Three stores:
// the reports, small and rewritten at every change (the form's run or the mark of what the
// report was opened from, the hours of every cell, when it was kept); what a report was opened
// from (the workbook read; of a staff workbook's teacher only the teacher's sheet), written
// once for it; and the staff workbooks' bytes with their listing (sheets, summary), each kept
// once under its digest however many of its teachers are kept, and let go with the last
// report that refers to it. A keep counts only once its transaction has completed: the
// storage may still refuse it then (the room the browser gives the page is full).
//
// Two tabs of the page may hold one kept report (one took it back from the other's offer).
// Every write leaves a mark of its own on the record, and a tab writes over the record only
// while it holds the mark that tab last wrote or took back: otherwise the other tab's
// corrections are there, and nothing is written.

import { checksumOf } from '../files/crc32.js';

const DATABASE = 'soatnoma';
const VERSION = 2;
const REPORTS = 'saqlanmagan';
const OPENED = 'ochilgan';
const BOOKS = 'xodimlar kitoblari';
const STORES = [REPORTS, OPENED, BOOKS];

// The first version's records, still read: a report held the workbook read inline, and a
// staff workbook's bytes were a record beside it in REPORTS, one copy for each teacher kept.
const oldBookId = (id) => `xodimlar kitobi ${id}`;
const isOldBook = (record) => typeof record?.bookOf !== 'undefined';
// Bytes as hexadecimal digits, two a byte.
const hexOf = (bytes) => [...bytes].map((b) => b.toString(16).padStart(2, '0')).join('');

// words: the module's pageWords, for a browser without storage and an older page holding it.
function opened(indexedDB, words) {
  return new Promise((resolve, reject) => {
    if (!indexedDB) throw new Error(words.noStorage);
    const request = indexedDB.open(DATABASE, VERSION);
    let refused = false;
    request.onupgradeneeded = () => {
      const database = request.result;
      if (!database.objectStoreNames.contains(REPORTS)) database.createObjectStore(REPORTS, { keyPath: 'id' });
      if (!database.objectStoreNames.contains(OPENED)) database.createObjectStore(OPENED, { keyPath: 'id' });
      if (!database.objectStoreNames.contains(BOOKS)) database.createObjectStore(BOOKS, { keyPath: 'digest' });
    };
    request.onsuccess = () => {
      const database = request.result;
      if (refused) {
        database.close();
        return;
      }
      // A newer page opened in another tab changes the storage's shape: this one lets go.
      database.onversionchange = () => database.close();
      resolve(database);
    };
    request.onerror = () => reject(request.error);
    // A tab of an older page holds the storage and will not let go: said rather than waited for.
    request.onblocked = () => {
      refused = true;
      reject(new Error(words.olderPageOpen));
    };
  });
}

function finished(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// Settled when the transaction has completed, or with the storage's fault once it is undone.
function completed(transaction) {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onabort = () => reject(transaction.error ?? new DOMException('Transaction aborted', 'AbortError'));
  });
}

// A mark no other write leaves.
const newMark = () => `${Date.now().toString(36)}-${Math.random().toString(36).slice(2)}`;

// The staff workbooks no kept report refers to are let go.
function dropUnreferencedBooks(transaction) {
  const books = transaction.objectStore(BOOKS);
  transaction.objectStore(REPORTS).getAll().onsuccess = (reports) => {
    const referred = new Set(reports.target.result.map((record) => record.book).filter(Boolean));
    books.getAllKeys().onsuccess = (keys) => {
      for (const digest of keys.target.result) if (!referred.has(digest)) books.delete(digest);
    };
  };
}

// What a staff workbook's teachers read alike (its properties, sheets and summary), kept once
// beside its bytes; a teacher's record holds only its own sheet. Records kept before hold the
// workbook read whole, and are read as they are.
const LISTING = ['properties', 'worksheets', 'sheetNames', 'summaryCells'];
function listingOf(workbook) {
  return Object.fromEntries(LISTING.filter((name) => name in workbook).map((name) => [name, workbook[name]]));
}
function teacherPartOf(workbook) {
  return Object.fromEntries(Object.entries(workbook).filter(([name]) => !LISTING.includes(name)));
}

// A kept record as the page takes it back: {id, request} or {id, opened: {fileName,
// workbook, staffBook}} with its entries, keptAt, downloaded and mark, in either version.
function wholeRecord(record, { openedParts, books, oldBooks }) {
  if (record.openedApart) {
    const { book } = record;
    // The report as kept, without the marks of where its parts are kept apart.
    const report = { ...record };
    delete report.openedApart;
    delete report.book;
    const part = openedParts.get(record.id);
    if (!part) return { ...report, opened: null };
    const kept = book ? books.get(book) : null;
    const workbook = part.workbook ?? { ...kept?.listing, ...part.teacher };
    const opened = { fileName: part.fileName, workbook };
    if (book) opened.staffBook = kept?.bytes ?? null;
    return { ...report, opened };
  }
  if (record.opened?.staffBook !== true) return record;
  return { ...record, opened: { ...record.opened, staffBook: oldBooks.get(record.id) ?? null } };
}

// What a report was opened from, written once for it: of a staff workbook's teacher the
// teacher's sheet, the workbook's bytes and listing kept once under digest (a workbook kept
// before without its listing is given it).
function keepOpened(transaction, id, source, digest) {
  const opened = transaction.objectStore(OPENED);
  transaction.objectStore(REPORTS).delete(oldBookId(id));
  if (!digest) {
    opened.put({ id, fileName: source.fileName, workbook: source.workbook });
    return;
  }
  opened.put({ id, fileName: source.fileName, teacher: teacherPartOf(source.workbook) });
  const books = transaction.objectStore(BOOKS);
  books.get(digest).onsuccess = (found) => {
    if (!found.target.result?.listing)
      books.put({ digest, bytes: source.staffBook, listing: listingOf(source.workbook) });
  };
}

export class KeptReports {
  // indexedDB: the browser's, or null where it refuses the page storage; words: the module's
  // pageWords; crypto: what the digest of a staff workbook is taken with.
  constructor(indexedDB, words, crypto = globalThis.crypto) {
    this.database = opened(indexedDB, words);
    this.database.catch(() => {}); // said by usable()
    this.crypto = crypto;
    this.openedKept = new Map(); // report id → the opened workbook last written for it
    this.digests = new WeakMap(); // a staff workbook's bytes → their digest
  }

  // Whether the browser lets the page keep reports at all.
  async usable() {
    try {
      await this.database;
      return true;
    } catch {
      return false;
    }
  }

  // The name a staff workbook's bytes are kept under: their SHA-256, or where the browser
  // offers no digest (a page served over plain http), their length and CRC-32.
  async digestOf(bytes) {
    if (!this.digests.has(bytes)) {
      const subtle = this.crypto?.subtle;
      const digest = subtle
        ? `sha256 ${hexOf(new Uint8Array(await subtle.digest('SHA-256', bytes)))}`
        : `crc32 ${bytes.length} ${checksumOf([bytes]).toString(16)}`;
      this.digests.set(bytes, digest);
    }
    return this.digests.get(bytes);
  }

  // record: {id, request (the form's run) or opened (a workbook read; of a staff workbook's
  // teacher with staffBook, the workbook's bytes), entries: [{row, column, hours}], keptAt,
  // downloaded (the file name it was handed to the browser under), mark (of the write this
  // tab last made or took back; none for a report new to the storage)}. Answers {kept: true,
  // mark} once the storage has it, {kept: false} when another tab has written the record
  // since, which is then left as it is; throws the storage's fault.
  async keep(record) {
    const { opened: source, mark: expected, ...report } = record;
    const book = source?.staffBook;
    const digest = book ? await this.digestOf(book) : null;
    const transaction = (await this.database).transaction(STORES, 'readwrite');
    const done = completed(transaction);
    const reports = transaction.objectStore(REPORTS);
    const mark = newMark();
    let elsewhere = false;
    reports.get(record.id).onsuccess = (event) => {
      const before = event.target.result;
      if (before && before.mark !== expected) {
        elsewhere = true;
        return;
      }
      reports.put({ ...report, ...(source ? { openedApart: true } : {}), ...(digest ? { book: digest } : {}), mark });
      if (source && (!before || this.openedKept.get(record.id) !== source))
        keepOpened(transaction, record.id, source, digest);
      if (before?.book && before.book !== digest) dropUnreferencedBooks(transaction);
    };
    await done;
    if (elsewhere) return { kept: false };
    if (source) this.openedKept.set(record.id, source);
    return { kept: true, mark };
  }

  // The report kept under id let go, and what only it referred to; mark: of the write this
  // tab last made or took back. A record another tab has written since stays.
  async forget(id, mark) {
    if (!(await this.usable())) return;
    const transaction = (await this.database).transaction(STORES, 'readwrite');
    const done = completed(transaction);
    const reports = transaction.objectStore(REPORTS);
    reports.get(id).onsuccess = (event) => {
      if (event.target.result && event.target.result.mark !== mark) return;
      reports.delete(id);
      reports.delete(oldBookId(id));
      transaction.objectStore(OPENED).delete(id);
      dropUnreferencedBooks(transaction);
    };
    await done;
    this.openedKept.delete(id);
  }

  // Every kept report, the latest first, a staff workbook's teacher with its workbook's
  // bytes; none where the browser keeps nothing for the page.
  async all() {
    if (!(await this.usable())) return [];
    const transaction = (await this.database).transaction(STORES, 'readonly');
    const [records, openedParts, books] = await Promise.all(
      STORES.map((store) => finished(transaction.objectStore(store).getAll())),
    );
    const found = {
      openedParts: new Map(openedParts.map((part) => [part.id, part])),
      books: new Map(books.map((kept) => [kept.digest, kept])),
      oldBooks: new Map(records.filter(isOldBook).map((kept) => [kept.bookOf, kept.bytes])),
    };
    const reports = records.filter((record) => !isOldBook(record)).map((record) => wholeRecord(record, found));
    const keptAt = (record) => (Number.isFinite(record?.keptAt) ? record.keptAt : 0);
    return reports.sort((a, b) => keptAt(b) - keptAt(a));
  }
}
