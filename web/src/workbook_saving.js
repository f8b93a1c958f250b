// "Excel kitobi": the report shown saved as the desktop saves it. The kept copy goes only
// once the browser confirmed the file written; the body's data-workbook tells how the save
// ended: saved, downloaded, cancelled, failed. "Ulashish" hands the same workbook to another
// app where the browser can share files.

import { saveFile } from './save_file.js';
import { loadFileWork } from './load_file_work.js';
import { failureText } from './failure.js';
import { offerSharing } from './share_report.js';

// button: "Excel kitobi"; shown: ShownReport; keeping: ReportKeeping; notice: the line
// beside the report's buttons; the question before cells to check leave is the shown report's.
export function listenToWorkbookSaving({ module, button, shown, keeping, notice, document }) {
  button.addEventListener('click', async (event) => {
    if (!shown.result || !await shown.mayLeave('saving')) return;
    let snapshot = null;
    try {
      const answer = await saveFile(shown.result.fileName, async () => {
        const { writeWorkbook } = await loadFileWork();
        snapshot = keeping.snapshot();
        return writeWorkbook(module, shown.workbookForm());
      });
      const words = await keeping.saved(answer, snapshot);
      if (words !== null) notice.tell(words);
      performance.measure('soatnoma-workbook', { start: event.timeStamp });
      document.body.dataset.workbook = answer.outcome;
    } catch (fault) {
      notice.tell(failureText("Ish kitobini saqlab bo'lmadi, hisobot brauzerda saqlanib turibdi:", fault), true);
      document.body.dataset.workbook = 'failed';
    }
  });
}

// button: "Ulashish", hidden where the browser cannot share files.
export function listenToWorkbookSharing({ module, button, shown, notice, navigator }) {
  offerSharing({
    button,
    navigator,
    tell: notice.tell,
    makeWorkbook: async () => {
      const { writeWorkbook } = await loadFileWork();
      return { bytes: await writeWorkbook(module, shown.workbookForm()), fileName: shown.result.fileName };
    },
  });
}
