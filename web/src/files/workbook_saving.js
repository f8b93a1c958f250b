// "Excel kitobi": the report shown saved as the desktop saves it (a staff workbook's teacher
// into the whole staff workbook). The kept copy goes only
// once the browser confirmed the file written; the body's data-workbook tells how the save
// ended: saved, downloaded, cancelled, failed. "Ulashish" hands the same workbook to another
// app where the browser can share files.

import { saveFile } from './save_file.js';
import { workbookOfShown } from './shown_workbook.js';
import { failureText } from '../page/failure.js';
import { offerSharing } from './share_report.js';
import { pageWordsOf } from '../page/page_words.js';

// A staff workbook saved is what its next save starts from; staffSaved(fileName, bytes) is
// told.
function adoptStaffBook(opened, answer, bytes, staffSaved) {
  if (!bytes || !opened?.staffBook || answer.outcome === 'cancelled') return;
  opened.staffBook = bytes;
  staffSaved(opened.fileName, bytes);
}

// button: "Excel kitobi"; shown: ShownReport; keeping: ReportKeeping; notice: the line
// beside the report's buttons; the question before cells to check leave is the shown report's;
// staffSaved(fileName, bytes): told when a staff workbook was saved with a teacher written back.
export function listenToWorkbookSaving({ module, button, shown, keeping, notice, document, staffSaved }) {
  button.addEventListener('click', async (event) => {
    if (!shown.result || !(await shown.mayLeave('saving'))) return;
    let snapshot = null;
    let made = null;
    const { opened } = shown;
    try {
      const answer = await saveFile(shown.result.fileName, pageWordsOf(module).workbookKind, async () => {
        snapshot = keeping.snapshot();
        made = await workbookOfShown(module, shown);
        return made;
      });
      adoptStaffBook(opened, answer, made, staffSaved);
      const words = await keeping.saved(answer, snapshot);
      if (words !== null) notice.tell(words);
      performance.measure('soatnoma-workbook', { start: event.timeStamp });
      document.body.dataset.workbook = answer.outcome;
    } catch (fault) {
      notice.tell(failureText(await keeping.saveFailedWords(), fault), true);
      document.body.dataset.workbook = 'failed';
    }
  });
}

// button: "Ulashish", hidden where the browser cannot share files.
export function listenToWorkbookSharing({ module, button, shown, notice, navigator }) {
  offerSharing({
    button,
    module,
    navigator,
    tell: notice.tell,
    makeWorkbook: async () => ({ bytes: await workbookOfShown(module, shown), fileName: shown.result.fileName }),
  });
}
