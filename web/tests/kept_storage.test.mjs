// The kept reports when the browser's storage does not simply take them, in Debian's Chromium
// with the page served over http from this machine: a keep past the room the browser gives
// the page is said beside the report and not counted; two tabs on one kept report keep both
// tabs' corrections; a browser set to keep no site data still runs, corrects, saves and prints,
// and says once what it cannot keep.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import path from 'node:path';

import { correctCell, saveGoingOn } from './downloads.mjs';
import { clearStores, keptRecords } from './stored_records.mjs';
import { launchChromium, openForTests, runReport, servePage, watchDownloads } from './support.mjs';

const opened = openForTests('kept-storage', async (folder) => ({ browser: await launchChromium(folder) }));

let browser;
let served;

before(async () => {
  ({ browser } = await opened.ready());
  served = await servePage();
});

after(() => served?.server.close());

// A tab of the page, ready; leaving it with a report unsaved is answered yes.
async function openTab(context = browser) {
  const page = await context.newPage();
  page.on('dialog', (dialog) => dialog.accept());
  await page.goto(served.url);
  await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
  return page;
}

const counted = (page, name) => page.$eval('body', (body, key) => Number(body.dataset[key] ?? 0), name);
// Waits until the body's count has grown past what it was.
const grown = (page, name, before) =>
  page.waitForFunction((key, was) => Number(document.body.dataset[key] ?? 0) > was, {}, name, before);

// A cell corrected; waits for the storage's answer: the name of the body's count that grows.
async function correct(page, ref, hours, answer = 'keeps') {
  // A tab in the background draws no frames.
  await page.bringToFront();
  const before = await counted(page, answer);
  await correctCell(page, ref, hours);
  await grown(page, answer, before);
}

// The kept reports' records: the id and the hours kept of C8, D8, C9, D9, C11 and D11 of each.
const keptCorrections = async (page) => {
  const cells = { C8: [8, 3], D8: [8, 4], C9: [9, 3], D9: [9, 4], C11: [11, 3], D11: [11, 4] };
  const hours = (record) =>
    Object.fromEntries(
      Object.entries(cells).map(([ref, [row, column]]) => [
        ref,
        record.entries.find((entry) => entry.row === row && entry.column === column)?.hours,
      ]),
    );
  return (await keptRecords(page)).map((record) => ({
    id: record.id,
    name: record.request?.name,
    hours: hours(record),
  }));
};

const notice = (page) =>
  page.$eval('#ReportNotice', (line) => ({ text: line.textContent, refused: line.classList.contains('refused') }));

