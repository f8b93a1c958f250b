// Served over http, the page keeps working with the network gone once it was visited, and a
// phone can put it on its home screen: it describes itself as a web app Chromium would
// install (what it describes and what it asks the server for are every engine's flow's).
import { test, after } from 'node:test';
import assert from 'node:assert/strict';

import { launchChromium, openForTests, servePage } from './support.mjs';

const opened = openForTests('offline', async (folder) => ({ browser: await launchChromium(folder) }));
let served;
after(() => served?.server.close());

test('after the first visit over http, the page opens and runs with the network gone', { timeout: 90000 }, async () => {
  served = await servePage();
  const page = await opened.browser.newPage();
  const said = [];
  page.on('console', (message) => {
    if (message.type() === 'error') said.push(message.text());
  });
  page.on('pageerror', (fault) => said.push(String(fault)));
  await page.goto(served.url);
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
  await page.evaluate(() => navigator.serviceWorker.ready);

  // Its description as a web app, with its icon, starting at the page, and nothing in the
  // way of putting it on a home screen.
  const session = await page.createCDPSession();
  const manifest = await session.send('Page.getAppManifest');
  assert.ok(manifest.data, 'the page names its description as a web app');
  assert.deepEqual(manifest.errors, []);
  // What it says of itself, and that nothing else is asked for, every engine's flow checks.
  assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  assert.deepEqual(said, []);

  served.server.close();
  served.server.closeAllConnections();
  await page.setOfflineMode(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
  await page.type('#Text2', '24');
  await page.focus('#Text2');
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-cell="S20"]');
  assert.match(await page.$eval('[data-cell="S5"]', (cell) => cell.textContent), /^[0-9]+$/);
});
