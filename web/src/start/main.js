// The page's first script: the form, drawn with the page (which was built with it), taking
// input at once; the rest of the page (page_work.js: the module, the report, its files, the
// staff list) is deferred, held as text and run once the form is on the screen. A run asked for
// meanwhile is made as soon as the module is there.

import { failureText } from '../page/failure.js';
import { createFormMessage, followFormMessages } from './form_message.js';
import { createTeacherForm } from './teacher_form.js';
import { describeAsApp } from './home_screen.js';
import { runDeferredScript } from './deferred_script.js';
import { afterNextFrame } from '../page/page_turn.js';

function byId(id) {
  return document.getElementById(id);
}

function startForm() {
  const line = createFormMessage(byId('message'));
  const form = createTeacherForm({ document });
  followFormMessages(byId('Form1'), line.say);
  form.focus();
  performance.mark('soatnoma-interactive');
  document.body.dataset.form = 'yes';
  return { form, line };
}

// The whole page read: the rest of the page and the module's code, which the page carries
// after this script, are there.
function pageRead() {
  if (document.readyState !== 'loading') return Promise.resolve();
  return new Promise((read) => {
    document.addEventListener('DOMContentLoaded', read, { once: true });
  });
}

// Served over http, the page keeps working offline after its first visit and can be put on a
// phone's home screen; from a file it needs nothing of the kind.
if ('serviceWorker' in navigator && window.location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
describeAsApp(document, window.location);

// The words were written into the page when it was built: they are there without the module.
const startFailed = (fault) => {
  const message = byId('message');
  message.textContent = failureText(message.dataset.startFailed, fault);
};
try {
  const started = startForm();
  const drawn = new Promise((frame) => {
    afterNextFrame(window, frame);
  });
  Promise.all([pageRead(), drawn])
    .then(() => runDeferredScript('PageWork'))
    .then(({ startPage }) => startPage(started))
    .catch(startFailed);
} catch (fault) {
  startFailed(fault);
}
