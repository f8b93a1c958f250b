// The report shown, kept in the browser's storage (kept_reports.js) at every change until
// the teacher has it in a file: what is kept, whether leaving the page asks first, and what
// a save says. A report handed to the browser as a download stays kept, marked with the
// file name it was handed over under, since the page cannot know that a file appeared: the
// teacher removes it from the offer of kept reports, or a newer version of it replaces it.

import { afterNextFrame } from '../page/page_turn.js';

export class ReportKeeping {
  // kept: KeptReports; entries(): the hours of every cell of the report shown; notice: the
  // line beside the report's buttons, where a keep that failed is said; words: the module's
  // (keptApart; keepFailed(fault): a keep that failed; saveEnded(outcome, fileName, kept) and
  // saveFailed(kept): how a save ended, kept: whether the report stays kept); firstKept(): told when a
  // report is first kept. The body's data-keeps counts the keeps the storage has finished,
  // data-keep-failed those it did not, data-kept-apart the reports kept apart from another
  // tab's.
  constructor({ kept, entries, notice, words, firstKept = () => {}, window = globalThis.window }) {
    this.kept = kept;
    this.entries = entries;
    this.notice = notice;
    this.words = words;
    this.firstKept = firstKept;
    this.window = window;
    this.body = window.document.body;
    this.record = null; // {id, request} or {id, opened}; downloaded: the file name handed over
    this.unsaved = false; // changed since it was last in a file or handed over
    this.version = 0; // counts the changes, so a save knows whether it wrote what is shown
    this.keeps = 0;
    this.failures = 0;
    this.apart = 0;
    this.failedSaid = null; // the failure said beside the report, until a keep succeeds
    this.waiting = null; // a keep put off until the change is drawn
    this.queue = Promise.resolve(true); // the keeps one after the other, each from the last one's mark
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
    if (typeof restored?.mark === 'string') this.record.mark = restored.mark;
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

  // True once kept, after the keeps asked for before it; a failure is said.
  keepNow() {
    this.queue = this.queue.then(() => this.keepOnce());
    return this.queue;
  }

  async keepOnce() {
    const { record } = this;
    if (!record || !(await this.kept.usable())) return false;
    try {
      const answer = await this.kept.keep({ ...record, entries: this.entries(), keptAt: Date.now() });
      if (!answer.kept) return record === this.record && this.keepApart(record);
      record.mark = answer.mark;
      this.body.dataset.keeps = String(++this.keeps);
      if (this.failedSaid) this.notice.withdraw(this.failedSaid);
      this.failedSaid = null;
      if (this.keeps === 1) this.firstKept();
      return true;
    } catch (fault) {
      this.failedSaid = this.words.keepFailed(fault);
      this.notice.tell(this.failedSaid, true);
      this.body.dataset.keepFailed = String(++this.failures);
      return false;
    }
  }

  // Another tab has corrected the kept report since this one last kept it: its record stays
  // as that tab wrote it, and this tab's report is kept as a report of its own.
  async keepApart(record) {
    record.id = Date.now();
    delete record.mark;
    this.notice.tell(this.words.keptApart, true);
    this.body.dataset.keptApart = String(++this.apart);
    return this.keepOnce();
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
      await this.queue;
      await this.kept.forget(this.record.id, this.record.mark);
    } else if (unchanged && answer.outcome === 'downloaded') {
      this.unsaved = false;
      this.record.downloaded = answer.fileName;
      if (!(await this.keepNow()) && (await this.kept.usable())) return null;
    }
    return this.words.saveEnded(answer.outcome, answer.fileName, await this.staysKept());
  }

  // The words before the detail of a save that failed.
  async saveFailedWords() {
    return this.words.saveFailed(await this.staysKept());
  }

  // Whether the report shown stays kept in the browser when no file has it.
  staysKept() {
    return this.kept.usable();
  }
}
