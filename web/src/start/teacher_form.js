// The teacher's form on the page: built from the module's table of controls and scaled for
// the screen; the days add up into the weekly hours, the category sets the rate and its run
// button, and the last entries come back. What a run asks for is read from it, a refused
// run puts the cursor where the fault is, and a kept run's entries are put back into it.

import { formBoxes } from './form_boxes.js';
import { rememberFormEntries } from './form_entries.js';
import { fillForm } from './form_fill.js';
import { chooseNumbersWhenEntered } from './number_boxes.js';
import { afterNextFrame } from '../page/page_turn.js';

// A day that holds text that is not a number is marked with the reason.
function markDays(module, boxes) {
  for (const box of boxes.days()) {
    const notANumber = module.dayIsNotANumber(box.value);
    box.classList.toggle('not-a-number', notANumber);
    box.title = notANumber ? module.dayNotANumberMessage() : '';
  }
}

// Every day counts, whichever changed; while a day holds text that is not a number, the
// week stays as it was.
function sumDays(module, boxes) {
  markDays(module, boxes);
  const week = module.weeklyHoursOfDays(boxes.days().map((box) => box.value));
  if (week !== null) boxes.of('weeklyHours').value = week;
}

// The two run buttons share one place; only the chosen category's is there.
function showRunButton(boxes, category) {
  boxes.of('runPrimary').hidden = category !== 'primary';
  boxes.of('runUpper').hidden = category !== 'upper';
}

// year(): the school year chosen.
function readRequest(boxes, category, year) {
  return {
    category,
    weekly: boxes.of('weeklyHours').value,
    rate: boxes.of('rate').value,
    leader: boxes.of('classLeader').checked,
    name: boxes.of('name').value,
    school: boxes.of('school').value,
    subject: boxes.of('subject').value,
    year: year(),
    days: boxes.days().map((box) => box.value),
  };
}

// The category whose run button is shown.
function chosenCategory(boxes) {
  return boxes.of('primary').checked ? 'primary' : 'upper';
}

// The form the page was built with (form.js) takes input before the module has started. What
// needs the module (a category's rate, the days' sum, a run) waits for attach(); a run asked
// for meanwhile is made then.
export function createTeacherForm({ document }) {
  const boxes = formBoxes(document);
  const root = document.getElementById('Form1');
  // The form is never sent anywhere: Enter in a box runs the report instead.
  root.addEventListener('submit', (event) => event.preventDefault());
  chooseNumbersWhenEntered(root);
  let attached = null; // {module, year, onRun} once the module has started
  let waitingRun = null;
  let rateTyped = false;
  let daysToAdd = false; // a day was typed after the weekly hours, before the module started
  boxes.of('rate').addEventListener(
    'input',
    () => {
      rateTyped = true;
    },
    { once: true },
  );
  boxes.of('weeklyHours').addEventListener('input', () => {
    daysToAdd = false;
  });
  const daysChanged = () => {
    if (attached) sumDays(attached.module, boxes);
    else daysToAdd = true;
  };
  for (const box of boxes.days()) box.addEventListener('input', daysChanged);
  const choose = (category) => {
    if (attached) boxes.of('rate').value = attached.module.defaultRate(category);
    showRunButton(boxes, category);
  };
  boxes.of('primary').addEventListener('change', () => choose('primary'));
  boxes.of('upper').addEventListener('change', () => choose('upper'));
  boxes.of('upper').checked = true;
  const entries = rememberFormEntries({ boxes, choose, daysChanged });

  // The entries are kept once the frame that answers the run is drawn, so that it never
  // waits for the storage.
  const run = (category, startedAt) => {
    if (!attached) {
      waitingRun = { category, startedAt };
      return;
    }
    afterNextFrame(document.defaultView, entries.save);
    const answer = attached.onRun(readRequest(boxes, category, attached.year), startedAt);
    if (!answer?.refused) return;
    if (answer.clearsWeeklyHours) boxes.of('weeklyHours').value = '';
    boxes.of(answer.box ?? 'weeklyHours').focus();
  };
  boxes.of('runUpper').addEventListener('click', (event) => run('upper', event.timeStamp));
  boxes.of('runPrimary').addEventListener('click', (event) => run('primary', event.timeStamp));
  boxes.of('weeklyHours').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') run(chosenCategory(boxes), event.timeStamp);
  });
  return {
    // The module started: the category's rate (unless the teacher typed one), the days typed
    // so far added up (unless weekly hours were typed after them), and a run asked for
    // meanwhile made. year(): the school year chosen;
    // onRun(request, startedAt) answers {refused, box, clearsWeeklyHours} when the run was
    // refused.
    attach({ module, year, onRun }) {
      attached = { module, year, onRun };
      if (!rateTyped) boxes.of('rate').value = module.defaultRate(chosenCategory(boxes));
      if (daysToAdd) sumDays(module, boxes);
      else markDays(module, boxes);
      const waiting = waitingRun;
      waitingRun = null;
      if (waiting) run(waiting.category, waiting.startedAt);
    },
    // A request's boxes as they stood (a kept run, a teacher of the staff list): the days
    // marked as typed, the weekly hours as they ran.
    fill: (request) =>
      fillForm(request, {
        boxes,
        daysChanged: () => markDays(attached.module, boxes),
        showRunButton: (category) => showRunButton(boxes, category),
      }),
    // The run of the form as it stands, as if its button were pressed.
    run,
    focus: () => boxes.of('name').focus(),
  };
}