test(
  'a keep past the room the browser gives the page is not counted, ' +
    'and said beside the report with "Excel kitobi" to save it',
  async () => {
    const page = await openTab();
    const session = await page.createCDPSession();
    // The storage key of the page's origin, as the browser's protocol names it; the room it
    // gives is weighed as the page opens its storage.
    const origin = `${new URL(served.url).origin}/`;
    await session.send('Storage.overrideQuotaForOrigin', { origin, quotaSize: 1 });
    await page.reload();
    await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
    await runReport(page, { Text3: 'Karimova Dilnoza' });
    await grown(page, 'keepFailed', 0);
    await correct(page, 'C8', '3', 'keepFailed');
    assert.equal(await counted(page, 'keeps'), 0, 'a keep the storage refused is not counted');
    const said = await notice(page);
    assert.equal(said.refused, true);
    assert.match(said.text, /^Hisobotni brauzer xotirasida saqlab bo'lmadi: .*"Excel kitobi" bilan faylga saqlang\.$/);
    assert.deepEqual(
      await page.$eval('#report', (report) => [report.hidden, document.getElementById('SaveXlsx').disabled]),
      [false, false],
    );
    assert.equal(await page.$eval('#message', (line) => line.textContent), '');
    assert.deepEqual(await keptCorrections(page), [], 'the storage holds nothing of the report');

    // Room again: the next change is kept with every correction, and the failure is no longer said.
    await session.send('Storage.overrideQuotaForOrigin', { origin });
    await correct(page, 'D8', '4');
    const [{ hours }] = await keptCorrections(page);
    assert.deepEqual([hours.C8, hours.D8], [3, 4]);
    assert.equal((await notice(page)).text, '');
    await clearStores(page);
    await page.close();
  },
);

test(
  'two tabs on one kept report never write over each ' + 'other: the one that would is kept apart and says so',
  async () => {
    const first = await openTab();
    await runReport(first, { Text3: 'Aliyev Vali' });
    await correct(first, 'C8', '41');
    const [{ id }] = await keptCorrections(first);

    // The second tab takes the report back from its offer and corrects it.
    const second = await openTab();
    await second.bringToFront();
    await second.click(`#Recovery [data-kept="${id}"] button`);
    await second.waitForSelector('body[data-report="drawn"]');
    await correct(second, 'C9', '43');

    // The first tab's next correction would write over the second's: it is kept as a report of its own.
    await correct(first, 'D8', '42', 'keptApart');
    await first.waitForFunction(() => Number(document.body.dataset.keeps) >= 3, { polling: 100 });
    const said = await notice(first);
    assert.equal(said.refused, true);
    assert.match(
      said.text,
      /^Bu hisobot boshqa oynada ham ochilgan va o'sha yerda tuzatildi\. Uning tuzatishlari ustidan yozilmadi/,
    );
    const kept = async () =>
      Object.fromEntries((await keptCorrections(first)).map((record) => [record.id, record.hours]));
    let records = await kept();
    const [apart] = Object.keys(records).filter((other) => Number(other) !== id);
    assert.deepEqual([records[id].C8, records[id].C9], [41, 43], "the second tab's corrections");
    assert.notEqual(records[id].D8, 42);
    assert.deepEqual([records[apart].C8, records[apart].D8], [41, 42], "the first tab's corrections, apart");
    assert.notEqual(records[apart].C9, 43);

    // Each tab goes on with its own record.
    await correct(second, 'D9', '44');
    await correct(first, 'C11', '45');
    records = await kept();
    assert.equal(Object.keys(records).length, 2);
    assert.deepEqual([records[id].C8, records[id].C9, records[id].D9], [41, 43, 44]);
    assert.notEqual(records[id].C11, 45);
    assert.deepEqual([records[apart].C8, records[apart].D8, records[apart].C11], [41, 42, 45]);
    assert.notEqual(records[apart].D9, 44);
    assert.equal(await counted(second, 'keptApart'), 0);
    await clearStores(first);
    await Promise.all([first.close(), second.close()]);
  },
);

// What a browser set to keep no site data does to a page: reading its storage throws.
function refuseStorage() {
  for (const name of ['localStorage', 'indexedDB']) {
    Object.defineProperty(window, name, {
      configurable: true,
      get: () => {
        throw new DOMException(`Access is denied for this document.`, 'SecurityError');
      },
    });
  }
}

test(
  'where the browser keeps no site data the page runs, ' +
    'corrects, saves and prints, and says once what it cannot keep',
  async () => {
    const page = await browser.newPage();
    page.on('dialog', (dialog) => dialog.accept());
    const downloads = path.join(opened.scratch, 'downloads');
    mkdirSync(downloads, { recursive: true });
    const files = await watchDownloads(page, downloads);
    await page.evaluateOnNewDocument(refuseStorage);
    await page.evaluateOnNewDocument(() => {
      delete window.showSaveFilePicker;
      window.print = () => {
        window.printed = (window.printed ?? 0) + 1;
      };
    });
    await page.goto(served.url);
    await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
    assert.equal(await page.$eval('#message', (line) => line.textContent), '');
    const note = () => page.$eval('#StorageNote', (line) => ({ shown: !line.hidden, text: line.textContent }));
    const refused = await note();
    assert.equal(refused.shown, true);
    assert.match(refused.text, /^Brauzer bu sahifaga ma'lumot saqlashga ruxsat bermadi/);
    assert.equal(await page.$eval('body', (body) => body.dataset.storageRefused), 'reports entries');

    await runReport(page, { Text3: 'Yoqubova Oydin' });
    await correctCell(page, 'D8', 3);
    await page.waitForSelector('body[data-corrected="1"]');
    await saveGoingOn(page);
    await page.waitForSelector('body[data-workbook]');
    assert.equal(await page.$eval('body', (body) => body.dataset.workbook), 'downloaded');
    const saved = readFileSync(await files.next());
    assert.equal(saved.subarray(0, 2).toString(), 'PK');
    // The cells to check were asked about once, for the workbook.
    await page.click('#Print');
    await page.waitForFunction(() => window.printed === 1);

    // Said once: the runs and corrections say nothing of the storage, and no keep is counted as done or failed.
    assert.deepEqual(await note(), refused);
    assert.match(await page.$eval('#ReportNotice', (line) => line.textContent), /yuklab olishga berildi/);
    assert.deepEqual(await page.$eval('body', (body) => ['keeps' in body.dataset, 'keepFailed' in body.dataset]), [
      false,
      false,
    ]);
    await page.close();
  },
);
