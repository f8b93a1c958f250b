// The line under the form (#message): a refusal or a fault in red, a notice plainly. It
// follows what the form holds: while a day box holds text that is not a number, the line
// says why (its tool tip says so too, but a phone shows no tool tips); once the teacher
// changes the form, a refusal said before no longer speaks of what is there and goes.

import { failureText } from '../page/failure.js';

export function createFormMessage(element) {
  const say = (text, notice = false) => {
    element.textContent = text;
    element.classList.toggle('notice', notice);
  };
  return {
    say,
    // A fault said in the teacher's words, the browser's detail after them.
    failed: (words, fault) => say(failureText(words, fault)),
  };
}

// root: the form; say(text): writes the line. The day boxes are marked (class
// "not-a-number", the reason as their tool tip) before the change reaches the form.
export function followFormMessages(root, say) {
  root.addEventListener('input', () => {
    const notANumber = root.querySelector('input.not-a-number');
    say(notANumber ? notANumber.title : '');
  });
}

// How a save of the report ended, said beside its buttons, where the teacher looks, on a
// phone too; a failure in red.
export function createReportNotice(element) {
  const tell = (text, failure = false) => {
    element.textContent = text;
    element.classList.toggle('refused', failure);
  };
  // A text told earlier taken back, unless something else has been told since.
  const withdraw = (text) => {
    if (element.textContent === text) tell('');
  };
  return { tell, withdraw, clear: () => tell('') };
}
