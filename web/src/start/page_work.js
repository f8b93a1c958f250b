// The page's work once the form takes input (main.js): the module, the run, the report drawn
// as it prints, its workbook and its print, the staff list and its work, the kept reports.
// What the form computes, checks and says comes from the module; here each part of the page
// is made and handed what it works with. The page keeps this as text and runs it once the
// form is on the screen; it hands over startPage.

import SoatnomaModule from 'soatnoma-module';
import { createCanvasMeasure } from '../report/canvas_measure.js';
import { KeptReports } from '../kept/kept_reports.js';
import { ReportKeeping } from '../kept/report_keeping.js';
import { storagePersistence } from '../kept/storage_persistence.js';
import { sayStorageRefused } from '../kept/storage_refused.js';
import { indexedDBOf } from '../page/page_storage.js';
import { downloadBytes } from '../files/save_file.js';
import { faultDetail } from '../page/failure.js';
import { requestOfTeacher } from './form_fill.js';
import { createRecoveryOffer } from '../kept/recovery_offer.js';
import { createRosterPanel } from '../staff/roster.js';
import { createStaffActions } from '../staff/staff.js';
import { StaffStatus } from '../staff/staff_status.js';
import { compiledCode, startModule } from '../page/module_code.js';
import { createOpening } from '../files/opening.js';
import { createReportNotice } from './form_message.js';
import { ShownReport } from '../report/shown_report.js';
import { createReportRuns } from '../report/report_runs.js';
import { listenToWorkbookSaving, listenToWorkbookSharing } from '../files/workbook_saving.js';
import { warmUpWhenIdle } from './warm_up.js';
import { createSchoolYearChoice } from './school_year.js';
import { createHelp } from './help.js';
import { createRosterExample } from '../staff/example_roster.js';
import { createCellsCheck } from '../report/cells_check.js';
import { createStaffDocument } from '../staff/staff_document.js';
import { StaffPrint } from '../staff/staff_print.js';
import { pageWordsOf } from '../page/page_words.js';

function byId(id) {
  return document.getElementById(id);
}

// "Ochish": a workbook either edition saved, read in a worker, with its corrections still
// marked; of a staff workbook the teachers are listed, and the one chosen opened, or the
// whole workbook printed. Answers the staff workbook's list (staff_document.js).
function listenToOpening({ module, code, measure, staffPrint, runs, words, line }) {
  byId('Open').addEventListener('click', () => byId('OpenFile').click());
  const staffDocument = createStaffDocument({
    module,
    code,
    measure,
    staffPrint,
    section: byId('StaffBook'),
    say: line.say,
    open: runs.open,
  });
  createOpening({
    input: byId('OpenFile'),
    stopButton: byId('StopOpening'),
    code,
    message: byId('message'),
    notOpened: (fileName, fault) => module.notOpenedText(fileName, faultDetail(fault)),
    stoppedText: words.openingStopped,
    open: (file, workbook, startedAt) => {
      if (staffDocument.offer(file, workbook)) return;
      if (runs.open({ fileName: file.name, workbook }, startedAt)) document.body.dataset.opened = file.name;
    },
  });
  return staffDocument;
}

// "Ro'yxatdan": the staff list read and listed, its example, its ready teachers' workbook
// and print; a ready teacher tapped is that teacher's report on the form.
function startStaff({ module, code, measure, staffPrint, schoolYear, form, staffDocument }) {
  const status = new StaffStatus({
    message: byId('StaffMessage'),
    progress: byId('StaffProgress'),
    progressText: (done, all) => module.staffProgressText(done, all),
  });
  createRosterExample({
    module,
    workbookButton: byId('RosterExample'),
    csvButton: byId('RosterExampleCsv'),
    openButton: byId('RosterChoose'),
    saveBytes: downloadBytes,
    say: (text, refused) => status.say(text, refused),
  });
  const staff = createStaffActions({
    module,
    measure,
    status,
    saveBytes: downloadBytes,
    staffPrint,
    schoolYear: schoolYear.year,
    earlier: (fileName) => staffDocument.listedReader(fileName),
    carryDialog: byId('CarryCheck'),
  });
  createRosterPanel({
    module,
    code,
    status,
    onTeachers: (teachers, fileName) => {
      document.body.dataset.staff = String(teachers.length);
      staff.setTeachers(teachers, fileName);
    },
    // A ready teacher's card tapped: that teacher's report, made as the list gives it.
    onOpen: (teacher, startedAt) => {
      const request = requestOfTeacher(teacher);
      form.fill(request);
      form.run(request.category, startedAt);
    },
  });
}

