// The page: the teacher's form, the run, the report drawn as it prints, its workbook and
// its print. What the form computes, checks and says comes from the module.

import SoatnomaModule from 'soatnoma-module';
import { buildForm } from './form.js';
import { createCanvasMeasure } from './canvas_measure.js';
import { drawPage } from './report_view.js';
import { ReportEditing } from './corrections.js';
import { KeptReports } from './kept_reports.js';
import { ReportKeeping } from './report_keeping.js';
import { storagePersistence } from './storage_persistence.js';
import { downloadBytes, saveFile } from './save_file.js';
import { failureText, faultDetail } from './failure.js';
import { DAY_BOXES, daysOf, rememberFormEntries } from './form_entries.js';
import { createRecoveryOffer } from './recovery_offer.js';
import { createRosterPanel } from './roster.js';
import { createStaffActions } from './staff.js';
import { loadFileWork } from './load_file_work.js';
import { compiledCode, startModule } from './module_code.js';
import { createOpening } from './opening.js';
import { brokenText } from './typed_texts.js';
import { showSharedLabels } from './labels.js';

// The most the page enlarges the desktop window's form.
const LARGEST_ZOOM = 1.6;

function byId(id) {
  return document.getElementById(id);
}

function chosenCategory() {
  return byId('Option1').checked ? 'primary' : 'upper';
}

// The room across the screen, CSS pixels.
function screenRoom() {
  return document.documentElement.clientWidth - 18;
}

// The zoom chosen with the buttons; null while the page follows the screen's width.
let chosenZoom = null;

// The report's page at the chosen zoom, or at most as wide as the screen, never wider; the
// zoom as the desktop's report window has it, 100 % the paper's real size.
function fitPage(module, page, room) {
  // The page's width is set in points; 3 points are 4 CSS pixels.
  const zoom = chosenZoom ?? module.heldZoom(Math.min(1, room / (parseFloat(page.style.width) * 4 / 3)));
  page.style.zoom = String(zoom);
  byId('ZoomText').textContent = module.zoomText(zoom);
}

// The form as large as it is comfortable, and the report's page fitted.
function fitToScreen(module, form) {
  const room = screenRoom();
  const zoom = Math.min(LARGEST_ZOOM, room / (form.width / form.twipsPerPixel));
  document.documentElement.style.setProperty('--zoom', String(zoom));
  const page = document.querySelector('#sheet .page');
  if (page) fitPage(module, page, room);
}

