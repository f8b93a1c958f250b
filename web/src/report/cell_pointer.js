// How the report's cells and typing box answer the mouse, the finger and the focus. A click
// outlines a cell and a double click opens its typing box; on a touch screen one tap opens the box at once, with the
// phone's keypad of digits, its old value chosen so that what is typed replaces it. A second
// tap of a double tap lands in the open box and chooses its text again.

import { isFinger } from '../page/finger.js';

// sheet: the box the report scrolls in; editor: the typing box; editingOf(): the corrections
// of the report shown, or null.
export function wireCellPointer(sheet, editor, editingOf) {
  let byFinger = false;
  sheet.addEventListener('pointerdown', (event) => {
    byFinger = isFinger(event);
  });
  sheet.addEventListener('click', (event) => {
    const editing = editingOf();
    if (!editing || event.target === editor) return;
    if (editing.click(event.target) && byFinger) editing.openCurrent();
  });
  // The focus leaving the open box for elsewhere on the page takes the entry; the zoom's
  // buttons, pressed while typing, and another window taking the focus do not.
  editor.addEventListener('blur', (event) => {
    if (event.relatedTarget?.closest?.('.toolbar.zoom') || !editor.ownerDocument.hasFocus()) return;
    editingOf()?.leaveBox(event.timeStamp);
  });
  sheet.addEventListener('dblclick', (event) => {
    const editing = editingOf();
    if (!editing) return;
    if (event.target === editor) {
      editor.select();
      return;
    }
    if (editing.click(event.target)) editing.openCurrent();
  });
}
