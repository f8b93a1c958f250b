// The teacher's form on the page: built from the module's table of controls and scaled for
// the screen; the days add up into the weekly hours, the category sets the rate and its run
// button, and the last entries come back. What a run asks for is read from it, a refused
// run puts the cursor where the fault is, and a kept run's entries are put back into it.

import { DAY_BOXES, rememberFormEntries } from './form_entries.js';
import { fillForm } from './form_fill.js';
import { chooseNumbersWhenEntered } from './number_boxes.js';
import { afterNextFrame } from './page_turn.js';

// A day that holds text that is not a number is marked with the reason.
function markDays(module, byId) {
  for (const id of DAY_BOXES) {
    const box = byId(id);
    const notANumber = module.dayIsNotANumber(box.value);
    box.classList.toggle('not-a-number', notANumber);
    box.title = notANumber ? module.dayNotANumberMessage() : '';
  }
}

// Every day counts, whichever changed; while a day holds text that is not a number, the
// week stays as it was.
function sumDays(module, byId) {
  markDays(module, byId);
  const week = module.weeklyHoursOfDays(DAY_BOXES.map((id) => byId(id).value));
  if (week !== null) byId('Text2').value = week;
}

// The two run buttons share one place; only the chosen category's is there.
function showRunButton(byId, category) {
  byId('Command2').hidden = category !== 'primary';
  byId('Command1').hidden = category !== 'upper';
}

// year(): the school year chosen.
function readRequest(byId, category, year) {
  return {
    category,
    weekly: byId('Text2').value,
    rate: byId('Text1').value,
    leader: byId('Check1').checked,
    name: byId('Text3').value,
    school: byId('Text6').value,
    subject: byId('Text4').value,
    year: year(),
    days: DAY_BOXES.map((id) => byId(id).value),
  };
}

// The category whose run button is shown.
function chosenCategory(byId) {
  return byId('Option1').checked ? 'primary' : 'upper';
}

// The form the page was built with (form.js) takes input before the module has started. What
// needs the module (a category's rate, the days' sum, a run) waits for attach(); a run asked
// for meanwhile is made then.
export function createTeacherForm({ document }) {
  const byId = (id) => document.getElementById(id);
  const root = byId('Form1');
  // The form is never sent anywhere: Enter in a box runs the report instead.
  root.addEventListener('submit', (event) => event.preventDefault());
  chooseNumbersWhenEntered(root);
  let attached = null;  // {module, year, onRun} once the module has started
  let waitingRun = null;
  let rateTyped = false;
  let daysToAdd = false;  // a day was typed after the weekly hours, before the module started
  byId('Text1').addEventListener('input', () => { rateTyped = true; }, { once: true });
  byId('Text2').addEventListener('input', () => { daysToAdd = false; });
  const daysChanged = () => {
    if (attached) sumDays(attached.module, byId);
    else daysToAdd = true;
  };
  for (const id of DAY_BOXES) byId(id).addEventListener('input', daysChanged);
  const choose = (category) => {
    if (attached) byId('Text1').value = attached.module.defaultRate(category);
    showRunButton(byId, category);
  };
  byId('Option1').addEventListener('change', () => choose('primary'));
  byId('Option2').addEventListener('change', () => choose('upper'));
  byId('Option2').checked = true;
  const entries = rememberFormEntries({ byId, choose, daysChanged });

  // The entries are kept once the frame that answers the run is drawn, so that it never
  // waits for the storage.
  const run = (category, startedAt) => {
    if (!attached) {
      waitingRun = { category, startedAt };
      return;
    }
    afterNextFrame(document.defaultView, entries.save);
    const answer = attached.onRun(readRequest(byId, category, attached.year), startedAt);
    if (!answer?.refused) return;
    if (answer.clearsWeeklyHours) byId('Text2').value = '';
    byId(answer.box ?? 'Text2').focus();
  };
  byId('Command1').addEventListener('click', (event) => run('upper', event.timeStamp));
  byId('Command2').addEventListener('click', (event) => run('primary', event.timeStamp));
  byId('Text2').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') run(chosenCategory(byId), event.timeStamp);
  });
  return {
    // The module started: the category's rate (unless the teacher typed one), the days typed
    // so far added up (unless weekly hours were typed after them), and a run asked for
    // meanwhile made. year(): the school year chosen;
    // onRun(request, startedAt) answers {refused, box, clearsWeeklyHours} when the run was
    // refused.
    attach({ module, year, onRun }) {
      attached = { module, year, onRun };
      if (!rateTyped) byId('Text1').value = module.defaultRate(chosenCategory(byId));
      if (daysToAdd) sumDays(module, byId);
      else markDays(module, byId);
      const waiting = waitingRun;
      waitingRun = null;
      if (waiting) run(waiting.category, waiting.startedAt);
    },
    // A request's boxes as they stood (a kept run, a teacher of the staff list): the days
    // marked as typed, the weekly hours as they ran.
    fill: (request) => fillForm(request, {
      byId, daysChanged: () => markDays(attached.module, byId), showRunButton: (category) => showRunButton(byId, category),
    }),
    // The run of the form as it stands, as if its button were pressed.
    run,
    focus: () => byId('Text3').focus(),
  };
}
