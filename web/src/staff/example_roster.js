// "Namuna": the desktop's example staff list, described by the module, downloaded as a
// workbook (with the sheet of notes on the columns) or as CSV as Excel saves it in Uzbek
// settings, to fill in and choose again.

import { loadFileWork } from '../files/load_file_work.js';

// saveBytes(bytes, fileName): how the page hands a file to the browser; say(text, refused):
// the staff list's status line.
// openButton: the button a list is chosen with.
export function createRosterExample({ module, workbookButton, csvButton, openButton, saveBytes, say }) {
  const example = () => JSON.parse(module.exampleRoster());
  // The list filled in is chosen with the panel's own button, named as it shows.
  const savedText = (fileName) => module.exampleSavedText(fileName, openButton.textContent);
  csvButton.addEventListener('click', () => {
    const { csv, csvName } = example();
    saveBytes(new TextEncoder().encode(csv), csvName);
    say(savedText(csvName));
  });
  workbookButton.addEventListener('click', async () => {
    try {
      const { workbookName } = example();
      const { packParts } = await loadFileWork();
      saveBytes(await packParts(module.exampleWorkbookParts()), workbookName);
      say(savedText(workbookName));
    } catch (fault) {
      say(String(fault), true);
    }
  });
}
