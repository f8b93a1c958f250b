// A staff workbook opened with "Ochish": its teachers listed in the desktop's words (sheet,
// name, the yearly total "Jami" holds), as the module reads them, each with "Ochish" that
// opens that teacher's sheet as a report, read from the same bytes in the page's worker. A
// report saved back into the workbook (staff_workbook_writer.js) hands its bytes back here,
// so that the list and the next teacher opened start from what was saved. "Chop etish (butun
// kitob)" prints the workbook as it stands: "Jami" as it stores it, then every teacher's
// sheet as saved, corrections included, each read in the worker and described by the module.

import { readInWorker } from '../reading/reading.js';
import { faultDetail } from '../page/failure.js';
import { pageButton } from '../page/page_button.js';
import { printPageMarkup } from './print_page.js';
import { drawnSummary } from './staff_print.js';

// The bytes as a file the worker reads.
function asFile(fileName, bytes) {
  return { name: fileName, size: bytes.length, arrayBuffer: async () => bytes.slice().buffer };
}

function cell(document, text, className) {
  const td = document.createElement('td');
  td.textContent = text;
  if (className) td.className = className;
  return td;
}

// A teacher's row: the sheet, the name, the yearly total, the note and the button that
// opens it; a row that cannot be opened ([data-unmatched]) has its reason in the note and
// no button.
function teacherRow(document, teacher, words, choose) {
  const tr = document.createElement('tr');
  if (teacher.sheetName) tr.dataset.sheet = teacher.sheetName;
  const action = document.createElement('td');
  const open = (event) => choose(teacher.sheetName, event.timeStamp);
  if (teacher.openable) action.append(pageButton(document, words, open));
  else tr.dataset.unmatched = 'yes';
  tr.append(
    cell(document, teacher.sheetName),
    cell(document, teacher.teacher),
    cell(document, teacher.totalText, 'number'),
    cell(document, teacher.note, 'note'),
    action,
  );
  return tr;
}

// The section shows the module's listing of the workbook fileName in its words.
function showListing(section, fileName, listing, choose) {
  const { ownerDocument: document } = section;
  section.querySelector('p').textContent = listing.question;
  const table = section.querySelector('table');
  table.tHead.rows[0].replaceChildren(
    ...[...listing.headings, ''].map((heading) => {
      const th = document.createElement('th');
      th.textContent = heading;
      return th;
    }),
  );
  table.tBodies[0].replaceChildren(
    ...listing.teachers.map((teacher) => teacherRow(document, teacher, listing.open, choose)),
  );
  section.querySelector('.cancel').textContent = listing.cancel;
  const print = section.querySelector('.print-book');
  print.textContent = listing.print;
  print.title = listing.printTip;
  section.setAttribute('aria-label', listing.title);
  section.dataset.listed = fileName;
  section.hidden = false;
}

// The pages of the workbook read with every sheet, as the module describes them: "Jami"'s,
// then each teacher's markup; or the module's reason it cannot be printed.
function printedPages(document, print, fileName, workbook) {
  const summary = JSON.parse(print.summary(fileName, workbook));
  if (summary.message) return { message: summary.message };
  const sheets = new Map((workbook.sheets ?? []).map((sheet) => [sheet.name, sheet]));
  const drawn = document.createElement('div');
  for (const sheetName of summary.sheets) {
    const page = JSON.parse(print.page(sheetName, sheets.get(sheetName) ?? { problem: 'unreadableSheet' }));
    if (!page.ok) return { message: page.message };
    drawn.insertAdjacentHTML('beforeend', printPageMarkup(page.report));
  }
  return { pages: [...drawnSummary(document, summary.summary), ...drawn.children] };
}

// section: where the teachers are listed (#StaffBook); code: the module's compiled code for
// the worker; measure: the page's measure of text; staffPrint: where the whole staff prints
// (StaffPrint); say(text): the page's line of refusals; open(opened, startedAt): shows
// {fileName, workbook, staffBook: the whole workbook's bytes} as a report, true when shown.
// The section's data-listed names the file listed; each teacher's row is [data-sheet].
export function createStaffDocument({ module, code, measure, staffPrint, section, say, open }) {
  const { ownerDocument: document } = section;
  let listed = null; // {fileName, bytes (a promise of them)}

  const printBook = async (button) => {
    const { fileName } = listed;
    const print = new module.StoredStaffPrint(measure);
    button.disabled = true;
    try {
      const bytes = await listed.bytes;
      const workbook = await readInWorker('workbook', asFile(fileName, bytes), code, { everySheet: true }).answer;
      const printed = printedPages(document, print, fileName, workbook);
      say(printed.message ?? '');
      if (printed.pages) staffPrint.print(printed.pages);
    } catch (fault) {
      say(module.notOpenedText(fileName, faultDetail(fault)));
    } finally {
      print.delete();
      button.disabled = false;
    }
  };
  const printButton = section.querySelector('.print-book');
  printButton.addEventListener('click', () => {
    if (listed) printBook(printButton);
  });

  const choose = async (sheetName, startedAt) => {
    const { fileName } = listed;
    try {
      const bytes = await listed.bytes;
      const workbook = await readInWorker('workbook', asFile(fileName, bytes), code, { sheetName }).answer;
      if (open({ fileName, workbook, staffBook: bytes }, startedAt))
        document.body.dataset.opened = `${fileName} [${sheetName}]`;
    } catch (fault) {
      say(module.notOpenedText(fileName, faultDetail(fault)));
    }
  };

  section.querySelector('.cancel').addEventListener('click', () => {
    section.hidden = true;
    delete section.dataset.listed;
    listed = null;
  });

  // The module's word on a workbook read; true when it is a staff workbook, listed or
  // refused with the reason.
  const offer = (fileName, bytes, workbook) => {
    const listing = JSON.parse(module.staffWorkbookListing(fileName, workbook));
    if (listing.kind !== 'staff' || listing.message) {
      section.hidden = true;
      listed = null;
    }
    if (listing.kind !== 'staff') return false;
    if (listing.message) {
      say(listing.message);
      return true;
    }
    say('');
    listed = { fileName, bytes };
    showListing(section, fileName, listing, choose);
    return true;
  };

  return {
    // A workbook "Ochish" read (file: the File, workbook: the worker's answer); false for
    // any but a staff workbook, which the page opens or refuses as a report.
    offer(file, workbook) {
      const bytes = file.arrayBuffer().then((buffer) => new Uint8Array(buffer));
      bytes.catch(() => {}); // said when a teacher is chosen
      return offer(file.name, bytes, workbook);
    },
    // The staff workbook listed, when it is the file fileName: a reader of it as "Ochish"
    // reads it (read() its summary, read(sheetName) with that teacher's sheet); null for
    // any other name.
    listedReader(fileName) {
      if (listed?.fileName !== fileName) return null;
      const { bytes } = listed;
      return async (sheetName) =>
        readInWorker('workbook', asFile(fileName, await bytes), code, sheetName === undefined ? {} : { sheetName })
          .answer;
    },
    // A teacher saved back into the staff workbook fileName, now these bytes: the list of
    // that workbook, if shown, is of them.
    async saved(fileName, bytes) {
      if (listed?.fileName !== fileName) return;
      listed = { fileName, bytes: Promise.resolve(bytes) };
      const workbook = await readInWorker('workbook', asFile(fileName, bytes), code).answer;
      if (listed?.fileName === fileName) offer(fileName, listed.bytes, workbook);
    },
  };
}
