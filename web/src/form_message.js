// The line under the form (#message): a refusal or a fault in red, a notice plainly.

import { failureText } from './failure.js';

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
