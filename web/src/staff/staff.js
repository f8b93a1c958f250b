// The whole staff at once: the roster's ready teachers into one workbook (the summary
// "Jami", then a sheet per teacher, as the command line's batch writes it) and into a print
// of every teacher's page. Each report, its sheet's name and the summary come from the
// module; here they are only drawn and serialised. The work goes in slices, so the page
// stays responsive, the progress bar moves and "To'xtatish" is heard.

import { printPageMarkup } from './print_page.js';
import { drawnSummary } from './staff_print.js';
import { loadFileWork } from '../files/load_file_work.js';
import { afterPageTurn } from '../page/page_turn.js';
import { failureText } from '../page/failure.js';
import { askInDialog } from '../report/question_dialog.js';
import { pageWordsOf } from '../page/page_words.js';

// How long one slice of work may hold the page, milliseconds.
const SLICE = 40;

function byId(document, id) {
  return document.getElementById(id);
}

// Lets the browser draw and take clicks before the next slice.
function yieldToPage() {
  return new Promise((resolve) => {
    afterPageTurn(resolve);
  });
}

// One piece of the staff's work: the list and its file's name as they were when it began,
// and whether it was asked to stop ("To'xtatish", or another list chosen meanwhile). The
// work looks at it between teachers and before it hands anything over; what a stopped
// piece of work comes to is said once, when it ends.
class StaffJob {
  constructor(staff, rosterName) {
    this.staff = staff;
    this.rosterName = rosterName;
    this.stopAsked = false;
  }

  stop() {
    this.stopAsked = true;
  }
}

// The pages of the summary "Jami" the director signs, drawn as they print; none when no
// report was made.
function summaryPages(document, book) {
  if (book.teachers() === 0) return [];
  return drawnSummary(document, JSON.parse(book.summaryPages()));
}

// The staff's work: its buttons, the job under way, the workbook and the print. The body's
// data-staff-work tells how the last piece of work ended.
class StaffWork {
  // document, module, measure, status (StaffStatus: the panel's words and bar),
  // saveBytes(bytes, fileName) (hands the file to the browser as a download), staffPrint
  // (StaffPrint, where the pages are printed), the school year chosen for the reports and
  // the summary (its first calendar year), earlier(fileName): a reader of the staff workbook
  // "Ochish" listed when it has that name (null otherwise), and carryDialog, where the
  // corrections it cannot carry are asked about.
  constructor({ module, measure, status, saveBytes, staffPrint, document, schoolYear, earlier, carryDialog }) {
    Object.assign(this, { module, measure, status, saveBytes, staffPrint, document, schoolYear, earlier, carryDialog });
    this.saveButton = byId(document, 'SaveStaffXlsx');
    this.printButton = byId(document, 'PrintStaff');
    this.stopButton = byId(document, 'StopStaff');
    this.teachers = [];
    this.rosterName = ''; // the list's file name
    this.working = null; // the StaffJob under way
    this.saveButton.addEventListener('click', (event) => this.saveWorkbook(event.timeStamp));
    this.printButton.addEventListener('click', () => this.print());
    this.stopButton.addEventListener('click', () => this.working?.stop());
  }

  idle() {
    const waiting = this.working !== null || this.teachers.length === 0;
    this.saveButton.disabled = waiting;
    this.printButton.disabled = waiting;
    this.stopButton.hidden = this.working === null;
  }

  // The ready teachers of a list read, and the name of its file, which names the workbook;
  // the work under way for an earlier list stops.
  setTeachers(next, fileName = '') {
    this.teachers = Array.isArray(next) ? next : [];
    this.rosterName = fileName;
    this.working?.stop();
    this.staffPrint.clear();
    this.idle();
  }

  // Runs work(teacher, index) for every teacher, a slice at a time, with the progress shown;
  // false when the job was asked to stop before every teacher was done.
  async eachTeacher(job, work) {
    const { staff } = job;
    this.status.progress(0, staff.length);
    let sliceStart = performance.now();
    for (const [index, teacher] of staff.entries()) {
      if (job.stopAsked) return false;
      work(teacher, index);
      if (performance.now() - sliceStart > SLICE) {
        this.status.progress(index + 1, staff.length);
        await yieldToPage();
        sliceStart = performance.now();
      }
    }
    this.status.progress(staff.length, staff.length);
    await yieldToPage();
    return !job.stopAsked;
  }

  // One piece of work at a time: the buttons wait, "To'xtatish" is offered. work(job) gives
  // what it came to, {text, refused, state}, or null when stopped; stoppedText: what a stop
  // comes to.
  async run(stoppedText, work) {
    if (this.working || this.teachers.length === 0) return;
    const job = new StaffJob(this.teachers, this.rosterName);
    this.working = job;
    this.idle();
    this.status.say('');
    let outcome;
    try {
      outcome = await work(job);
    } catch (fault) {
      outcome = { text: failureText(pageWordsOf(this.module).workFailed, fault), refused: true, state: 'failed' };
    }
    if (job.stopAsked && outcome?.state !== 'failed') outcome = { text: stoppedText, state: 'stopped' };
    this.working = null;
    this.idle();
    this.status.ended(outcome);
    if (outcome?.state) this.document.body.dataset.staffWork = outcome.state;
  }

