// "Ro'yxatdan": a school's staff list chosen from a file and listed row by row with its
// line and status, as the desktop's staff list window shows it; the ready teachers go on
// to the staff workbook and the print.

import { ReadingStopped, readInWorker } from '../reading/reading.js';
import { faultDetail } from '../page/failure.js';

// A row of the table with its texts as the module lists them: a ready teacher with the
// weekly hours and the yearly total, or a refused row with its reason. Each cell carries its
// column's heading, which a phone shows beside it when the rows are stacked as cards.
function rowOf(row, columns) {
  const tr = document.createElement('tr');
  tr.dataset.line = String(row.line);
  tr.dataset.status = row.ready ? 'ok' : 'refused';
  row.cells.forEach((text, index) => {
    const td = document.createElement('td');
    td.textContent = text;
    td.dataset.heading = columns[index].heading;
    if (columns[index].number) td.className = 'number';
    tr.append(td);
  });
  tr.lastElementChild.className = row.ready ? 'ready' : 'reason';
  // A ready teacher's row opens the teacher's report; it takes the keys too.
  if (row.ready) tr.tabIndex = 0;
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

// The table of the list read last, its summary or why none was read said above it, and its
// ready teachers handed on; onOpen(teacher, startedAt): a ready teacher's row chosen.
function rosterTable({ body, columns, status, onTeachers, onOpen }) {
  const ready = new Map();
  openOnTap(body, ready, onOpen);
  return {
    list(rows, text, name) {
      // One fragment: thousands of rows are laid out once, not row by row.
      const fragment = document.createDocumentFragment();
      ready.clear();
      for (const row of rows) {
        fragment.append(rowOf(row, columns));
        if (row.ready) ready.set(String(row.line), row);
      }
      body.replaceChildren(fragment);
      status.say(text);
      onTeachers(
        rows.filter((row) => row.ready),
        name,
      );
    },
    refuse(text, name) {
      body.replaceChildren();
      ready.clear();
      status.say(text, true);
      onTeachers([], name);
    },
  };
}

// onTeachers(teachers, fileName): the ready teachers of the list read last, and its file's
// name; onOpen(teacher, startedAt): a ready teacher's row tapped, clicked or given Enter;
// code: the module's compiled code, for the worker that reads the list; status
// (StaffStatus): where the panel's words are said.
export function createRosterPanel({ module, code, status, onTeachers, onOpen }) {
  const panel = document.getElementById('Staff');
  const input = document.getElementById('Roster');
  const body = document.querySelector('#RosterRows tbody');

  const stopButton = document.getElementById('StopReading');
  // What lists are read is told before one is chosen.
  status.say(module.listLimitsNotice());

  // As on the desktop, the staff list is asked for at once; it stands at the top of the
  // screen, the page scrolling over it.
  document.getElementById('RosterOpen').addEventListener('click', () => {
    panel.hidden = false;
    panel.scrollIntoView({ block: 'start' });
    // The keys go on in the panel, from its own button for the file.
    document.getElementById('RosterChoose').focus({ preventScroll: true });
    input.click();
  });
  const words = JSON.parse(module.readingWords());
  const { list, refuse } = rosterTable({
    body,
    columns: JSON.parse(module.rosterColumns()),
    status,
    onTeachers,
    onOpen,
  });

  // The browser's own file button speaks the browser's language; this one speaks Uzbek.
  document.getElementById('RosterChoose').addEventListener('click', () => input.click());
  const fileName = document.getElementById('RosterFile');

  // The same file chosen again (mended meanwhile) is read again.
  input.addEventListener('click', () => {
    input.value = '';
  });
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
    status.say(words.rosterReading);
    stopButton.hidden = false;
    try {
      const read = await mine.answer;
      if (read.message) {
        refuse(read.message, file.name);
      } else {
        list(read.rows, read.summary, file.name);
      }
    } catch (fault) {
      // A file chosen meanwhile is the one read now.
      if (mine.superseded) return;
      refuse(
        fault instanceof ReadingStopped
          ? words.rosterStopped
          : module.unreadableRoster(file.name, 'other', faultDetail(fault)),
        file.name,
      );
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
