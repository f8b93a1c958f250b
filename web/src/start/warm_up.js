// While the teacher types, a first report is made, corrected and saved unseen, so that the
// fonts are measured and the code is warm when the real one is asked for; the body's
// data-warm says when it is done. It begins with the teacher's first key or tap once the
// page is ready, not with the opening: a page only opened or read costs its drawing alone.

import { drawPage } from '../report/report_view.js';
import { loadFileWork } from '../files/load_file_work.js';
import { ReportCorrections } from '../report/corrections.js';

// The report made unseen: a teacher's week as the form gives it.
const WARM_REQUEST = { category: 'upper', weekly: '24', rate: '20', leader: true, year: 2000 };

// A report's page drawn on the page where no one sees it; remove() it when done.
function drawnUnseen(document, report) {
  const unseen = document.createElement('div');
  unseen.className = 'unseen';
  unseen.appendChild(drawPage(document, report));
  document.body.appendChild(unseen);
  return unseen;
}

// The corrections of a report made unseen, on its page drawn unseen: their code and the
// module's answers to them are ready before the first report is shown. Nothing is kept; the
// workbook's parts of the report are given back, to be packed.
function warmCorrections(module, measure, document) {
  const workbench = new module.ReportWorkbench(
    { ...WARM_REQUEST, name: '', school: '', subject: '', days: [] },
    measure,
  );
  const report = JSON.parse(workbench.result()).report;
  const unseen = drawnUnseen(document, report);
  const sink = () => document.createElement('span');
  const editing = new ReportCorrections(
    workbench,
    {
      sheet: unseen,
      editor: document.createElement('input'),
      yearTotal: sink(),
      counts: sink(),
      status: sink(),
      emptyTexts: sink(),
      zoom: () => 1,
      keyAction: () => null,
    },
    () => {},
    report,
  );
  editing.refresh();
  const parts = workbench.workbookParts();
  editing.dispose();
  unseen.remove();
  return parts;
}

// The report made unseen a few times over, as the browser compiles code fully only once it
// has run a while; each time in an idle moment of its own, so that a tap meanwhile waits
// for one at most.
async function warmUp({ module, measure, document, whenIdle }) {
  for (let round = 0; round < 3; ++round) {
    if (round > 0)
      await new Promise((idle) => {
        whenIdle(idle);
      });
    const warm = JSON.parse(module.buildReport(WARM_REQUEST, measure));
    const unseen = drawnUnseen(document, warm.report);
    unseen.getBoundingClientRect();
    unseen.remove();
  }
  await new Promise((idle) => {
    whenIdle(idle);
  });
  const parts = warmCorrections(module, measure, document);
  // The file work is run in an idle moment of its own, so that no one turn keeps typing
  // waiting long.
  await new Promise((idle) => {
    whenIdle(idle);
  });
  const { packParts } = await loadFileWork();
  await packParts(parts);
  document.body.dataset.warm = 'yes';
}

// What begins the warming: a key or a tap anywhere on the page.
const BEGINNINGS = ['keydown', 'pointerdown'];

export function warmUpWhenIdle({ module, measure, document, window }) {
  const whenIdle = window.requestIdleCallback ?? ((work) => setTimeout(work, 200));
  const begin = () => {
    for (const type of BEGINNINGS) document.removeEventListener(type, begin, true);
    whenIdle(() => warmUp({ module, measure, document, whenIdle }));
  };
  for (const type of BEGINNINGS) document.addEventListener(type, begin, true);
}
