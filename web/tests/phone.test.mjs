// The page on a phone, in Chromium's emulation of a 360-pixel-wide touch screen: the form
// stacks in reading order without sideways scrolling, everything a finger presses is big
// enough, a report is made by tapping, and the report zooms with its typing box kept over
// the cell being corrected.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { KnownDevices } from 'puppeteer-core';

import { launchChromium, webBuild } from './support.mjs';

const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-phone-'));
const FINGER = 44;  // CSS pixels: the least a tapped control should measure
let browser;
let page;

before(async () => {
  browser = await launchChromium(scratch);
  page = await browser.newPage();
  await page.emulate(KnownDevices['Galaxy S5']);
  await page.goto(pathToFileURL(path.join(webBuild, 'soatnoma.html')).href);
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
});

after(async () => {
  await browser?.close();
  rmSync(scratch, { recursive: true, force: true });
});

const box = (selector) => page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
const sidewaysScroll = () => page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);

// Controls shown on the page that a finger presses, smaller than a finger in height.
const tooSmallToTap = () => page.evaluate((finger) => [...document.querySelectorAll('button, input, label.control')]
  .filter((element) => element.offsetParent !== null && element.type !== 'file')
  .filter((element) => !element.closest('label.control') || element.matches('label.control'))
  .filter((element) => element.getBoundingClientRect().height < finger)
  .map((element) => element.id || element.dataset.control || element.textContent), FINGER);

test('the form stacks in reading order within the screen, every control big enough to tap', async () => {
  assert.equal(await sidewaysScroll(), 0);
  assert.deepEqual(await tooSmallToTap(), []);
  // Top to bottom as the window is read: rate, category, name, school, subject, days, week,
  // leadership, the run button.
  const order = ['Text1', 'Option2', 'Text3', 'Text6', 'Text4', 'Text7', 'Text2', 'Check1', 'Command1'];
  const tops = [];
  for (const id of order) tops.push((await box(`#${id}`)).top);
  for (let i = 1; i < tops.length; ++i) assert.ok(tops[i] > tops[i - 1], `${order[i]} below ${order[i - 1]}`);
  // Each label stands above the box it names, not beside it off the screen.
  assert.ok((await box('[data-control="Label1"]')).bottom <= (await box('#Text3')).top + 1);
  // The six days share one row across the screen.
  const days = [];
  for (const id of ['Text7', 'Text8', 'Text9', 'Text10', 'Text11', 'Text12']) days.push(await box(`#${id}`));
  assert.ok(days.every((day) => Math.abs(day.top - days[0].top) < 1));
  assert.ok(days.at(-1).right <= 360);
  // Text of 16 pixels or more, so the phone does not zoom in on the box it focuses.
  assert.ok(await page.$eval('#Text3', (input) => parseFloat(getComputedStyle(input).fontSize) >= 16));
});

test('a report made by tapping fits the screen, zooms, and keeps the typing box on its cell', async () => {
  await page.tap('#Text3');
  await page.keyboard.type('Karimova Dilnoza');
  await page.tap('#Text2');
  await page.keyboard.type('18');
  await page.tap('#Command1');
  await page.waitForSelector('body[data-report="drawn"]');
  // The screen answers the tap: the report, drawn below the form, is brought into view.
  const height = await page.evaluate(() => window.innerHeight);
  const shown = await box('#report');
  assert.ok(shown.top >= 0 && shown.top < height / 3, `the report starts near the top of the screen: ${shown.top}`);
  assert.ok((await box('#sheet .page')).bottom <= height, 'the drawn page is in sight');
  assert.equal(await sidewaysScroll(), 0);
  assert.deepEqual(await tooSmallToTap(), []);
  const fitted = await box('#sheet .page');
  assert.ok(fitted.width <= 360, `the page fits: ${fitted.width}`);

  await page.tap('#ZoomIn');
  await page.tap('#ZoomIn');
  const zoomed = await box('#sheet .page');
  assert.ok(Math.abs(zoomed.width / fitted.width - 1.25 * 1.25) < 0.01, `zoomed to ${zoomed.width}`);
  assert.equal(await page.$eval('#ZoomText', (text) => text.textContent),
    `${Math.round(100 * 1.25 * 1.25 * fitted.width / (297 * 96 / 25.4))}%`);
  // Zoomed in, the report scrolls inside its own box; the page itself still does not.
  assert.equal(await sidewaysScroll(), 0);
  assert.ok(await page.$eval('#sheet', (sheet) => sheet.scrollWidth > sheet.clientWidth));

  await page.$eval('#sheet', (sheet) => { sheet.scrollLeft = 200; });
  await page.tap('[data-cell="D8"] rect.border');
  await page.keyboard.press('F2');
  await page.tap('#ZoomOut');
  const editor = await box('#CellEditor');
  const cell = await box('[data-cell="D8"] rect.border');
  for (const side of ['left', 'top', 'width', 'height']) assert.ok(Math.abs(editor[side] - cell[side]) < 1, side);

  await page.tap('#ZoomFit');
  assert.ok(Math.abs((await box('#sheet .page')).width - fitted.width) < 0.5);
});