async function start() {
  // The fonts the page carries (the report's, named by the module) are loaded first: the
  // module's code compiles on threads of its own meanwhile.
  const fonts = Promise.all([...document.fonts].map((face) => face.load()));
  const code = compiledCode(byId('ModuleCode').textContent);
  const [module] = await Promise.all([startModule(SoatnomaModule, code), fonts]);
  const family = module.reportFontFamily();
  const measure = createCanvasMeasure(document);
  showSharedLabels(document, module);
  const form = JSON.parse(module.formControls());
  const root = byId('Form1');
  document.documentElement.style.setProperty('--twips-per-pixel', form.twipsPerPixel);
  // The form is never sent anywhere: Enter in a box runs the report instead.
  root.addEventListener('submit', (event) => event.preventDefault());
  root.style.setProperty('--form-width', form.width);
  root.style.setProperty('--form-height', form.height);
  fitToScreen(module, form);
  window.addEventListener('resize', () => fitToScreen(module, form));
  buildForm(document, root, form.controls);
  const message = byId('message');
  // The line under the form: a refusal or a fault in red, a notice (notice: true) plainly.
  const say = (text, notice = false) => {
    message.textContent = text;
    message.classList.toggle('notice', notice);
  };
  const failed = (words, fault) => say(failureText(words, fault));
  const report = byId('report');
  let shown = null;
  let editing = null;
  const editor = document.createElement('input');
  editor.id = 'CellEditor';
  editor.hidden = true;
  editor.autocomplete = 'off';
  editor.inputMode = 'decimal';
  editor.style.fontFamily = `"${family}"`;

  // A day that holds text that is not a number is marked with the reason.
  const markDays = () => {
    for (const id of DAY_BOXES) {
      const box = byId(id);
      const notANumber = module.dayIsNotANumber(box.value);
      box.classList.toggle('not-a-number', notANumber);
      box.title = notANumber ? module.dayNotANumberMessage() : '';
    }
  };
  // Every day counts, whichever changed; while a day holds text that is not a number, the
  // week stays as it was.
  const sumDays = () => {
    markDays();
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
  const entries = rememberFormEntries({ byId, choose, daysChanged: sumDays });

  // Reports not saved yet, kept at every change; the page asks before it is left with one.
  const kept = new KeptReports(window.indexedDB);
  const keeping = new ReportKeeping({
    kept, entries: () => editing?.entries() ?? [], failed, firstKept: storagePersistence({ note: byId('StorageNote') }),
  });

  const formRequest = (category) => ({
    category,
    weekly: byId('Text2').value,
    rate: byId('Text1').value,
    leader: byId('Check1').checked,
    name: byId('Text3').value,
    school: byId('Text6').value,
    subject: byId('Text4').value,
    year: new Date().getFullYear(),
    days: DAY_BOXES.map((id) => byId(id).value),
  });

  // startedAt: when the teacher pressed Enter or the button, for the page's timings;
  // restored: a kept report taken back, with its corrections. True when a report is shown.
  const run = (category, startedAt, restored) => {
    if (!restored) entries.save();
    const request = restored?.request ?? formRequest(category);
    const broken = brokenText(module, request);
    if (broken) {
      message.textContent = broken.message;
      byId(broken.box).focus();
      return;
    }
    const bench = new module.ReportWorkbench(request, measure);
    const result = JSON.parse(bench.result());
    if (!result.ok) {
      bench.delete();
      say(result.message);
      if (result.clearsWeeklyHours) byId('Text2').value = '';
      byId('Text2').focus();
      return false;
    }
    show(bench, result, startedAt, restored);
    keeping.show({ request }, restored, true);
    return true;
  };

  // Shows a report: its page drawn and ready for corrections.
  const show = (bench, result, startedAt, restored) => {
    say('');
    shown = result;
    // The page is fitted before it is shown, so the browser lays it out once.
    const page = drawPage(document, result.form);
    fitPage(module, page, screenRoom());
    const sheet = byId('sheet');
    sheet.replaceChildren(page, editor);
    editing?.dispose();
    editing = new ReportEditing(bench, {
      sheet, editor, yearTotal: byId('YearTotal'), counts: byId('CorrectionsCount'), status: byId('StatusMessage'),
      emptyTexts: byId('EmptyTexts'),
    }, () => {
      keeping.changed();
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
      failed(module.reportFailedWords(), fault);
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
      say(result.message);
      return false;
    }
    show(bench, result, startedAt, restored);
    // An opened report is in its file until it is changed; one taken back is not.
    keeping.show({ opened }, restored, Boolean(restored));
    return true;
  };

  // "Ochish": a workbook either edition saved, with its corrections still marked.
  byId('Open').addEventListener('click', () => byId('OpenFile').click());
  createOpening({
    input: byId('OpenFile'),
    stopButton: byId('StopOpening'),
    code,
    message,
    notOpened: (fileName, fault) => module.notOpenedText(fileName, faultDetail(fault)),
    open: (file, workbook, startedAt) => {
      if (openReport({ fileName: file.name, workbook }, startedAt)) document.body.dataset.opened = file.name;
    },
  });
  byId('Undo').addEventListener('click', () => editing?.undo());
  byId('Redo').addEventListener('click', () => editing?.redo());
  byId('ResetCell').addEventListener('click', () => editing?.revertCurrent());
  byId('ResetAll').addEventListener('click', () => editing?.revertAll());

  // "Excel kitobi": the kept copy goes only once the browser confirmed the file written.
  // The body's data-workbook tells how the save ended: saved, downloaded, cancelled, failed.
  byId('SaveXlsx').addEventListener('click', async (event) => {
    if (!shown) return;
    let snapshot = null;
    try {
      const answer = await saveFile(shown.fileName, async () => {
        const { writeWorkbook } = await loadFileWork();
        snapshot = keeping.snapshot();
        return writeWorkbook(module, JSON.parse(editing.bench.workbookForm()));
      });
      const words = await keeping.saved(answer, snapshot);
      if (words !== null) say(words, true);
      performance.measure('soatnoma-workbook', { start: event.timeStamp });
      document.body.dataset.workbook = answer.outcome;
    } catch (fault) {
      failed("Ish kitobini saqlab bo'lmadi, hisobot brauzerda saqlanib turibdi:", fault);
      document.body.dataset.workbook = 'failed';
    }
  });
  byId('Print').addEventListener('click', () => window.print());

  // Zooming the report: a step in or out from where it is, or back to the screen's width.
  const zoomReport = (zoom) => {
    const page = document.querySelector('#sheet .page');
    if (!page) return;
    chosenZoom = zoom === null ? null : module.heldZoom(zoom);
    fitPage(module, page, screenRoom());
    // A typing box open over a cell follows the cell.
    if (editing?.editing) editing.edit(editor.value);
  };
  const shownZoom = () => parseFloat(document.querySelector('#sheet .page')?.style.zoom ?? '1');
  byId('ZoomIn').addEventListener('click', () => zoomReport(module.steppedZoom(shownZoom(), 1)));
  byId('ZoomOut').addEventListener('click', () => zoomReport(module.steppedZoom(shownZoom(), -1)));
  byId('ZoomFit').addEventListener('click', () => zoomReport(null));

  const staff = createStaffActions({ module, measure, saveBytes: downloadBytes });
  createRosterPanel({
    module,
    code,
    onTeachers: (teachers, fileName) => {
      document.body.dataset.staff = String(teachers.length);
      staff.setTeachers(teachers, fileName);
    },
  });

  // Reports left unsaved when the page was last closed are offered back.
  const restoreKept = (record) => {
    if (record.opened) return openReport(record.opened, performance.now(), record);
    const { request } = record;
    byId('Text3').value = request.name;
    byId('Text6').value = request.school;
    byId('Text4').value = request.subject;
    // The days as they stood, marked as typed; the weekly hours as they ran.
    const days = daysOf(request.days);
    DAY_BOXES.forEach((id, index) => { byId(id).value = days?.[index] ?? ''; });
    markDays();
    byId('Text2').value = request.weekly;
    byId('Text1').value = request.rate;
    byId('Check1').checked = request.leader;
    byId(request.category === 'primary' ? 'Option1' : 'Option2').checked = true;
    showRunButton(request.category);
    return run(request.category, performance.now(), record);
  };
  createRecoveryOffer({ module, kept, offer: byId('Recovery'), restore: restoreKept, failed }).show()
    .then(() => { document.body.dataset.offered = 'yes'; })
    .catch((fault) => failed("Saqlanmagan hisobotlarni o'qib bo'lmadi:", fault));

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
    await writeWorkbook(module, warm.form);
    document.body.dataset.warm = 'yes';
  });
}

// Served over http, the page keeps working offline after its first visit; from a file it
// needs nothing of the kind.
if ('serviceWorker' in navigator && window.location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

start().catch((fault) => {
  byId('message').textContent = failureText("Sahifani ishga tushirib bo'lmadi:", fault);
});
