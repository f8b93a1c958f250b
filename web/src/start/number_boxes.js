// The form's boxes that take numbers (the rate, the weekly hours, the days) choose their whole
// text when they are tapped or clicked into, so that what is typed replaces the number in
// them rather than landing between its digits. A mouse click in a box that already has the
// keys places the caret as usual, for mending; a finger's tap always chooses the whole
// number, also in the box the last report was run from, which keeps the keys meanwhile
// (a phone mends a number with its own caret handles).

import { isFinger } from '../page/finger.js';

const NUMBER_BOXES = 'input[data-role]';

export function chooseNumbersWhenEntered(root) {
  for (const box of root.querySelectorAll(NUMBER_BOXES)) {
    if (box.inputMode !== 'decimal') continue;
    let entering = false;
    let byFinger = false;
    box.addEventListener('pointerdown', (event) => {
      byFinger = isFinger(event);
    });
    box.addEventListener('focus', () => {
      entering = true;
      box.select();
    });
    // The browser places the caret where the pointer let go, after the box took the keys.
    box.addEventListener('click', () => {
      if (entering || byFinger) box.select();
      entering = false;
    });
    box.addEventListener('keydown', () => {
      entering = false;
    });
    box.addEventListener('blur', () => {
      entering = false;
    });
  }
}
