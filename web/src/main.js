// The page: the teacher's form, the run, the report drawn as it prints, its workbook and
// its print. What the form computes, checks and says comes from the module.

import SoatnomaModule from 'soatnoma-module';
import { buildForm } from './form.js';
import { createCanvasMeasure } from './canvas_measure.js';
import { drawPage } from './report_view.js';
import { ReportZoom } from './report_zoom.js';
import { ReportEditing } from './corrections.js';
import { KeptReports } from './kept_reports.js';
import { ReportKeeping } from './report_keeping.js';
import { storagePersistence } from './storage_persistence.js';
import { downloadBytes, saveFile } from './save_file.js';
import { failureText } from './failure.js';
import { DAY_BOXES, rememberFormEntries } from './form_entries.js';
import { fillForm, requestOfTeacher } from './form_fill.js';
import { offerSharing } from './share_report.js';
import { createRecoveryOffer } from './recovery_offer.js';
import { createRosterPanel } from './roster.js';
import { createStaffActions } from './staff.js';
import { loadFileWork } from './load_file_work.js';
import { compiledCode, startModule } from './module_code.js';
import { createOpening } from './opening.js';
import { brokenText } from './typed_texts.js';
import { describeAsApp } from './home_screen.js';
import { revealReport } from './report_reveal.js';
import { wireCellPointer } from './cell_pointer.js';
import { chooseNumbersWhenEntered } from './number_boxes.js';
import { followFormMessages } from './form_message.js';
import { createSchoolYearChoice } from './school_year.js';
import { createHelp } from './help.js';
import { createRosterExample } from './example_roster.js';
import { createCellsCheck } from './cells_check.js';
import { createStaffDocument } from './staff_document.js';
import { workbookOfShown } from './shown_workbook.js';

// The most the page enlarges the desktop window's form.
const LARGEST_ZOOM = 1.6;
const TWIPS_PER_PIXEL = 15;

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

// The form as large as it is comfortable.
function fitToScreen(widthTwips) {
  const zoom = Math.min(LARGEST_ZOOM, screenRoom() / (widthTwips / TWIPS_PER_PIXEL));
  document.documentElement.style.setProperty('--zoom', String(zoom));
}

