// While the teacher types, a first report is made and saved unseen, so that the fonts are
// measured and the code is warm when the real one is asked for; the body's data-warm says
// when it is done.

import { drawPage } from './report_view.js';
import { loadFileWork } from './load_file_work.js';

export function warmUpWhenIdle({ module, measure, document, window }) {
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
