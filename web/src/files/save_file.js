// Hands a file the page made to the teacher. Where the browser offers its own "save as"
// (showSaveFilePicker), the teacher chooses the place and the page learns that the file was
// written there, or that the choice was cancelled. Elsewhere the file is handed to the
// browser as a download, and the page learns nothing more: not whether a file appeared,
// nor where (a name too long for the disk, or the browser's own "save as" cancelled, leave
// no file and no word of it).

export const WORKBOOK_TYPE = 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet';

// The picker's answer when the teacher closed it without choosing.
const CANCELLED = Symbol('cancelled');

// The bytes handed to the browser as a download under the name given.
export function downloadBytes(bytes, fileName, document = globalThis.document) {
  const url = URL.createObjectURL(new Blob([bytes], { type: WORKBOOK_TYPE }));
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// The place the teacher chose; CANCELLED; or null where the browser has no picker for this
// page (another browser, a phone) or cannot open it now.
async function chosenPlace(window, fileName, kind) {
  if (typeof window.showSaveFilePicker !== 'function') return null;
  try {
    return await window.showSaveFilePicker({
      suggestedName: fileName,
      types: [{ description: kind, accept: { [WORKBOOK_TYPE]: ['.xlsx'] } }],
    });
  } catch (fault) {
    return fault?.name === 'AbortError' ? CANCELLED : null;
  }
}

// Written whole or not at all: the browser puts the file in place when it is closed.
async function writeInto(place, bytes) {
  const writable = await place.createWritable();
  try {
    await writable.write(bytes);
    await writable.close();
  } catch (fault) {
    await writable.abort?.().catch(() => {});
    throw fault;
  }
}

// Saves the file: the place is asked for first (the browser shows its picker only right
// after the teacher's click, offering the file under kind, the name of its kind), then
// makeBytes() makes its bytes. Answers {outcome, fileName}:
// 'saved' (written where the teacher chose, under the name chosen), 'cancelled' (the picker
// closed: nothing made, nothing written) or 'downloaded' (handed to the browser). A write
// that fails throws.
export async function saveFile(fileName, kind, makeBytes, window = globalThis.window) {
  const place = await chosenPlace(window, fileName, kind);
  if (place === CANCELLED) return { outcome: 'cancelled', fileName };
  const bytes = await makeBytes();
  if (!place) {
    downloadBytes(bytes, fileName, window.document);
    return { outcome: 'downloaded', fileName };
  }
  await writeInto(place, bytes);
  return { outcome: 'saved', fileName: place.name || fileName };
}
