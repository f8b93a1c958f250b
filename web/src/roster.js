// "Ro'yxatdan": a school's staff list chosen from a file and listed row by row with its
// line and status, as the desktop's staff list window shows it; the ready teachers go on
// to the staff workbook and the print.

import { ReadingStopped, readInWorker } from './reading.js';
import { failureText } from './failure.js';

function cell(text, className) {
  const td = document.createElement('td');
  td.textContent = text;
  if (className) td.className = className;
  return td;
}

// A row of the table: a ready teacher with the weekly hours and the yearly total, or a
// refused row with its reason. Each cell carries its column's heading, which a phone shows
// beside it when the rows are stacked as cards.
function rowOf(row, headings) {
  const tr = document.createElement('tr');
  const refused = 'reason' in row;
  tr.dataset.line = String(row.line);
  tr.dataset.status = refused ? 'refused' : 'ok';
  tr.append(
    cell(String(row.line), 'number'),
    cell(row.name),
    cell(row.school),
    cell(row.subject),
    cell(refused ? '' : row.weeklyHours, 'number'),
    cell(refused ? '' : String(row.annualTotal), 'number'),
    cell(refused ? row.reason : 'Tayyor', refused ? 'reason' : 'ready'),
  );
  [...tr.cells].forEach((td, index) => { td.dataset.heading = headings[index]; });
  // A ready teacher's row opens the teacher's report; it takes the keys too.
  if (!refused) tr.tabIndex = 0;
  return tr;
}

// A ready teacher's row (ready: line → teacher) tapped, clicked or given Enter.
function openOnTap(body, ready, onOpen) {
  const open = (event) => {
    const teacher = ready.get(event.target.closest('tr[data-status="ok"]')?.dataset.line);
    if (teacher) onOpen(teacher, event.timeStamp);
  };
  body.addEventListener('click', open);
  body.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') open(event);
  });
}

function summaryOf(rows, notice) {
  const ready = rows.filter((row) => !('reason' in row)).length;
  const summary = rows.length === 0
    ? "Ro'yxatda o'qituvchi yo'q."
    : `Tayyor: ${ready} ta o'qituvchi. Rad etilgan: ${rows.length - ready} ta qator.`;
  return notice ? `${notice}. ${summary}` : summary;
}

// onTeachers(teachers, fileName): the ready teachers of the list read last, and its file's
// name; onOpen(teacher, startedAt): a ready teacher's row tapped, clicked or given Enter;
// code: the module's compiled code, for the worker that reads the list.
export function createRosterPanel({ module, code, onTeachers, onOpen }) {
  const panel = document.getElementById('Staff');
  const input = document.getElementById('Roster');
  const message = document.getElementById('StaffMessage');
  const body = document.querySelector('#RosterRows tbody');
  const headings = [...document.querySelectorAll('#RosterRows thead th')].map((th) => th.textContent);

  const stopButton = document.getElementById('StopReading');
  // What lists are read is told before one is chosen.
  message.textContent = module.listLimitsNotice();

  // As on the desktop, the staff list is asked for at once; it stands at the top of the
  // screen, the page scrolling over it.
  document.getElementById('RosterOpen').addEventListener('click', () => {
    panel.hidden = false;
    panel.scrollIntoView({ block: 'start' });
    input.click();
  });
  const ready = new Map();
  openOnTap(body, ready, onOpen);

  const list = (rows, text, name) => {
    // One fragment: thousands of rows are laid out once, not row by row.
    const fragment = document.createDocumentFragment();
    ready.clear();
    for (const row of rows) {
      fragment.append(rowOf(row, headings));
      if (!('reason' in row)) ready.set(String(row.line), row);
    }
    body.replaceChildren(fragment);
    message.textContent = text;
    message.classList.remove('refused');
    onTeachers(rows.filter((row) => !('reason' in row)), name);
  };
  const refuse = (text, name) => {
    body.replaceChildren();
    ready.clear();
    message.textContent = text;
    message.classList.add('refused');
    onTeachers([], name);
  };

  // The browser's own file button speaks the browser's language; this one speaks Uzbek.
  document.getElementById('RosterChoose').addEventListener('click', () => input.click());
  const fileName = document.getElementById('RosterFile');

  // The same file chosen again (mended meanwhile) is read again.
  input.addEventListener('click', () => { input.value = ''; });
  // The reading under way: only the file chosen last is read, and "To'xtatish" ends it.
  let reading = null;
  const stopReading = () => {
    reading?.stop();
    reading = null;
    stopButton.hidden = true;
  };
  stopButton.addEventListener('click', stopReading);
  input.addEventListener('change', async (event) => {
    const [file] = input.files;
    if (!file) return;
    if (reading) reading.superseded = true;
    stopReading();
    const mine = readInWorker('roster', file, code);
    reading = mine;
    fileName.textContent = file.name;
    delete panel.dataset.read;
    message.textContent = "Ro'yxat o'qilmoqda...";
    message.classList.remove('refused');
    stopButton.hidden = false;
    try {
      const read = await mine.answer;
      if (read.message) {
        refuse(read.message, file.name);
      } else {
        list(read.rows, summaryOf(read.rows, read.notice), file.name);
      }
    } catch (fault) {
      // A file chosen meanwhile is the one read now.
      if (mine.superseded) return;
      refuse(fault instanceof ReadingStopped ? "To'xtatildi, ro'yxat o'qilmadi." : failureText("Ro'yxat o'qilmadi:", fault), file.name);
    } finally {
      if (reading === mine) {
        reading = null;
        stopButton.hidden = true;
      }
    }
    body.getBoundingClientRect();
    performance.measure('soatnoma-roster', { start: event.timeStamp });
    panel.dataset.read = file.name;
  });
}
