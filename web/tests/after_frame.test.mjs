// Work put off until the frame that shows a change is drawn (page_turn.js): the keeping of
// a report, the rest of its page. It runs once, after that frame; at once on a page no one
// sees, which draws no frames; the moment the page is hidden; and no later than its
// timer whatever comes. The keeping of a report puts its keep off so too, never losing one.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { afterNextFrame } from '../src/page/page_turn.js';
import { ReportKeeping } from '../src/kept/report_keeping.js';

// A browser's window as far as the work sees it: its frames, timers and visibility are
// driven by the test.
function fakeWindow({ hidden = false } = {}) {
  const frames = [];
  const timers = new Map();
  const seeing = new Set();
  let nextTimer = 1;
  const document = {
    visibilityState: hidden ? 'hidden' : 'visible',
    body: { dataset: {} },
    addEventListener: (type, listener) => type === 'visibilitychange' && seeing.add(listener),
    removeEventListener: (type, listener) => type === 'visibilitychange' && seeing.delete(listener),
  };
  return {
    document,
    addEventListener: () => {},
    requestAnimationFrame: (callback) => frames.push(callback),
    setTimeout: (callback) => {
      timers.set(nextTimer, callback);
      return nextTimer++;
    },
    clearTimeout: (id) => timers.delete(id),
    drawFrame: () => frames.splice(0).forEach((callback) => callback()),
    runTimers: () =>
      [...timers.keys()].forEach((id) => {
        const callback = timers.get(id);
        timers.delete(id);
        callback();
      }),
    hide: () => {
      document.visibilityState = 'hidden';
      [...seeing].forEach((listener) => listener());
    },
  };
}

// A turn of the event loop, in which any work already due has run.
const aTurn = () =>
  new Promise((done) => {
    setImmediate(done);
  });

// What the window does meanwhile, and whether the work has run after each step.
const CASES = [
  { name: 'a frame drawn', steps: ['turn', 'frame', 'turn', 'timers', 'turn'], ran: [0, 0, 1, 1, 1] },
  { name: 'no frame, the timer', steps: ['turn', 'timers', 'turn', 'frame', 'turn'], ran: [0, 1, 1, 1, 1] },
  { name: 'hidden meanwhile', steps: ['turn', 'hide', 'frame', 'turn', 'timers', 'turn'], ran: [0, 1, 1, 1, 1, 1] },
  { name: 'hidden from the start', hidden: true, steps: ['turn', 'frame', 'timers', 'turn'], ran: [1, 1, 1, 1] },
];

test(
  'work put off until the next frame runs once: after ' + 'the frame, at its timer, or when no one sees the page',
  async () => {
    for (const { name, hidden, steps, ran } of CASES) {
      const window = fakeWindow({ hidden });
      let runs = 0;
      afterNextFrame(window, () => {
        runs += 1;
      });
      const seen = [];
      for (const step of steps) {
        if (step === 'turn') await aTurn();
        if (step === 'frame') window.drawFrame();
        if (step === 'timers') window.runTimers();
        if (step === 'hide') window.hide();
        seen.push(runs);
      }
      assert.deepEqual(seen, ran, name);
    }
  },
);

// A store that records what it was asked.
function fakeStore() {
  const asked = [];
  return {
    asked,
    usable: async () => true,
    keep: async (record) => {
      asked.push(['keep', record.entries]);
      return { kept: true, mark: String(asked.length) };
    },
    forget: async (id) => {
      asked.push(['forget', typeof id]);
    },
  };
}

test('a report and its changes before the frame are kept once, as they stand after it', async () => {
  const window = fakeWindow();
  const kept = fakeStore();
  let hours = 1;
  const keeping = new ReportKeeping({
    kept,
    entries: () => [{ row: 8, column: 4, hours }],
    notice: { tell: assert.fail },
    words: {},
    window,
  });
  keeping.show({ request: { weekly: '24' } }, null, true);
  hours = 2;
  keeping.changed();
  hours = 3;
  keeping.changed();
  await aTurn();
  assert.deepEqual(kept.asked, [], 'nothing kept before the frame');
  window.drawFrame();
  await aTurn();
  await aTurn();
  assert.deepEqual(kept.asked, [['keep', [{ row: 8, column: 4, hours: 3 }]]]);
  assert.equal(window.document.body.dataset.keeps, '1');
  hours = 4;
  keeping.changed();
  window.drawFrame();
  await aTurn();
  await aTurn();
  assert.deepEqual(kept.asked.at(-1), ['keep', [{ row: 8, column: 4, hours: 4 }]], 'a later change is kept again');
});

test('a keep waiting for its frame does not bring back the copy a confirmed save let go', async () => {
  const window = fakeWindow();
  const kept = fakeStore();
  const words = { saveEnded: (outcome, fileName, stays) => `${outcome} ${fileName} ${stays}` };
  const keeping = new ReportKeeping({ kept, entries: () => [], notice: { tell: assert.fail }, words, window });
  keeping.show({ request: { weekly: '24' } }, null, true);
  const said = await keeping.saved({ outcome: 'saved', fileName: 'hisobot.xlsx' }, keeping.snapshot());
  assert.equal(said, 'saved hisobot.xlsx true');
  window.drawFrame();
  window.runTimers();
  await aTurn();
  await aTurn();
  assert.deepEqual(kept.asked, [['forget', 'number']]);
});
