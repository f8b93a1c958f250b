// The page on a cheap phone, for `node web/bench.mjs --phone`: Chromium emulating a touch
// screen 360 pixels wide at device scale 2, its processor slowed four times (as a cheap
// Android phone runs) beside the same steps at full speed, in the same run. For each:
// opening the file to the form drawn and taking input (and to the whole page ready), Enter
// in the weekly hours to the part of the report the screen shows drawn at its phone zoom and
// to the whole report drawn, and Enter in a corrected cell to every total redrawn. Each is
// given twice: to the page's own mark and to the end of the next frame the browser draws
// after it. A benchmark, not a test: it prints and never fails.
import os from 'node:os';
import { pathToFileURL } from 'node:url';

const PHONE = {
  viewport: { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
  userAgent:
    'Mozilla/5.0 (Linux; Android 10; K) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/120.0.0.0 Mobile Safari/537.36',
};
const SLOWDOWNS = [1, 4];
const CORRECTIONS = [
  ['D8', '7'],
  ['E8', '2,5'],
  ['G8', '0'],
  ['H8', '12'],
  ['I8', '5'],
];

// Installed in the page before its own script: the time of every Enter pressed, and, after
// each change of the marks the page sets when the form takes input (data-form), the whole
// page is ready (data-ready), the part of a report the screen shows is drawn
// (data-report="seen"), the whole report is (data-report="drawn") or it is corrected
// (data-corrected), the time from the opening or that Enter to the end of the next frame
// drawn: the first task after that frame, taken ahead of any work the page put off until then.
function watchFrames() {
  window.benchFrames = { form: [], ready: [], seen: [], report: [], edit: [] };
  let enteredAt = 0;
  window.addEventListener(
    'keydown',
    (event) => {
      if (event.key === 'Enter') enteredAt = event.timeStamp;
    },
    true,
  );
  const KINDS = { 'data-form': 'form', 'data-ready': 'ready', 'data-report': 'report', 'data-corrected': 'edit' };
  const seen = (what) => {
    const since = what === 'form' || what === 'ready' ? 0 : enteredAt;
    const record = () => window.benchFrames[what].push(performance.now() - since);
    requestAnimationFrame(() => scheduler.postTask(record, { priority: 'user-blocking' }));
  };
  new MutationObserver((changes) => {
    changes.forEach((change, index) => {
      const kind = KINDS[change.attributeName];
      // What the attribute was changed to: what the next change found, or what it is now.
      const later = changes.slice(index + 1).find((next) => next.attributeName === change.attributeName);
      const value = later ? later.oldValue : change.target.getAttribute(change.attributeName);
      seen(kind === 'report' && value === 'seen' ? 'seen' : kind);
    });
  }).observe(document, {
    subtree: true,
    attributes: true,
    attributeOldValue: true,
    attributeFilter: Object.keys(KINDS),
  });
}

// One opening of the page at a slowdown: its figures in milliseconds. Each opening has a
// browser context of its own, so that no report kept by an earlier one is offered back.
async function phoneRun(browser, file, slowdown) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.emulate(PHONE);
  await page.emulateCPUThrottling(slowdown);
  await page.evaluateOnNewDocument(watchFrames);
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 60000 });
  const interactive = await page.evaluate(() => performance.getEntriesByName('soatnoma-interactive')[0].startTime);
  await page.waitForFunction(() => window.benchFrames.ready.length > 0);
  // A teacher takes seconds to type; by then the page has made its first report unseen.
  await page.tap('#Text3');
  await page.keyboard.type('Abdurahmonova Oʻgʻiloyxon');
  await page.waitForSelector('body[data-warm="yes"]', { timeout: 60000 });
  await page.tap('#Text2');
  await page.keyboard.type('24');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => window.benchFrames.report.length > 0);
  const [seenLaidOut, laidOut] = await page.evaluate(() =>
    ['soatnoma-report-seen', 'soatnoma-report'].map((name) => performance.getEntriesByName(name)[0]?.duration ?? NaN),
  );
  const zoom = await page.$eval('#ZoomText', (text) => text.textContent);
  for (const [index, [ref, hours]] of CORRECTIONS.entries()) {
    await page.tap(`[data-cell="${ref}"] rect.border`);
    await page.keyboard.type(hours);
    await page.keyboard.press('Enter');
    await page.waitForFunction((count) => window.benchFrames.edit.length >= count, {}, index + 1);
  }
  const edits = await page.evaluate(() => performance.getEntriesByName('soatnoma-edit').map((entry) => entry.duration));
  const frames = await page.evaluate(() => window.benchFrames);
  await context.close();
  return {
    // A page that takes input only once it is whole marks no form of its own.
    interactive,
    interactiveFrame: frames.form.length > 0 ? frames.form : frames.ready,
    readyFrame: frames.ready,
    seen: [seenLaidOut],
    seenFrame: frames.seen,
    report: [laidOut],
    reportFrame: frames.report,
    edit: edits,
    editFrame: frames.edit,
    zoom,
  };
}

const median = (values) =>
  values.length === 0 ? NaN : [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

export async function benchPhone(browser, file, runs) {
  const figures = new Map(SLOWDOWNS.map((slowdown) => [slowdown, {}]));
  let zoom = '';
  for (let run = 0; run < runs; ++run) {
    // The slowdowns take turns, so that both meet the machine as it is.
    for (const slowdown of SLOWDOWNS) {
      const measured = await phoneRun(browser, file, slowdown);
      zoom = measured.zoom;
      const kept = figures.get(slowdown);
      for (const [key, value] of Object.entries(measured)) {
        if (key !== 'zoom') kept[key] = [...(kept[key] ?? []), ...[value].flat()];
      }
    }
  }
  console.log(
    `phone: 360 px wide, device scale 2, touch; the report opens at ${zoom}; ` +
      `medians of ${runs} runs (corrections: ${CORRECTIONS.length} a run)`,
  );
  console.log(
    `load average: ${os
      .loadavg()
      .map((load) => load.toFixed(1))
      .join(' ')} on ${os.cpus().length} processors`,
  );
  const rows = [
    ['open to the form taking input (page mark)', 'interactive', 150],
    ['open to the form drawn taking input (next frame)', 'interactiveFrame', 150],
    ['open to the whole page ready: module, files, staff list (next frame)', 'readyFrame', Infinity],
    ['Enter to what the screen shows laid out (page mark)', 'seen', 60],
    ['Enter to what the screen shows drawn (next frame)', 'seenFrame', 60],
    ['Enter to the report laid out (page mark)', 'report', 60],
    ['Enter to the report drawn (next frame)', 'reportFrame', 60],
    ['Enter in a corrected cell to totals laid out', 'edit', 10],
    ['Enter in a corrected cell to totals drawn (next frame)', 'editFrame', 25],
  ];
  const slow = figures.get(4);
  const full = figures.get(1);
  for (const [label, key, aim] of rows) {
    const aimed = Number.isFinite(aim) ? ` (aim ≤ ${aim} ms)` : '';
    console.log(
      `${label}: ${median(slow[key]).toFixed(1)} ms at 4× slowdown${aimed}, ` +
        `${median(full[key]).toFixed(1)} ms at full speed ` +
        `(runs at 4×: ${slow[key].map((v) => v.toFixed(0)).join(', ')})`,
    );
  }
}
