// The school year is chosen, not guessed, in the page: with the clock in February 2027 the
// choice above the form offers 2026/2027, 2027/2028 (chosen) and 2028/2029 in the desktop's
// words; the year chosen names the report's title and its file, and the staff workbook's
// "Jami" and sheets; it is still chosen when the page is opened again.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import path from 'node:path';

import { openBuiltPage, openForTests, runReport } from './support.mjs';
import { readWorkbook } from './workbook_parts.mjs';
import { openPageWithDownloads } from './downloads.mjs';

// 14 February 2027, 09:30 in the page's own time zone; the clock goes on from there.
function fromThatDay(today) {
  const RealDate = Date;
  const start = RealDate.now();
  const fixed = new RealDate(...today).getTime();
  const now = () => fixed + (RealDate.now() - start);
  globalThis.Date = class extends RealDate {
    constructor(...given) {
      super(...(given.length > 0 ? given : [now()]));
    }
    static now() {
      return now();
    }
  };
}
// The workbook goes out as a download, as in a browser without a save picker.
const opened = openForTests('year', (folder) =>
  openPageWithDownloads(folder, (page) => page.evaluateOnNewDocument(fromThatDay, [2027, 1, 14, 9, 30])),
);
let page;
let files;
before(async () => {
  ({ page, files } = await opened.ready());
});

const offered = () =>
  page.$$eval('#SchoolYear option', (options) =>
    options.map((option) => option.textContent + (option.selected ? '*' : '')),
  );
const title = () => page.$$eval('[data-cell="A2"] text', (lines) => lines.map((line) => line.textContent).join(' '));

test("the date gives 2027/2028 and the years beside it are offered in the desktop's words", async () => {
  assert.deepEqual(await offered(), ['2026/2027', '2027/2028*', '2028/2029']);
  assert.match(await page.$eval('#SchoolYear', (select) => select.title), /"Jami"/);
  await runReport(page, { Text3: 'Karimova Dilnoza' });
  assert.match(await title(), /Dilnozaning 2027\/2028 o'quv yili/);
});

test('the year chosen names the title and the file, and is kept for the next visit', async () => {
  await page.select('#SchoolYear', '2026');
  await runReport(page, { Text3: 'Karimova Dilnoza' });
  assert.match(await title(), /Dilnozaning 2026\/2027 o'quv yili/);
  await page.click('#SaveXlsx');
  assert.equal(path.basename(await files.next()), 'Karimova Dilnoza 2026-2027.xlsx');

  await openBuiltPage(page);
  assert.deepEqual(await offered(), ['2026/2027*', '2027/2028', '2028/2029']);
});

test('the staff workbook\'s "Jami" and every sheet name the year chosen', async () => {
  await page.select('#SchoolYear', '2028');
  const list = path.join(opened.scratch, 'xodimlar.csv');
  writeFileSync(list, 'ism;maktab;fan;toifa;soat\r\nAliyev Vali;12;fizika;yuqori;24\r\n');
  await page.click('#RosterOpen');
  await (await page.$('#Roster')).uploadFile(list);
  await page.waitForSelector('#SaveStaffXlsx:not([disabled])');
  await page.click('#SaveStaffXlsx');
  const workbook = await readWorkbook(await files.next());
  const [summary, teacher] = workbook.worksheets;
  assert.match(summary.getCell('A1').value, /2028\/2029 o'quv yili uchun yillik ish yuklamasi$/);
  assert.match(teacher.getCell('A2').value, /2028\/2029 o'quv yili/);
});
