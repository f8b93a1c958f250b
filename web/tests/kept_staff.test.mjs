// The teachers of a staff workbook of 1,000 that `soatnoma-cli batch` wrote, kept in the
// browser's storage in Debian's Chromium: the workbook's bytes are kept once however many of
// its teachers are, a correction writes no more than the report's hours, and reports kept
// the way the page kept them before are still offered back and taken back. Prints the bytes
// a kept teacher costs.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { statSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { installStoresWork } from './stored_records.mjs';
import { launchChromium, openForTests, runCliBatch, unmark, webBuild } from './support.mjs';

const opened = openForTests('kept-staff', async (folder) => {
  const browser = await launchChromium(folder);
  const page = await browser.newPage();
  page.on('dialog', (dialog) => dialog.accept());
  await page.evaluateOnNewDocument(countWrites);
  await installStoresWork(page);
  await page.goto(pathToFileURL(path.join(webBuild, 'soatnoma.html')).href);
  await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
  return { browser, page };
});
const { scratch } = opened;
const staffBook = path.join(scratch, 'maktab.xlsx');
// A staff as large as a big school's: the figure the README gives.
const TEACHERS = 1000;

let page;

// Counts in window.written the bytes the page hands its storage to write, and holds in
// window.bytesOf the measure: a byte a byte, a text its length, a number 8.
function countWrites() {
  const bytesOf = (value) => {
    if (ArrayBuffer.isView(value)) return value.byteLength;
    if (typeof value === 'string') return value.length;
    if (value === null || typeof value !== 'object') return 8;
    return Object.entries(value).reduce((sum, [key, inner]) => sum + key.length + bytesOf(inner), 0);
  };
  window.bytesOf = bytesOf;
  window.written = 0;
  const put = IDBObjectStore.prototype.put;
  IDBObjectStore.prototype.put = function counted(value, ...key) {
    window.written += bytesOf(value);
    return put.call(this, value, ...key);
  };
}

before(async () => {
  const lines = ['ism;maktab;fan;toifa;soat;stavka;rahbar'];
  for (let i = 1; i <= TEACHERS; ++i)
    lines.push(
      `O'qituvchi ${i};${1 + (i % 40)};fizika;` +
        `${i % 3 ? 'yuqori' : 'boshlangich'};${10 + (i % 20)};;${i % 2 ? 'ha' : ''}`,
    );
  writeFileSync(path.join(scratch, 'maktab.csv'), `${lines.join('\r\n')}\r\n`);
  runCliBatch(path.join(scratch, 'maktab.csv'), staffBook, 2026);
  ({ page } = await opened.ready());
});

const keeps = () => page.$eval('body', (body) => Number(body.dataset.keeps ?? 0));
const kept = (before) =>
  page.waitForFunction((was) => Number(document.body.dataset.keeps ?? 0) > was, { timeout: 20000 }, before);

async function openTeacher(sheet) {
  const before = await keeps();
  if (!(await page.$('#StaffBook[data-listed]:not([hidden])'))) {
    await (await page.$('#OpenFile')).uploadFile(staffBook);
    await page.waitForSelector('#StaffBook[data-listed]:not([hidden])', { timeout: 30000 });
  }
  await unmark(page, 'report');
  await page.click(`#StaffBook tr[data-sheet="${sheet}"] button`);
  await page.waitForSelector('body[data-report="drawn"]', { timeout: 20000 });
  return before;
}

// A cell corrected; answers the bytes handed to the storage to keep it.
async function correct(ref, hours) {
  const before = await keeps();
  const written = await page.evaluate(() => window.written);
  await page.click(`[data-cell="${ref}"] rect.border`);
  await page.keyboard.type(hours);
  await page.keyboard.press('Enter');
  await kept(before);
  return (await page.evaluate(() => window.written)) - written;
}

// The first report offered removed, of the count offered: waits for the offer written anew.
async function removeOffered(count) {
  await page.click('#Recovery [data-kept] button:last-child');
  await page.waitForFunction((was) => document.querySelectorAll('#Recovery [data-kept]').length === was - 1, {}, count);
}

// What the page's stores hold: each store's count of records, and their bytes.
const storage = () =>
  page.evaluate(async () => {
    const records = await window.storesWork({});
    const counts = Object.fromEntries(Object.entries(records).map(([name, held]) => [name, held.length]));
    return { bytes: window.bytesOf(records), counts };
  });