  // The corrections of the staff workbook listed under the name the list's workbook is given
  // go into the new one, the teachers whose corrections cannot be carried asked about first:
  // the name the workbook is handed over under, or null when it is not to be made.
  async carryInto(job, book) {
    const fileName = this.module.staffWorkbookName(job.rosterName);
    const read = this.earlier?.(fileName);
    if (!read) return fileName;
    for (const sheetName of JSON.parse(book.correctedSheets(await read()))) {
      book.takeCorrectedSheet(sheetName, await read(sheetName));
    }
    const plan = JSON.parse(book.planCarrying(job.staff, fileName));
    if (!plan.question) return fileName;
    const answer = await askInDialog(this.carryDialog, {
      questionId: 'CarryCheckQuestion',
      question: plan.question,
      answers: [
        { id: 'CarryOtherName', text: plan.otherName, value: 'otherName' },
        { id: 'CarryGoOn', text: plan.goOn, value: 'goOn' },
        { id: 'CarryCancel', text: plan.cancel, value: '' },
      ],
    });
    if (answer === 'otherName') return plan.otherFileName;
    return answer === 'goOn' ? fileName : null;
  }

  saveWorkbook(startedAt) {
    return this.run(this.module.staffStoppedText(), (job) => this.makeWorkbook(job, startedAt));
  }

  // The staff's workbook handed to the browser as a download.
  async makeWorkbook(job, startedAt) {
    const { module } = this;
    const tooMany = module.staffWorkbookRefusal(job.staff.length);
    if (tooMany) return { text: tooMany, refused: true };
    const { packParts } = await loadFileWork();
    const book = new module.StaffBook(this.schoolYear(), this.measure);
    try {
      const fileName = await this.carryInto(job, book);
      if (fileName === null) return { text: '', refused: false, state: 'cancelled' };
      const done = await this.eachTeacher(job, (teacher) => {
        book.add(teacher);
      });
      if (!done) return null;
      // The two halves of the work, for the benchmark: the reports, then the package.
      const reportsMade = performance.now();
      performance.measure('soatnoma-staff-reports', { start: startedAt, end: reportsMade });
      if (book.teachers() === 0) return { text: book.nothingMadeText(), refused: true };
      const bytes = await packParts(book.workbookParts());
      performance.measure('soatnoma-staff-package', { start: reportsMade });
      if (job.stopAsked) return null;
      this.saveBytes(bytes, fileName);
      performance.measure('soatnoma-staff-workbook', { start: startedAt });
      // Handed to the browser: whether a file appeared the page cannot know.
      return { text: book.fileText(fileName), refused: false, state: 'downloaded' };
    } finally {
      book.delete();
    }
  }

  print() {
    return this.run(this.module.staffPrintStoppedText(), (job) => this.printPages(job));
  }

  // The summary "Jami" the director signs, then every teacher's page, drawn as the one
  // report prints, one A4 landscape sheet each, with nothing the screen alone needs
  // (print_page.js); the list holds no more teachers than the module lets a list have, and
  // the pages are let go once printed.
  async printPages(job) {
    const { document } = this;
    const book = new this.module.StaffBook(this.schoolYear(), this.measure);
    const signed = document.createDocumentFragment();
    const drawn = document.createElement('div');
    let outcome = null;
    try {
      const done = await this.eachTeacher(job, (teacher) => {
        const made = JSON.parse(book.page(teacher));
        if (made.ok) drawn.insertAdjacentHTML('beforeend', printPageMarkup(made.report));
      });
      if (done) {
        signed.append(...summaryPages(document, book));
        outcome = { text: book.printText(signed.childElementCount), refused: book.anyRefused() };
      }
    } finally {
      book.delete();
    }
    if (!outcome) return null;
    this.staffPrint.print([...signed.children, ...drawn.children]);
    return outcome;
  }
}

// The staff's work on the page; setTeachers(teachers, fileName) hands it a list read.
export function createStaffActions({
  module,
  measure,
  status,
  saveBytes,
  staffPrint,
  schoolYear,
  earlier,
  carryDialog,
  document = globalThis.document,
}) {
  const work = new StaffWork({
    module,
    measure,
    status,
    saveBytes,
    staffPrint,
    document,
    schoolYear,
    earlier,
    carryDialog,
  });
  work.idle();
  return { setTeachers: (teachers, fileName) => work.setTeachers(teachers, fileName) };
}
