// The page: the teacher's form, the run, the report drawn as it prints, its workbook and
// its print. What the form computes, checks and says comes from the module.

import SoatnomaModule from 'soatnoma-module';
import { buildForm } from './form.js';
import { createCanvasMeasure } from './canvas_measure.js';
import { drawPage } from './report_view.js';
import { ReportEditing } from './corrections.js';
import { KeptReports } from './kept_reports.js';
import { createRosterPanel } from './roster.js';
import { createStaffActions } from './staff.js';
import { loadFileWork } from './load_file_work.js';
import { startModule } from './module_code.js';
import { createSchoolYearChoice } from './school_year.js';
import { createHelp } from './help.js';
import { createRosterExample } from './example_roster.js';
import { createCellsCheck } from './cells_check.js';

const DAY_BOXES = ['Text7', 'Text8', 'Text9', 'Text10', 'Text11', 'Text12'];
// The most the page enlarges the desktop window's form.
const LARGEST_ZOOM = 1.6;
const TWIPS_PER_PIXEL = 15;

function byId(id) {
  return document.getElementById(id);
}

function chosenCategory() {
  return byId('Option1').checked ? 'primary' : 'upper';
}

function saveBytes(bytes, fileName) {
  const url = URL.createObjectURL(new Blob([bytes], {
    type: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
  }));
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The room across the screen, CSS pixels.
function screenRoom() {
  return document.documentElement.clientWidth - 18;
}

// The report's zoom as the desktop's report window has it: 100 % is the paper's real size.
const REPORT_ZOOM = { least: 0.25, most: 4, step: 1.25 };
// The zoom chosen with the buttons; null while the page follows the screen's width.
let chosenZoom = null;

// The report's page at the chosen zoom, or at most as wide as the screen, never wider.
function fitPage(page, room) {
  // The page's width is set in points; 3 points are 4 CSS pixels.
  const zoom = chosenZoom ?? Math.min(1, room / (parseFloat(page.style.width) * 4 / 3));
  page.style.zoom = String(zoom);
  byId('ZoomText').textContent = `${Math.round(zoom * 100)}%`;
}

// The form as large as it is comfortable, and the report's page fitted.
function fitToScreen(widthTwips) {
  const room = screenRoom();
  const zoom = Math.min(LARGEST_ZOOM, room / (widthTwips / TWIPS_PER_PIXEL));
  document.documentElement.style.setProperty('--zoom', String(zoom));
  const page = document.querySelector('#sheet .page');
  if (page) fitPage(page, room);
}

async function start() {
  // The fonts are asked for first: the module's code compiles on threads of its own.
  const fonts = Promise.all([document.fonts.load('10px "DejaVu Sans"'), document.fonts.load('bold 10px "DejaVu Sans"')]);
  const [module] = await Promise.all([startModule(SoatnomaModule, byId('ModuleCode').textContent), fonts]);
  const measure = createCanvasMeasure(document);
  const form = JSON.parse(module.formControls());
  const root = byId('Form1');
  root.style.setProperty('--form-width', form.width);
  root.style.setProperty('--form-height', form.height);
  fitToScreen(form.width);
  window.addEventListener('resize', () => fitToScreen(form.width));
  buildForm(document, root, form.controls);
  const schoolYear = createSchoolYearChoice({ module, select: byId('SchoolYear'), label: byId('SchoolYearCaption') });
  const message = byId('message');
  const cellsCheck = createCellsCheck({ dialog: byId('CellsCheck') });
  const report = byId('report');
  let shown = null;
  let editing = null;
  const editor = document.createElement('input');
  editor.id = 'CellEditor';
  editor.hidden = true;
  editor.autocomplete = 'off';
  editor.inputMode = 'decimal';

  const sumDays = () => {
    // Every day counts, whichever changed; while a day holds text that is not a number,
    // the week stays as it was, and that day's box is marked with the reason.
    for (const id of DAY_BOXES) {
      const box = byId(id);
      const notANumber = module.dayIsNotANumber(box.value);
      box.classList.toggle('not-a-number', notANumber);
      box.title = notANumber ? module.dayNotANumberMessage() : '';
    }
    const week = module.weeklyHoursOfDays(DAY_BOXES.map((id) => byId(id).value));
    if (week !== null) byId('Text2').value = week;
  };
  for (const id of DAY_BOXES) byId(id).addEventListener('input', sumDays);

  // The two run buttons share one place; only the chosen category's is there.
  const showRunButton = (category) => {
    byId('Command2').hidden = category !== 'primary';
    byId('Command1').hidden = category !== 'upper';
  };
  const choose = (category) => {
    byId('Text1').value = module.defaultRate(category);
    showRunButton(category);
  };
  byId('Option1').addEventListener('change', () => choose('primary'));
  byId('Option2').addEventListener('change', () => choose('upper'));
  byId('Option2').checked = true;

  // Reports not saved yet, kept at every change; the page asks before it is left with one.
  const kept = new KeptReports(window.indexedDB);
  let keeping = null;  // {id, request} or {id, opened} of the report shown
  let unsaved = false;
  // Kept the moment the change is drawn, so the drawing never waits for the storage.
  // The body's data-keeps counts the keeps the storage has finished.
  let keeps = 0;
  const keepShown = () => setTimeout(() => {
    if (!keeping || !editing) return;
    kept.keep({ ...keeping, entries: editing.entries(), keptAt: Date.now() })
      .then(() => { document.body.dataset.keeps = String(++keeps); })
      .catch((fault) => { message.textContent = String(fault); });
  }, 0);
  window.addEventListener('beforeunload', (event) => {
    if (!unsaved) return;
    event.preventDefault();
    event.returnValue = '';
  });

  const formRequest = (category) => ({
    category,
    weekly: byId('Text2').value,
    rate: byId('Text1').value,
    leader: byId('Check1').checked,
    name: byId('Text3').value,
    school: byId('Text6').value,
    subject: byId('Text4').value,
    year: schoolYear.year(),
  });

  // startedAt: when the teacher pressed Enter or the button, for the page's timings;
  // restored: a kept report taken back, with its corrections.
  const run = (category, startedAt, restored) => {
    const request = restored?.request ?? formRequest(category);
    const bench = new module.ReportWorkbench(request, measure);
    const result = JSON.parse(bench.result());
    if (!result.ok) {
      bench.delete();
      message.textContent = result.message;
      if (result.clearsWeeklyHours) byId('Text2').value = '';
      byId('Text2').focus();
      return;
    }
    show(bench, result, startedAt, restored);
    keeping = { id: restored?.id ?? Date.now(), request };
    unsaved = true;
    keepShown();
  };

  // Shows a report: its page drawn and ready for corrections.
  const show = (bench, result, startedAt, restored) => {
    message.textContent = '';
    shown = result;
    // The page is fitted before it is shown, so the browser lays it out once.
    const page = drawPage(document, result.form);
    fitPage(page, screenRoom());
    const sheet = byId('sheet');
    sheet.replaceChildren(page, editor);
    editing?.dispose();
    cellsCheck.forget();
    editing = new ReportEditing(bench, {
      sheet, editor, yearTotal: byId('YearTotal'), counts: byId('CorrectionsCount'), status: byId('StatusMessage'),
    }, () => {
      unsaved = true;
      keepShown();
      document.body.dataset.corrected = String(editing.done.length);
    }, result.form.boxes);
    if (restored) editing.restore(restored.entries);
    report.hidden = false;
    sheet.getBoundingClientRect();
    performance.measure('soatnoma-report', { start: startedAt });
    document.body.dataset.report = 'drawn';
  };
  // A fault of the page itself is said where refusals are, rather than lost.
  const runShown = (category, startedAt, restored) => {
    try {
      run(category, startedAt, restored);
    } catch (fault) {
      message.textContent = String(fault);
    }
  };
  byId('Command1').addEventListener('click', (event) => runShown('upper', event.timeStamp));
  byId('Command2').addEventListener('click', (event) => runShown('primary', event.timeStamp));
  byId('Text2').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') runShown(chosenCategory(), event.timeStamp);
  });

  const sheet = byId('sheet');
  sheet.addEventListener('click', (event) => {
    if (editing && event.target !== editor) editing.click(event.target);
  });
  sheet.addEventListener('dblclick', (event) => {
    if (!editing || event.target === editor) return;
    editing.click(event.target);
    editing.key({ key: 'F2' });
  });
  sheet.addEventListener('keydown', (event) => {
    if (!editing) return;
    if (event.target === editor) {
      editing.editorKey(event);
    } else if (editing.key(event)) {
      event.preventDefault();
    }
  });
  // Undo and redo reach the report from anywhere but a box of the form being typed in.
  document.addEventListener('keydown', (event) => {
    if (!editing || sheet.contains(event.target) || event.target.closest?.('#Form1')) return;
    if ((event.ctrlKey || event.metaKey) && /^[zZyY]$/.test(event.key) && editing.key(event)) event.preventDefault();
  });
  // A workbook read from a file (opened: {fileName, workbook}), or such a report kept
  // unsaved and taken back; false when the module refuses it.
  const openReport = (opened, startedAt, restored) => {
    const bench = new module.ReportWorkbench(opened.fileName, opened.workbook, measure);
    const result = JSON.parse(bench.result());
    if (!result.ok) {
      bench.delete();
      message.textContent = result.message;
      return false;
    }
    show(bench, result, startedAt, restored);
    keeping = { id: restored?.id ?? Date.now(), opened };
    // An opened report is in its file until it is changed; one taken back is not.
    unsaved = Boolean(restored);
    if (restored) keepShown();
    return true;
  };

  // "Ochish": a workbook either edition saved, with its corrections still marked.
  byId('Open').addEventListener('click', () => byId('OpenFile').click());
  byId('OpenFile').addEventListener('change', async (event) => {
    const [file] = event.target.files;
    event.target.value = '';
    if (!file) return;
    try {
      const { readOpenedWorkbook } = await loadFileWork();
      const workbook = await readOpenedWorkbook(new Uint8Array(await file.arrayBuffer()), module.largestWorkbookPart());
      if (openReport({ fileName: file.name, workbook }, event.timeStamp)) document.body.dataset.opened = file.name;
    } catch (fault) {
      message.textContent = String(fault);
    }
  });
  byId('Undo').addEventListener('click', () => editing?.undo());
  byId('Redo').addEventListener('click', () => editing?.redo());
  byId('ResetCell').addEventListener('click', () => editing?.revertCurrent());
  byId('ResetAll').addEventListener('click', () => editing?.revertAll());

  byId('SaveXlsx').addEventListener('click', async (event) => {
    if (!shown || !await cellsCheck.goOn(editing.bench, 'saving')) return;
    try {
      const { writeWorkbook } = await loadFileWork();
      const bytes = await writeWorkbook(JSON.parse(editing.bench.workbookForm()));
      saveBytes(bytes, shown.fileName);
      unsaved = false;
      if (keeping) await kept.forget(keeping.id);
      performance.measure('soatnoma-workbook', { start: event.timeStamp });
      document.body.dataset.workbook = 'saved';
    } catch (fault) {
      message.textContent = String(fault);
    }
  });
  byId('Print').addEventListener('click', async () => {
    if (editing && !await cellsCheck.goOn(editing.bench, 'printing')) return;
    window.print();
  });

  // Zooming the report: a step in or out from where it is, or back to the screen's width.
  const zoomReport = (zoom) => {
    const page = document.querySelector('#sheet .page');
    if (!page) return;
    chosenZoom = zoom === null ? null : Math.min(REPORT_ZOOM.most, Math.max(REPORT_ZOOM.least, zoom));
    fitPage(page, screenRoom());
    // A typing box open over a cell follows the cell.
    if (editing?.editing) editing.edit(editor.value);
  };
  const shownZoom = () => parseFloat(document.querySelector('#sheet .page')?.style.zoom ?? '1');
  byId('ZoomIn').addEventListener('click', () => zoomReport(shownZoom() * REPORT_ZOOM.step));
  byId('ZoomOut').addEventListener('click', () => zoomReport(shownZoom() / REPORT_ZOOM.step));
  byId('ZoomFit').addEventListener('click', () => zoomReport(null));

  createHelp({ module, button: byId('Help'), dialog: byId('HelpDialog') });
  createRosterExample({
    module,
    workbookButton: byId('RosterExample'),
    csvButton: byId('RosterExampleCsv'),
    saveBytes,
    say: (text, refused = false) => {
      byId('StaffMessage').textContent = text;
      byId('StaffMessage').classList.toggle('refused', refused);
    },
  });
  const staff = createStaffActions({ module, measure, saveBytes, schoolYear: schoolYear.year });
  createRosterPanel({
    module,
    onTeachers: (teachers, fileName) => {
      document.body.dataset.staff = String(teachers.length);
      staff.setTeachers(teachers, fileName);
    },
  });

  // Reports left unsaved when the page was last closed are offered back.
  const offer = byId('Recovery');
  const showKept = async () => {
    const records = await kept.all();
    offer.replaceChildren();
    offer.hidden = records.length === 0;
    if (records.length === 0) return;
    const heading = document.createElement('p');
    heading.textContent = 'Saqlanmagan hisobotlar qoldi:';
    offer.append(heading);
    for (const record of records) {
      const line = document.createElement('div');
      line.className = 'kept';
      line.dataset.kept = String(record.id);
      const whatText = document.createElement('span');
      const when = new Date(record.keptAt).toLocaleString('uz');
      const what = record.opened ? record.opened.fileName : `${record.request.name || 'Nomsiz'}, ${record.request.weekly} soat`;
      whatText.textContent = `${what}, ${when}`;
      const restore = document.createElement('button');
      restore.type = 'button';
      restore.textContent = 'Tiklash';
      restore.addEventListener('click', () => {
        line.remove();
        offer.hidden = !offer.querySelector('.kept');
        if (record.opened) {
          openReport(record.opened, performance.now(), record);
          return;
        }
        const { request } = record;
        byId('Text3').value = request.name;
        byId('Text6').value = request.school;
        byId('Text4').value = request.subject;
        byId('Text2').value = request.weekly;
        byId('Text1').value = request.rate;
        byId('Check1').checked = request.leader;
        byId(request.category === 'primary' ? 'Option1' : 'Option2').checked = true;
        showRunButton(request.category);
        runShown(request.category, performance.now(), record);
      });
      const drop = document.createElement('button');
      drop.type = 'button';
      drop.textContent = "O'chirib tashlash";
      drop.addEventListener('click', async () => {
        await kept.forget(record.id);
        line.remove();
        offer.hidden = !offer.querySelector('.kept');
      });
      line.append(whatText, restore, drop);
      offer.append(line);
    }
  };
  showKept()
    .then(() => { document.body.dataset.offered = 'yes'; })
    .catch((fault) => { message.textContent = String(fault); });

  byId('Text3').focus();
  performance.mark('soatnoma-interactive');
  document.body.dataset.ready = 'yes';

  // While the teacher types, a first report is made and saved unseen, so that the fonts
  // are measured and the code is warm when the real one is asked for.
  const whenIdle = window.requestIdleCallback ?? ((work) => setTimeout(work, 200));
  whenIdle(async () => {
    // A few times over, as the browser compiles code fully only once it has run a while.
    let warm;
    for (let round = 0; round < 3; ++round) {
      warm = JSON.parse(module.buildForm({ category: 'upper', weekly: '24', rate: '20', leader: true, year: 2000 }, measure));
      const unseen = document.createElement('div');
      unseen.className = 'unseen';
      unseen.appendChild(drawPage(document, warm.form));
      document.body.appendChild(unseen);
      unseen.getBoundingClientRect();
      unseen.remove();
    }
    // The file work is run in an idle moment of its own, so that no one turn keeps typing
    // waiting long.
    await new Promise((idle) => { whenIdle(idle); });
    const { writeWorkbook } = await loadFileWork();
    await writeWorkbook(warm.form);
    document.body.dataset.warm = 'yes';
  });
}

// Served over http, the page keeps working offline after its first visit; from a file it
// needs nothing of the kind.
if ('serviceWorker' in navigator && window.location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

start().catch((fault) => {
  byId('message').textContent = String(fault);
});
