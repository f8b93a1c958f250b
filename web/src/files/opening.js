// "Ochish": the workbook chosen is read in a worker off the page's thread, so a file made to
// unpack to gigabytes never holds the page; "To'xtatish" beside the button ends the reading,
// and a file chosen meanwhile ends the earlier one's.

import { ReadingStopped, readInWorker } from '../reading/reading.js';

// input: the file input; stopButton: "To'xtatish", shown while a file is read; code: the
// module's compiled code; message: where a fault is said; notOpened(fileName, fault): what
// is said of a file that could not be read; stoppedText: what is said of a reading stopped;
// open(file, workbook, timeStamp): the workbook read, {properties, worksheets, cells} or
// {problem}, handed over for the module to judge.
export function createOpening({ input, stopButton, code, message, notOpened, stoppedText, open }) {
  let reading = null;
  const stop = () => {
    reading?.stop();
    reading = null;
    stopButton.hidden = true;
  };
  stopButton.addEventListener('click', () => {
    stop();
    message.textContent = stoppedText;
  });
  input.addEventListener('change', async (event) => {
    const [file] = input.files;
    input.value = '';
    if (!file) return;
    stop();
    const mine = readInWorker('workbook', file, code);
    reading = mine;
    stopButton.hidden = false;
    try {
      open(file, await mine.answer, event.timeStamp);
    } catch (fault) {
      if (!(fault instanceof ReadingStopped)) message.textContent = notOpened(file.name, fault);
    } finally {
      if (reading === mine) stop();
    }
  });
}