test(
  'a 1,000-teacher workbook is kept once however many ' + 'teachers are kept, and a correction writes only the hours',
  async (t) => {
    const book = statSync(staffBook).size;
    const sizes = [];
    for (const [index, sheet] of ["O'qituvchi 1", "O'qituvchi 500", "O'qituvchi 1000"].entries()) {
      await openTeacher(sheet);
      const first = await correct('D8', String(index + 3));
      const second = await correct('E8', String(index + 4));
      // The first keep writes the report's read workbook once; a later correction only the hours.
      assert.ok(second < 40000, `a correction wrote ${second} bytes`);
      assert.ok(index === 0 ? first > book : first < 64 * 1024, `a teacher's first keep wrote ${first} bytes`);
      assert.ok(first > second);
      sizes.push((await storage()).bytes);
    }
    const perTeacher = (sizes[2] - sizes[0]) / 2;
    t.diagnostic(
      `staff workbook ${book} bytes; first teacher kept ${sizes[0]} bytes; ` +
        `each further teacher ${Math.round(perTeacher)} bytes`,
    );
    assert.ok(sizes[0] > book, 'the first teacher keeps the workbook');
    assert.ok(perTeacher < 64 * 1024, `a further teacher costs ${perTeacher} bytes, the workbook ${book}`);

    // Removing the reports one by one lets the workbook go with the last of them.
    await page.reload();
    await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
    // Each comes back whole from its own sheet and the workbook's listing kept once.
    const offered = await page.$$eval('#Recovery [data-kept]', (lines) =>
      lines.map((line) => line.dataset.damaged ?? 'whole'),
    );
    assert.deepEqual(offered, ['whole', 'whole', 'whole']);
    for (let left = 3; left > 0; --left) {
      assert.equal((await storage()).counts['xodimlar kitoblari'], 1);
      await removeOffered(left);
    }
    assert.deepEqual((await storage()).counts, { ochilgan: 0, saqlanmagan: 0, 'xodimlar kitoblari': 0 });
  },
);

// The storage made as the page kept a staff workbook's teacher before: in the first version
// the report with the workbook read inline, the workbook's bytes in a record of their own
// beside it; in the second the workbook read whole beside the report, the bytes alone.
const asKeptBefore = (version) =>
  page.evaluate(async (version) => {
    const records = await window.storesWork({});
    // The report as an earlier version kept it: without the marks of where its parts are kept apart.
    const report = { ...records.saqlanmagan[0] };
    for (const apart of ['openedApart', 'book', 'mark']) delete report[apart];
    const [{ id, fileName, teacher }] = records.ochilgan;
    const [{ digest, bytes, listing }] = records['xodimlar kitoblari'];
    const workbook = { ...listing, ...teacher };
    if (version === 2) {
      const put = { ochilgan: [{ id, fileName, workbook }], 'xodimlar kitoblari': [{ digest, bytes }] };
      await window.storesWork({ names: Object.keys(put), put });
      return;
    }
    const old = [
      { ...report, opened: { fileName, workbook, staffBook: true } },
      { id: `xodimlar kitobi ${report.id}`, bookOf: report.id, bytes },
    ];
    await new Promise((resolve, reject) => {
      const removing = indexedDB.deleteDatabase('soatnoma');
      removing.onerror = () => reject(removing.error);
      removing.onsuccess = () => {
        const first = indexedDB.open('soatnoma', 1);
        first.onupgradeneeded = () => first.result.createObjectStore('saqlanmagan', { keyPath: 'id' });
        first.onerror = () => reject(first.error);
        first.onsuccess = () => {
          first.result.close();
          resolve();
        };
      };
    });
    await window.storesWork({ names: ['saqlanmagan'], put: { saqlanmagan: old } });
  }, version);

for (const version of [1, 2])
  test(`a teacher kept by the page's storage version ${version} is offered back, taken back, kept anew`, async () => {
    // What an earlier test kept is removed first.
    await page.reload();
    await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
    for (let left = (await page.$$('#Recovery [data-kept]')).length; left > 0; --left) await removeOffered(left);
    await openTeacher("O'qituvchi 7");
    await correct('D8', '9');
    await asKeptBefore(version);
    await page.reload();
    await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
    const lines = await page.$$eval('#Recovery [data-kept]', (found) =>
      found.map((line) => [line.textContent, line.dataset.damaged ?? null]),
    );
    assert.equal(lines.length, 1);
    assert.match(lines[0][0], /^O'qituvchi 7, 2026\/2027 o'quv yili \(maktab\.xlsx, "O'qituvchi 7" varag'i\), /);
    assert.equal(lines[0][1], null);
    await unmark(page, 'report');
    await page.click('#Recovery [data-kept] button');
    await page.waitForSelector('body[data-report="drawn"]', { timeout: 20000 });
    assert.ok(await page.$('[data-cell="D8"] .mark.corrected'));
    assert.equal(await page.$eval('[data-cell="D8"]', (cell) => cell.dataset.value), '9');
    await correct('E8', '2');
    assert.deepEqual((await storage()).counts, { ochilgan: 1, saqlanmagan: 1, 'xodimlar kitoblari': 1 });
  });
