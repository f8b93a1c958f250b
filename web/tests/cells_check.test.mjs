// Cells to check, in Chromium: the status line and, before "Excel kitobi" and "Chop etish",
// the desktop's question say what the module says of the corrections (its words are
// tests/report_editing/cells_to_check_test.cpp's), asked for the button pressed, the answer
// that goes back to check in focus, as Enter takes it in the desktop's question too;
// "Tekshirishga qaytish" keeps the report in the page, "Baribir davom etish" is asked once for
// the same cells, and again once they change.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';

import { openForTests, runReport, unmark } from './support.mjs';
import { correctCell, openPageWithDownloads } from './downloads.mjs';

const opened = openForTests('check', openPageWithDownloads);

let page;
let files;

before(async () => {
  ({ page, files } = await opened.ready());
  // The browser's print dialog cannot be driven headless: a print asked for is counted.
  await page.evaluate(() => {
    window.print = () => {
      document.body.dataset.prints = String(Number(document.body.dataset.prints ?? 0) + 1);
    };
  });
  await runReport(page, { Text3: 'Karimova Dilnoza' });
});

const correct = (ref, hours) => correctCell(page, ref, hours);

// Clicks the button and answers the question it brings up; the question's text.
async function answered(button, answer) {
  await unmark(page, 'cellsCheck');
  await page.click(button);
  await page.waitForSelector('#CellsCheck[open]');
  const question = await page.$eval('#CellsCheckQuestion', (p) => p.textContent);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'CellsCheckFirst');
  await page.click(answer);
  await page.waitForSelector(`body[data-cells-check="${answer === '#CellsCheckGoOn' ? 'wentOn' : 'checkFirst'}"]`);
  return question;
}

const prints = () => page.$eval('body', (body) => Number(body.dataset.prints ?? 0));

test('the status line and the question name the cells to check; going back keeps the report', async () => {
  await correct('C8', '2,5');
  await correct('K14', '-1');
  const status = await page.$eval('#CorrectionsCount', (span) => span.textContent);
  assert.match(status, /^Tuzatilgan: 2 ta katak\. Tekshiring: /);

  const question = await answered('#Print', '#CellsCheckFirst');
  assert.match(question, /\n• manfiy soat \(1 ta\): Mart · Darsga tayyorgarlik\n.*Baribir chop etasizmi\?$/s);
  assert.equal(await prints(), 0);
  // Declined, it is asked again.
  assert.match(await answered('#SaveXlsx', '#CellsCheckFirst'), /Baribir saqlaysizmi\?$/);
});

test('gone on with, the same cells are not asked about again; changed, they are', async () => {
  await answered('#Print', '#CellsCheckGoOn');
  assert.equal(await prints(), 1);
  await page.click('#SaveXlsx');
  assert.match(path.basename(await files.next()), /^Karimova Dilnoza \d{4}-\d{4}\.xlsx$/);
  assert.equal(await page.$eval('#CellsCheck', (dialog) => dialog.open), false);
  await page.click('#Print');
  await page.waitForFunction(() => document.body.dataset.prints === '2');

  await correct('C8', '3');
  assert.doesNotMatch(await answered('#Print', '#CellsCheckGoOn'), /butun son/);
  await page.waitForFunction(() => document.body.dataset.prints === '3');
});
