// "Ro'yxatdan": a school's staff list chosen from a file and listed row by row with its
// line and status, as the desktop's staff list window shows it; the ready teachers go on
// to the staff workbook and the print.

import { loadFileWork } from './load_file_work.js';

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
  return tr;
}

// onTeachers(teachers, fileName): the ready teachers of the list read last, and its file's name.
export function createRosterPanel({ module, onTeachers }) {
  const panel = document.getElementById('Staff');
  const input = document.getElementById('Roster');
  const message = document.getElementById('StaffMessage');
  const body = document.querySelector('#RosterRows tbody');
  const columns = JSON.parse(module.rosterColumns());

  // As on the desktop, the staff list is asked for at once.
  document.getElementById('RosterOpen').addEventListener('click', () => {
    panel.hidden = false;
    panel.scrollIntoView({ block: 'nearest' });
    input.click();
  });

  const list = (rows, text, name) => {
    // One fragment: thousands of rows are laid out once, not row by row.
    const fragment = document.createDocumentFragment();
    for (const row of rows) fragment.append(rowOf(row, columns));
    body.replaceChildren(fragment);
    message.textContent = text;
    message.classList.remove('refused');
    onTeachers(rows.filter((row) => row.ready), name);
  };
  const refuse = (text, name) => {
    body.replaceChildren();
    message.textContent = text;
    message.classList.add('refused');
    onTeachers([], name);
  };

  // The browser's own file button speaks the browser's language; this one speaks Uzbek.
  document.getElementById('RosterChoose').addEventListener('click', () => input.click());
  const fileName = document.getElementById('RosterFile');

  // The same file chosen again (mended meanwhile) is read again.
  input.addEventListener('click', () => { input.value = ''; });
  let readings = 0;
  // The files still being read, also those a later choice has overtaken: data-reading.
  let pending = 0;
  const countReading = (change) => {
    pending += change;
    if (pending > 0) panel.dataset.reading = String(pending); else delete panel.dataset.reading;
  };
  // Only the file chosen last is listed, however long an earlier one takes.
  const read = async (file, reading) => {
    fileName.textContent = file.name;
    delete panel.dataset.read;
    message.textContent = "Ro'yxat o'qilmoqda...";
    message.classList.remove('refused');
    // The words are shown before the list is read.
    await new Promise((shown) => { requestAnimationFrame(() => setTimeout(shown, 0)); });
    try {
      const { readRosterFile } = await loadFileWork();
      const answer = await readRosterFile(module, file);
      if (reading !== readings) return false;
      if (answer.message) refuse(answer.message, file.name); else list(answer.rows, answer.summary, file.name);
    } catch (fault) {
      if (reading !== readings) return false;
      refuse(String(fault), file.name);
    }
    return true;
  };
  input.addEventListener('change', async (event) => {
    const [file] = input.files;
    if (!file) return;
    countReading(1);
    try {
      if (!await read(file, ++readings)) return;
      body.getBoundingClientRect();
      performance.measure('soatnoma-roster', { start: event.timeStamp });
      panel.dataset.read = file.name;
    } finally {
      countReading(-1);
    }
  });
}
