// The report shown, kept in the browser's storage (kept_reports.js) at every change until
// the teacher has it in a file: what is kept, whether leaving the page asks first, and what
// a save says. A report handed to the browser as a download stays kept, marked with the
// file name it was handed over under, since the page cannot know that a file appeared: the
// teacher removes it from the offer of kept reports, or a newer version of it replaces it.

import { afterNextFrame } from './page_turn.js';

const SAID = {
  saved: (fileName) => `Saqlandi: ${fileName}`,
  downloaded: (fileName) => `"${fileName}" yuklab olishga berildi. Fayl paydo bo'lganini sahifa bila olmaydi, ` +
    "shuning uchun hisobot brauzerda ham saqlanib turadi: faylni topgach, uni keyingi safar " +
    "\"O'chirib tashlash\" mumkin.",
  cancelled: () => 'Saqlash bekor qilindi: fayl yozilmadi, hisobot brauzerda saqlanib turibdi.',
};

export class ReportKeeping {
  // kept: KeptReports; entries(): the hours of every cell of the report shown; failed(words,
  // fault): says a fault; firstKept(): told when a report is first kept. The body's
  // data-keeps counts the keeps the storage has finished.
  constructor({ kept, entries, failed, firstKept = () => {}, window = globalThis.window }) {
    this.kept = kept;
    this.entries = entries;
    this.failed = failed;
    this.firstKept = firstKept;
    this.window = window;
    this.body = window.document.body;
    this.record = null;  // {id, request} or {id, opened}; downloaded: the file name handed over
    this.unsaved = false;  // changed since it was last in a file or handed over
    this.version = 0;  // counts the changes, so a save knows whether it wrote what is shown
    this.keeps = 0;
    this.waiting = null;  // a keep put off until the change is drawn
    window.addEventListener('beforeunload', (event) => {
      if (!this.unsaved) return;
      event.preventDefault();
      event.returnValue = '';
    });
  }

  // A report now shown: source {request} or {opened}; restored: the kept record it was taken
  // back from; unsaved: in no file (a run, a report taken back).
  show(source, restored, unsaved) {
    this.record = { id: restored?.id ?? Date.now(), ...source };
    if (typeof restored?.downloaded === 'string') this.record.downloaded = restored.downloaded;
    this.unsaved = unsaved && !this.record.downloaded;
    this.version += 1;
    if (unsaved) this.keep();
  }

  // The report shown was changed: it is in no file now.
  changed() {
    if (!this.record) return;
    delete this.record.downloaded;
    this.unsaved = true;
    this.version += 1;
    this.keep();
  }

  // Kept the moment the change is drawn, so the drawing never waits for the storage; changes
  // made before that are kept together, as they then stand.
  keep() {
    if (this.waiting) return;
    const waiting = {};
    this.waiting = waiting;
    afterNextFrame(this.window, () => {
      if (this.waiting !== waiting) return;
      this.waiting = null;
      this.keepNow();
    });
  }

  // True once kept; a failure is said.
  async keepNow() {
    if (!this.record) return false;
    try {
      await this.kept.keep({ ...this.record, entries: this.entries(), keptAt: Date.now() });
      this.body.dataset.keeps = String(++this.keeps);
      if (this.keeps === 1) this.firstKept();
      return true;
    } catch (fault) {
      this.failed("Hisobotni brauzer xotirasida saqlab bo'lmadi:", fault);
      return false;
    }
  }

  // What is shown now, for a save to tell afterwards whether it wrote that.
  snapshot() {
    return { record: this.record, version: this.version };
  }

  // A save ended with saveFile's answer; snapshot: what was shown when its bytes were made.
  // Only a write the browser confirmed lets the kept copy go. Answers the words to say, or
  // null when a failure to keep the copy was said instead.
  async saved(answer, snapshot) {
    const unchanged = snapshot && snapshot.record === this.record && snapshot.version === this.version;
    if (unchanged && answer.outcome === 'saved') {
      this.unsaved = false;
      // A keep still waiting for its frame would bring back the copy the file replaces.
      this.waiting = null;
      await this.kept.forget(this.record.id);
    } else if (unchanged && answer.outcome === 'downloaded') {
      this.unsaved = false;
      this.record.downloaded = answer.fileName;
      if (!await this.keepNow()) return null;
    }
    return SAID[answer.outcome](answer.fileName);
  }
}
