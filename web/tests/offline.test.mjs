// Served over http, the page keeps working with the network gone once it was visited.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';


import { launchChromium, webBuild } from './support.mjs';

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript' };
const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-offline-'));
let server;
let browser;

after(async () => {
  await browser?.close();
  server?.close();
  rmSync(scratch, { recursive: true, force: true });
});

test('after the first visit over http, the page opens and runs with the network gone', { timeout: 90000 }, async () => {
  server = createServer((request, response) => {
    const name = path.basename(new URL(request.url, 'http://localhost').pathname);
    if (!['soatnoma.html', 'sw.js'].includes(name)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(name)] }).end(readFileSync(path.join(webBuild, name)));
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const url = `http://127.0.0.1:${server.address().port}/soatnoma.html`;
  browser = await launchChromium(scratch);
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
  await page.evaluate(() => navigator.serviceWorker.ready);

  server.close();
  server.closeAllConnections();
  await page.setOfflineMode(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
  await page.type('#Text2', '24');
  await page.focus('#Text2');
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-cell="S20"]');
  assert.match(await page.$eval('[data-cell="S5"]', (cell) => cell.textContent), /^[0-9]+$/);
});