async function start() {
  // The fonts are asked for first: the module's code compiles on threads of its own.
  const fonts = Promise.all([document.fonts.load('10px "DejaVu Sans"'), document.fonts.load('bold 10px "DejaVu Sans"')]);
  const code = compiledCode(byId('ModuleCode').textContent);
  const [module] = await Promise.all([startModule(SoatnomaModule, code), fonts]);
  const measure = createCanvasMeasure(document);
  const form = JSON.parse(module.formControls());
  const root = byId('Form1');
  // The form is never sent anywhere: Enter in a box runs the report instead.
  root.addEventListener('submit', (event) => event.preventDefault());
  root.style.setProperty('--form-width', form.width);
  root.style.setProperty('--form-height', form.height);
  fitToScreen(form.width);
  window.addEventListener('resize', () => fitToScreen(form.width));
  buildForm(document, root, form.controls);
  chooseNumbersWhenEntered(root);
  const schoolYear = createSchoolYearChoice({ module, select: byId('SchoolYear'), label: byId('SchoolYearCaption') });
  const message = byId('message');
  // The line under the form: a refusal or a fault in red, a notice (notice: true) plainly.
  const say = (text, notice = false) => {
    message.textContent = text;
    message.classList.toggle('notice', notice);
  };
  const failed = (words, fault) => say(failureText(words, fault));
  followFormMessages(root, say);
  const cellsCheck = createCellsCheck({ dialog: byId('CellsCheck') });
  const report = byId('report');
  let shown = null;
  let shownOpened = null;  // the workbook the report shown was opened from; null for a run
  let editing = null;
  const editor = document.createElement('input');
  editor.id = 'CellEditor';
  editor.hidden = true;
  editor.autocomplete = 'off';
  editor.inputMode = 'decimal';
  // The report's zoom; a typing box open over a cell keeps the keys while it changes.
  const zoom = new ReportZoom(byId('sheet'), (shownZoom) => {
    byId('ZoomText').textContent = `${Math.round(shownZoom * 100)}%`;
    if (!editing?.editing) return;
    editing.placeEditor();
    editor.focus();
  });

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
    year: schoolYear.year(),
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
    shownOpened = null;
    keeping.show({ request }, restored, true);
    return true;
  };

  // Shows a report: its page drawn and ready for corrections.
  const show = (bench, result, startedAt, restored) => {
    say('');
    byId('ReportNotice').textContent = '';
    shown = result;
    // The page is fitted to its empty view before it is put there, so the browser lays it
    // out once; the typing box stands on the page.
    const sheet = byId('sheet');
    sheet.replaceChildren();
    report.hidden = false;
    const page = drawPage(document, result.form);
    page.append(editor);
    sheet.append(zoom.hold(document, page, result.form));
    editing?.dispose();
    cellsCheck.forget();
    editing = new ReportEditing(bench, {
      sheet, editor, yearTotal: byId('YearTotal'), counts: byId('CorrectionsCount'), status: byId('StatusMessage'),
      emptyTexts: byId('EmptyTexts'), zoom: () => zoom.zoom,
      keyAction: (inBox, event) => module.editingAction(inBox, event.key, event.ctrlKey || event.metaKey, event.shiftKey, event.altKey),
    }, () => {
      keeping.changed();
      document.body.dataset.corrected = String(editing.done.length);
    }, result.form);
    if (restored) editing.restore(restored.entries);
    revealReport(report, window);
    sheet.getBoundingClientRect();
    performance.measure('soatnoma-report', { start: startedAt });
    document.body.dataset.report = 'drawn';
  };
  // A fault of the page itself is said where refusals are, rather than lost.
  const runShown = (category, startedAt, restored) => {
    try {
      run(category, startedAt, restored);
    } catch (fault) {
      failed("Hisobotni tuzib bo'lmadi:", fault);
    }
  };
  byId('Command1').addEventListener('click', (event) => runShown('upper', event.timeStamp));
  byId('Command2').addEventListener('click', (event) => runShown('primary', event.timeStamp));
  byId('Text2').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') runShown(chosenCategory(), event.timeStamp);
  });

  const sheet = byId('sheet');
  wireCellPointer(sheet, editor, () => editing);
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
    shownOpened = opened;
    // An opened report is in its file until it is changed; one taken back is not.
    keeping.show({ opened }, restored, Boolean(restored));
    return true;
  };

  // "Ochish": a workbook either edition saved, with its corrections still marked; of a staff
  // workbook its teachers are listed, and the one chosen is opened.
  byId('Open').addEventListener('click', () => byId('OpenFile').click());
  const staffDocument = createStaffDocument({ module, code, section: byId('StaffBook'), say, open: openReport });
  createOpening({
    input: byId('OpenFile'),
    stopButton: byId('StopOpening'),
    code,
    message,
    open: (file, workbook, startedAt) => {
      if (staffDocument.offer(file, workbook)) return;
      if (openReport({ fileName: file.name, workbook }, startedAt)) document.body.dataset.opened = file.name;
    },
  });
  byId('Undo').addEventListener('click', () => editing?.undo());
  byId('Redo').addEventListener('click', () => editing?.redo());
  byId('ResetCell').addEventListener('click', () => editing?.revertCurrent());
  byId('ResetAll').addEventListener('click', () => editing?.revertAll());

  // How a save ended, said beside its button, where the teacher looks, on a phone too; a
  // failure in red.
  const tellSaved = (text, failure = false) => {
    byId('ReportNotice').textContent = text;
    byId('ReportNotice').classList.toggle('refused', failure);
  };
  // "Excel kitobi": the kept copy goes only once the browser confirmed the file written.
  // The body's data-workbook tells how the save ended: saved, downloaded, cancelled, failed.
  byId('SaveXlsx').addEventListener('click', async (event) => {
    if (!shown || !await cellsCheck.goOn(editing.bench, 'saving')) return;
    let snapshot = null;
    let made = null;
    const opened = shownOpened;
    try {
      const answer = await saveFile(shown.fileName, async () => {
        snapshot = keeping.snapshot();
        made = await workbookOfShown(editing.bench, opened);
        return made;
      });
      // A staff workbook saved is what the next save of it starts from.
      if (made && opened?.staffBook && answer.outcome !== 'cancelled') {
        opened.staffBook = made;
        staffDocument.saved(opened.fileName, made).catch((fault) => failed(`"${opened.fileName}" ro'yxatini yangilab bo'lmadi:`, fault));
      }
      const words = await keeping.saved(answer, snapshot);
      if (words !== null) tellSaved(words);
      performance.measure('soatnoma-workbook', { start: event.timeStamp });
      document.body.dataset.workbook = answer.outcome;
    } catch (fault) {
      tellSaved(failureText("Ish kitobini saqlab bo'lmadi, hisobot brauzerda saqlanib turibdi:", fault), true);
      document.body.dataset.workbook = 'failed';
    }
  });
  offerSharing({
    button: byId('ShareXlsx'),
    navigator,
    tell: tellSaved,
    makeWorkbook: async () => ({ bytes: await workbookOfShown(editing.bench, shownOpened), fileName: shown.fileName }),
  });
  byId('Print').addEventListener('click', async () => {
    if (editing && !await cellsCheck.goOn(editing.bench, 'printing')) return;
    window.print();
  });

  // Zooming the report: a step in or out from where it is, or back to the screen's width.
  byId('ZoomIn').addEventListener('click', () => zoom.zoomIn());
  byId('ZoomOut').addEventListener('click', () => zoom.zoomOut());
  byId('ZoomFit').addEventListener('click', () => zoom.choose(null));

  createHelp({ module, button: byId('Help'), dialog: byId('HelpDialog') });
  createRosterExample({
    module,
    workbookButton: byId('RosterExample'),
    csvButton: byId('RosterExampleCsv'),
    saveBytes: downloadBytes,
    say: (text, refused = false) => {
      byId('StaffMessage').textContent = text;
      byId('StaffMessage').classList.toggle('refused', refused);
    },
  });
  const staff = createStaffActions({ module, measure, saveBytes: downloadBytes, schoolYear: schoolYear.year });
  createRosterPanel({
    module,
    code,
    onTeachers: (teachers, fileName) => {
      document.body.dataset.staff = String(teachers.length);
      staff.setTeachers(teachers, fileName);
    },
    // A ready teacher's card tapped: that teacher's report, made as the list gives it.
    onOpen: (teacher, startedAt) => {
      const request = requestOfTeacher(teacher);
      fillForm(request, { byId, daysChanged: sumDays, showRunButton });
      runShown(request.category, startedAt);
    },
  });

  // Reports left unsaved when the page was last closed are offered back.
  const restoreKept = (record) => {
    if (record.opened) return openReport(record.opened, performance.now(), record);
    const { request } = record;
    // The days as they stood, marked as typed; the weekly hours as they ran.
    fillForm(request, { byId, daysChanged: markDays, showRunButton });
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
    await writeWorkbook(warm.form);
    document.body.dataset.warm = 'yes';
  });
}

// Served over http, the page keeps working offline after its first visit and can be put on a
// phone's home screen; from a file it needs nothing of the kind.
if ('serviceWorker' in navigator && window.location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
describeAsApp(document, window.location);

start().catch((fault) => {
  byId('message').textContent = failureText("Sahifani ishga tushirib bo'lmadi:", fault);
});
