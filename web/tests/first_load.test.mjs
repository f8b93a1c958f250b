// The page's first load as a school's host serves it (gzip, over http): Lighthouse finds
// nothing to mend in accessibility and best practices, and nothing of the page moves once it
// is drawn, on a phone or a computer. Lighthouse's speed figures are printed, not asserted
// (node web/bench_first_load.mjs gives their medians).
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { auditFirstLoad } from '../lighthouse_audit.mjs';
import { serveGzipped } from './gzip_server.mjs';
import { launchChromium, openForTests, webBuild } from './support.mjs';

const opened = openForTests('first-load', async (folder) => ({ browser: await launchChromium(folder) }));

test('Lighthouse scores accessibility and best practices full', { timeout: 240000 }, async () => {
  const { scores, figures, failed, runtimeError } = await auditFirstLoad(webBuild);
  assert.equal(runtimeError, undefined);
  console.log(
    `Lighthouse, mobile: performance ${scores.performance}, first contentful paint ` +
      `${figures.fcp.toFixed(0)} ms, largest ${figures.lcp.toFixed(0)} ms, total blocking time ` +
      `${figures.tbt.toFixed(0)} ms, layout shift ${figures.cls.toFixed(3)}`,
  );
  assert.deepEqual(failed, []);
  assert.equal(scores.accessibility, 100);
  assert.equal(scores['best-practices'], 100);
});

// Every layout shift from the first byte until the page is whole, with what moved.
function watchShifts() {
  window.layoutShifts = [];
  new PerformanceObserver((list) => {
    for (const shift of list.getEntries()) {
      const moved = shift.sources.map(({ node }) => node?.id || node?.className || node?.nodeName);
      window.layoutShifts.push(`${shift.value.toFixed(4)}: ${moved.join(', ')}`);
    }
  }).observe({ type: 'layout-shift', buffered: true });
}

const SCREENS = {
  phone: { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
  computer: { width: 1280, height: 800, deviceScaleFactor: 1, isMobile: false, hasTouch: false },
};

test('the form keeps its place from its first frame to the page ready', { timeout: 90000 }, async () => {
  const served = await serveGzipped(webBuild);
  const { browser } = opened;
  try {
    for (const [name, viewport] of Object.entries(SCREENS)) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport(viewport);
      await page.emulateCPUThrottling(4);
      await page.evaluateOnNewDocument(watchShifts);
      await page.goto(served.url);
      await page.waitForSelector('body[data-ready="yes"]', { timeout: 60000 });
      // The school year the page asked the module for stands in the box the page was built with.
      assert.equal(await page.$eval('#SchoolYear', (select) => select.dataset.provisional), undefined);
      // A shift is reported with the frame that shows it.
      await page.evaluate(
        () =>
          new Promise((drawn) => {
            requestAnimationFrame(() => setTimeout(drawn));
          }),
      );
      assert.deepEqual(await page.evaluate(() => window.layoutShifts), [], name);
      await context.close();
    }
  } finally {
    await served.close();
  }
});
