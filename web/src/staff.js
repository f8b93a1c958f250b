// The whole staff at once: the roster's ready teachers into one workbook (the summary
// "Jami", then a sheet per teacher, as the command line's batch writes it) and into a print
// of every teacher's page. Each report, its sheet's name and the summary come from the
// module; here they are only drawn and serialised. The work goes in slices, so the page
// stays responsive, the progress bar moves and "To'xtatish" is heard.

import { printPageMarkup } from './print_page.js';
import { loadFileWork } from './load_file_work.js';
import { afterPageTurn } from './page_turn.js';
import { failureText } from './failure.js';

// How long one slice of work may hold the page, milliseconds.
const SLICE = 40;

function byId(document, id) {
  return document.getElementById(id);
}

// Lets the browser draw and take clicks before the next slice.
function yieldToPage() {
  return new Promise((resolve) => { afterPageTurn(resolve); });
}

class Stopped extends Error {}

// document, module, measure, saveBytes(bytes, fileName) (hands the file to the browser as a
// download), and the clock of the reports' school year.
export function createStaffActions({ module, measure, saveBytes, document = globalThis.document, today = () => new Date() }) {
  const saveButton = byId(document, 'SaveStaffXlsx');
  const printButton = byId(document, 'PrintStaff');
  const stopButton = byId(document, 'StopStaff');
  const progress = byId(document, 'StaffProgress');
  const message = byId(document, 'StaffMessage');
  const pages = document.createElement('div');
  pages.id = 'StaffPages';
  pages.className = 'staff-pages';
  byId(document, 'Staff').after(pages);

  let teachers = [];
  let rosterName = '';  // the list's file name
  let working = null;  // {stopped} while a workbook or a print is being made

  const idle = () => {
    saveButton.disabled = working !== null || teachers.length === 0;
    printButton.disabled = working !== null || teachers.length === 0;
    stopButton.hidden = working === null;
    progress.hidden = working === null;
  };

  // Runs work(teacher, index) for every teacher, a slice at a time, with the progress shown;
  // throws Stopped when "To'xtatish" was pressed.
  const eachTeacher = async (job, work) => {
    const { staff } = job;
    const shown = (done) => {
      progress.value = done;
      say(module.staffProgressText(done, staff.length));
    };
    progress.max = Math.max(1, staff.length);
    shown(0);
    let sliceStart = performance.now();
    for (const [index, teacher] of staff.entries()) {
      if (job.stopped) throw new Stopped();
      work(teacher, index);
      if (performance.now() - sliceStart > SLICE) {
        shown(index + 1);
        await yieldToPage();
        sliceStart = performance.now();
      }
    }
    shown(staff.length);
    await yieldToPage();
    if (job.stopped) throw new Stopped();
  };

  const say = (text, refused = false) => {
    message.textContent = text;
    message.classList.toggle('refused', refused);
  };

  // One piece of work at a time: the buttons wait, "To'xtatish" is offered. stoppedText:
  // what is said when it is stopped.
  const run = async (stoppedText, work) => {
    if (working || teachers.length === 0) return;
    // The list and its file's name as they are now: a list chosen meanwhile stops this one.
    const job = { stopped: false, staff: teachers, rosterName };
    working = job;
    idle();
    say('');
    try {
      await work(job);
    } catch (fault) {
      const stopped = fault instanceof Stopped;
      say(stopped ? stoppedText : failureText("Ish bajarilmadi:", fault), !stopped);
      document.body.dataset.staffWork = stopped ? 'stopped' : 'failed';
    } finally {
      working = null;
      idle();
    }
  };

  const saveWorkbook = (startedAt) => run(module.staffStoppedText(), async (job) => {
    const tooMany = module.staffWorkbookRefusal(job.staff.length);
    if (tooMany) {
      say(tooMany, true);
      return;
    }
    const { StaffWorkbookWriter } = await loadFileWork();
    const book = new module.StaffBook(today().getFullYear(), measure);
    try {
      const writer = new StaffWorkbookWriter(module, module.StaffBook.summaryName());
      await eachTeacher(job, (teacher) => {
        const made = JSON.parse(book.add(teacher));
        if (made.ok) writer.addReport(made.sheetName, made.form);
      });
      // The two halves of the work, for the benchmark: the reports, then the package.
      const reportsMade = performance.now();
      performance.measure('soatnoma-staff-reports', { start: startedAt, end: reportsMade });
      if (book.teachers() === 0) {
        say(book.nothingMadeText(), true);
        return;
      }
      const bytes = await writer.finish(JSON.parse(book.summary()));
      performance.measure('soatnoma-staff-package', { start: reportsMade });
      if (job.stopped) throw new Stopped();
      const fileName = module.staffWorkbookName(job.rosterName);
      saveBytes(bytes, fileName);
      // Handed to the browser: whether a file appeared the page cannot know.
      say(book.fileText(fileName));
      performance.measure('soatnoma-staff-workbook', { start: startedAt });
      document.body.dataset.staffWork = 'downloaded';
    } finally {
      book.delete();
    }
  });

  // Every teacher's page, drawn as the one report prints, one A4 landscape sheet each, with
  // nothing the screen alone needs (print_page.js); the list holds no more teachers than the
  // module lets a list have, and the pages are let go once printed.
  const print = () => run(module.staffPrintStoppedText(), async (job) => {
    const book = new module.StaffBook(today().getFullYear(), measure);
    const drawn = document.createElement('div');
    try {
      await eachTeacher(job, (teacher) => {
        const made = JSON.parse(book.page(teacher));
        if (made.ok) drawn.insertAdjacentHTML('beforeend', printPageMarkup(made.form));
      });
      say(book.printText(), book.anyRefused());
    } finally {
      book.delete();
    }
    pages.replaceChildren(...drawn.children);
    document.body.classList.add('printing-staff');
    document.body.dataset.staffPages = String(pages.childElementCount);
    window.print();
  });

  window.addEventListener('afterprint', () => {
    document.body.classList.remove('printing-staff');
    pages.replaceChildren();
  });
  saveButton.addEventListener('click', (event) => saveWorkbook(event.timeStamp));
  printButton.addEventListener('click', () => print());
  stopButton.addEventListener('click', () => {
    if (working) working.stopped = true;
  });

  return {
    // The ready teachers of a list read, and the name of its file, which names the workbook.
    setTeachers(next, fileName = '') {
      teachers = Array.isArray(next) ? next : [];
      rosterName = fileName;
      if (working) working.stopped = true;
      pages.replaceChildren();
      idle();
    },
  };
}