// Reports left unsaved when the page was last closed are offered back; a run's is shown
// with the form's boxes as they stood. A browser that refuses the page its storage is
// said to do so instead.
async function offerKept({ module, kept, form, runs, line, words }) {
  const restore = (record) => {
    if (record.opened) return runs.open(record.opened, performance.now(), record);
    form.fill(record.request);
    return Boolean(runs.run(record.request, performance.now(), record).shown);
  };
  try {
    if (await sayStorageRefused({ module, kept, note: byId('StorageNote'), window })) {
      await createRecoveryOffer({ module, kept, offer: byId('Recovery'), restore, failed: line.failed }).show();
    }
    document.body.dataset.offered = 'yes';
  } catch (fault) {
    line.failed(words.keptUnreadable, fault);
  }
}

// Reports kept at every change, in words of the module's: a keep that failed, a report kept
// apart from another tab's, the browser's refusal to keep the storage.
function keepingOf({ module, kept, shown, notice }) {
  const words = JSON.parse(module.keepingWords());
  return new ReportKeeping({
    kept,
    entries: () => shown.entries(),
    notice,
    words: {
      keptApart: words.keptApart,
      keepFailed: (fault) => module.keepFailedText(fault?.name === 'QuotaExceededError', faultDetail(fault)),
      saveEnded: (outcome, fileName, kept) => module.saveEndedText(outcome, fileName, kept),
      saveFailed: (kept) => module.saveFailedWords(kept),
    },
    firstKept: storagePersistence({ note: byId('StorageNote'), refused: words.persistRefused }),
  });
}

// The rest of the page, for the form and the line under it (main.js): the report, its files,
// the staff list, the kept reports offered back. The body's data-ready says when it is all
// there.
export async function startPage({ form, line }) {
  // The fonts the page carries (the report's, named by the module) are loaded first: the
  // module's code compiles on threads of its own meanwhile.
  const fonts = Promise.all([...document.fonts].map((face) => face.load()));
  const code = compiledCode(byId('ModuleCode').textContent);
  const [module] = await Promise.all([startModule(SoatnomaModule, code), fonts]);
  const family = module.reportFontFamily();
  // One measure for the page's life: every report asks the canvas only for texts not measured yet.
  const measure = new module.PageTextMeasure(createCanvasMeasure(document, family));
  // What is said of readings under way or stopped.
  const words = JSON.parse(module.readingWords());
  const notice = createReportNotice(byId('ReportNotice'));
  const cellsCheck = createCellsCheck({ dialog: byId('CellsCheck') });
  const schoolYear = createSchoolYearChoice({ module, select: byId('SchoolYear'), label: byId('SchoolYearCaption') });
  const shown = new ShownReport({ module, document, family, cellsCheck, notice });
  // Reports not saved yet, kept at every change; the page asks before it is left with one.
  const kept = new KeptReports(indexedDBOf(window), pageWordsOf(module));
  const keeping = keepingOf({ module, kept, shown, notice });
  const runs = createReportRuns({ module, measure, shown, keeping, line });
  form.attach({ module, year: schoolYear.year, onRun: (request, startedAt) => runs.run(request, startedAt) });
  // The whole staff's pages print in one place, from the list or from a staff workbook opened.
  const staffPrint = new StaffPrint(document);
  const staffDocument = listenToOpening({ module, code, measure, staffPrint, runs, words, line });
  listenToWorkbookSaving({
    module,
    button: byId('SaveXlsx'),
    shown,
    keeping,
    notice,
    document,
    staffSaved: (fileName, bytes) =>
      staffDocument
        .saved(fileName, bytes)
        .catch((fault) => line.say(module.notOpenedText(fileName, faultDetail(fault)))),
  });
  listenToWorkbookSharing({ module, button: byId('ShareXlsx'), shown, notice, navigator });
  createHelp({ module, button: byId('Help'), dialog: byId('HelpDialog') });
  startStaff({ module, code, measure, staffPrint, schoolYear, form, staffDocument });
  offerKept({ module, kept, form, runs, line, words });

  document.body.dataset.ready = 'yes';
  warmUpWhenIdle({ module, measure, document, window });
}
