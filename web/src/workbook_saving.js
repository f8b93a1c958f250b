// "Excel kitobi": the report shown saved as the desktop saves it. The kept copy goes only
// once the browser confirmed the file written; the body's data-workbook tells how the save
// ended: saved, downloaded, cancelled, failed.

import { saveFile } from './save_file.js';
import { loadFileWork } from './load_file_work.js';

// button: "Excel kitobi"; shown: ShownReport; keeping: ReportKeeping; line: the line under
// the form.
export function listenToWorkbookSaving({ module, button, shown, keeping, line, document }) {
  button.addEventListener('click', async (event) => {
    if (!shown.result) return;
    let snapshot = null;
    try {
      const answer = await saveFile(shown.result.fileName, async () => {
        const { writeWorkbook } = await loadFileWork();
        snapshot = keeping.snapshot();
        return writeWorkbook(module, shown.workbookForm());
      });
      const words = await keeping.saved(answer, snapshot);
      if (words !== null) line.say(words, true);
      performance.measure('soatnoma-workbook', { start: event.timeStamp });
      document.body.dataset.workbook = answer.outcome;
    } catch (fault) {
      line.failed("Ish kitobini saqlab bo'lmadi, hisobot brauzerda saqlanib turibdi:", fault);
      document.body.dataset.workbook = 'failed';
    }
  });
}
