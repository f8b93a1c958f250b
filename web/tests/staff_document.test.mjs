// A staff workbook as a document in Chromium: "Ochish" lists the teachers of the workbook
// `soatnoma-cli batch` wrote (sheet, name, the yearly total "Jami" holds) in the desktop's
// words and opens the one chosen as a report; "Excel kitobi" then gives the whole workbook
// back under its own name, that sheet, "Jami"'s stored results and the notes changed (as
// tests/staff_files/batch_libreoffice_test.cpp has LibreOffice recalculate them), every other
// part as it was; opened again, the correction is marked; one left unsaved comes back after a
// reload as that sheet of that workbook; a stranger's is refused as ever. One re-saved by
// LibreOffice lists every teacher and takes a correction. A workbook edited elsewhere (pasted
// as values, "Jami" moved, a sheet deleted) is judged by the module as
// tests/staff_files/staff_document_test.cpp has the desktop judge it.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

import ExcelJS from 'exceljs';

import { convertInLibreOffice, openForTests, runCliBatch, unmark } from './support.mjs';
import { readWorkbook } from './workbook_parts.mjs';
import { correctCell, downloadedAs, openPageWithDownloads, saveGoingOn } from './downloads.mjs';
import { partsOfZip } from './zip_files.mjs';

const opened = openForTests('staffdoc', openPageWithDownloads);
const { scratch } = opened;
const staffBook = path.join(scratch, 'xodimlar.xlsx');

let page;
let files;

before(async () => {
  writeFileSync(
    path.join(scratch, 'xodimlar.csv'),
    'ism;maktab;fan;toifa;soat\r\nAliyev Vali;12;fizika;yuqori;24\r\nKarimova ' +
      "Dilnoza;12;kimyo;yuqori;20\r\nO'tkir G'ulomov;7;tarix;boshlangich;18\r\n",
  );
  runCliBatch(path.join(scratch, 'xodimlar.csv'), staffBook, 2026);
  ({ page, files } = await opened.ready());
  page.on('dialog', (dialog) => dialog.accept()); // leaving with an unsaved report is asked about
});

const downloaded = (as) => downloadedAs(files, scratch, as);

async function summaryOf(file) {
  const workbook = await readWorkbook(file);
  const jami = workbook.worksheets[0];
  const rows = [4, 5, 6].map((row) => [jami.getCell(row, 2).text, Number(jami.getCell(row, 9).result)]);
  return { rows, total: Number(jami.getCell(7, 9).result), workbook };
}

async function upload(file) {
  await unmark(page, 'opened');
  await page.$eval('#message', (line) => {
    line.textContent = '';
  });
  await (await page.$('#OpenFile')).uploadFile(file);
}

async function listInPage(file) {
  // A workbook of the same name may be listed already: wait for this one's listing.
  await page.$eval('#StaffBook', (section) => {
    delete section.dataset.listed;
  });
  await upload(file);
  await page.waitForSelector(`#StaffBook[data-listed="${path.basename(file)}"]:not([hidden])`);
  return page.$$eval('#StaffBook tbody tr', (rows) =>
    rows.map((row) => [...row.cells].slice(0, 3).map((cell) => cell.textContent)),
  );
}

async function openTeacher(file, sheet) {
  await page.click(`#StaffBook tr[data-sheet="${sheet}"] button`);
  await page.waitForSelector(`body[data-opened="${path.basename(file)} [${sheet}]"]`);
}

// A cell not corrected yet, corrected; "Excel kitobi", going on despite the changed year total.
const correct = (ref, hours) => correctCell(page, ref, hours);
const saveWorkbook = () => saveGoingOn(page);

const cellText = (ref) =>
  page.$$eval(`[data-cell="${ref}"] text`, (lines) => lines.map((line) => line.textContent).join(' '));

let savedBack;
let c8;

test('"Ochish" lists a staff workbook\'s teachers and opens the one chosen as a report', async () => {
  const { rows } = await summaryOf(staffBook);
  const listed = await listInPage(staffBook);
  assert.deepEqual(
    listed,
    rows.map(([name, total]) => [name, name, String(total)]),
  );
  assert.equal(await page.$eval('#message', (p) => p.textContent), '');
  await openTeacher(staffBook, 'Karimova Dilnoza');
  assert.match(await cellText('A2'), /Karimova Dilnozaning 2026\/2027 o'quv yili/);
});

test(
  '"Excel kitobi" gives the whole staff workbook back, ' + 'that sheet and "Jami" changed, the rest as it was',
  async () => {
    c8 = Number(await cellText('C8'));
    await correct('C8', String(c8 + 10));
    await saveWorkbook();
    const download = await downloaded('qaytgan.xlsx');
    assert.equal(download.name, 'xodimlar.xlsx');
    savedBack = download.file;

    // "Jami"'s totals and the sheet's hours moved as every engine's staff workbook flow has them;
    // here the sheet's own total, and every other part as it was.
    const before = await summaryOf(staffBook);
    const after = await summaryOf(savedBack);
    const sheet = after.workbook.getWorksheet('Karimova Dilnoza');
    assert.equal(sheet.getCell('S5').result, before.rows[1][1] + 10);
    assert.equal(sheet.getCell('S5').formula, before.workbook.getWorksheet('Karimova Dilnoza').getCell('S5').formula);
    const [original, saved] = await Promise.all([staffBook, savedBack].map((file) => partsOfZip(readFileSync(file))));
    const changed = ['xl/worksheets/sheet1.xml', 'xl/worksheets/sheet3.xml', 'docProps/custom.xml'];
    assert.deepEqual(
      saved.map((part) => part.name),
      original.map((part) => part.name),
    );
    for (const [index, part] of original.entries()) {
      const same = Buffer.from(saved[index].bytes).equals(Buffer.from(part.bytes));
      assert.equal(same, !changed.includes(part.name), part.name);
    }
    const custom = Buffer.from(saved.find((part) => part.name === 'docProps/custom.xml').bytes).toString();
    assert.match(custom, /<vt:lpwstr>xodimlar kitobi, yillik taqsimot<\/vt:lpwstr>/);
    assert.match(custom, new RegExp(`name="Soatnoma hisoblangan Karimova Dilnoza!C8"><vt:r8>${c8}</vt:r8>`));
  },
);

test('the list then shows what was saved, and the next teacher opened from it is saved on top of it', async () => {
  const before = await summaryOf(staffBook);
  await page.waitForFunction(
    (total) => document.querySelector('#StaffBook tr[data-sheet="Karimova Dilnoza"]')?.cells[2].textContent === total,
    {},
    String(before.rows[1][1] + 10),
  );
  await openTeacher(staffBook, 'Aliyev Vali');
  const hours = Number(await cellText('D8'));
  await correct('D8', String(hours + 5));
  await saveWorkbook();
  const download = await downloaded('ikkinchi.xlsx');
  assert.equal(download.name, 'xodimlar.xlsx');
  const after = await summaryOf(download.file);
  assert.deepEqual(
    after.rows.map((row) => row[1]),
    [before.rows[0][1] + 5, before.rows[1][1] + 10, before.rows[2][1]],
  );
  assert.equal(after.total, before.total + 15);
  assert.equal(after.workbook.getWorksheet('Karimova Dilnoza').getCell('C8').value, c8 + 10);
});

// The print of a staff workbook opened is the workbook as it stands: "Jami" with the totals
// it stores, the correction saved into it included, then each teacher's sheet as saved.
test('"Chop etish (butun kitob)" prints "Jami" and every teacher\'s page as the workbook holds them', async () => {
  const { rows, total } = await summaryOf(savedBack);
  await listInPage(savedBack);
  await page.evaluate(() => {
    delete document.body.dataset.printAsked;
    window.print = () => {
      document.body.dataset.printAsked = 'yes';
    };
  });
  await page.click('#StaffBook .print-book');
  await page.waitForSelector('body[data-print-asked="yes"]', { timeout: 60000 });
  const texts = (selector) =>
    page.$$eval(selector, (pages) =>
      pages.map((one) => [...one.querySelectorAll('text')].map((line) => line.textContent).join(' | ')),
    );
  const summary = (await texts('#StaffPages .page[data-summary]')).join(' | ');
  for (const [name, annual] of rows) assert.match(summary, new RegExp(`${name} \\|.* \\| ${annual} \\|`));
  assert.match(summary, new RegExp(`\\| ${total} \\|`));
  const teachers = await texts('#StaffPages .page:not([data-summary])');
  assert.equal(teachers.length, 3);
  assert.match(teachers[1], /Karimova Dilnozaning 2026\/2027/);
  assert.match(teachers[1], new RegExp(`\\| ${c8 + 10} \\|`));
  assert.equal(
    await page.$eval('body', (body) => body.dataset.staffPages),
    String(await page.$$eval('#StaffPages .page', (pages) => pages.length)),
  );
  assert.equal(await page.$eval('#message', (p) => p.textContent), '');
});

test('opened again, the correction is marked; left unsaved, it comes back after a reload as that sheet', async () => {
  const listed = await listInPage(savedBack);
  assert.equal(listed[1][2], String((await summaryOf(savedBack)).rows[1][1]));
  await openTeacher(savedBack, 'Karimova Dilnoza');
  assert.equal(Number(await cellText('C8')), c8 + 10);
  assert.ok(await page.$('[data-cell="C8"] .mark.corrected'));

  const keeps = await page.$eval('body', (body) => Number(body.dataset.keeps ?? 0));
  await correct('D9', String(Number(await cellText('D9')) + 1));
  await page.waitForFunction((before) => Number(document.body.dataset.keeps ?? 0) > before, {}, keeps);
  await page.reload();
  await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
  await page.evaluate(() => {
    delete window.showSaveFilePicker;
  });
  // Offered as that sheet of that workbook, as every engine's staff workbook flow finds it.
  await unmark(page, 'report');
  await page.click('#Recovery [data-kept] button');
  await page.waitForSelector('body[data-report="drawn"]');
  assert.ok(await page.$('[data-cell="D9"] .mark.corrected'));
  assert.ok(await page.$('[data-cell="C8"] .mark.corrected'));
  await saveWorkbook();
  const download = await downloaded('tiklangan.xlsx');
  assert.equal(download.name, 'qaytgan.xlsx');
  const { workbook, rows } = await summaryOf(download.file);
  assert.equal(workbook.worksheets.length, 4);
  const sheet = workbook.getWorksheet('Karimova Dilnoza');
  assert.equal(sheet.getCell('C8').value, c8 + 10);
  assert.equal(rows[1][1], sheet.getCell('S5').result);
});

// The page's own staff workbook is the command line's, part for part (staff.test.mjs), and
// so is listed as that is.
test("a stranger's workbook is refused as ever, and the staff workbook listed before is closed", async () => {
  await listInPage(staffBook);
  // A spreadsheet's own workbook of two sheets, "Jami" first, is no staff workbook of ours.
  const stranger = path.join(scratch, 'begona.xlsx');
  const workbook = new ExcelJS.Workbook();
  workbook.addWorksheet('Jami').getCell('A1').value = 'Maktab xodimlari';
  workbook.addWorksheet('Aliyev Vali').getCell('S5').value = 1858;
  await workbook.xlsx.writeFile(stranger);
  await upload(stranger);
  await page.waitForFunction(() => document.getElementById('message').textContent !== '');
  assert.match(await page.$eval('#message', (p) => p.textContent), /^"begona\.xlsx" ochilmadi: /);
  assert.equal(await page.$eval('#StaffBook', (section) => section.hidden), true);
});

// The rows of the listing: [sheet, name, total, note, openable].
const listedRows = () =>
  page.$$eval('#StaffBook tbody tr', (rows) =>
    rows.map((row) => [
      row.dataset.sheet ?? '',
      ...[...row.cells].slice(1, 4).map((cell) => cell.textContent),
      !!row.querySelector('button'),
    ]),
  );

test('a staff workbook re-saved by LibreOffice lists every teacher and takes a correction', async () => {
  const list = path.join(scratch, 'birso.csv');
  writeFileSync(
    list,
    'ism;maktab;fan;toifa;soat\r\nAli;12;fizika;yuqori;24\r\nVali;12;kimyo;yuqori;20\r\nGani ' +
      'Karimov;7;tarix;yuqori;18\r\n',
  );
  const written = path.join(scratch, 'birso.xlsx');
  runCliBatch(list, written, 2026);
  const out = path.join(scratch, 'lo');
  convertInLibreOffice(scratch, 'xlsx:Calc MS Excel 2007 XML', out, [written]);
  const resaved = path.join(out, 'birso.xlsx');
  const { rows } = await summaryOf(written);
  await listInPage(resaved);
  assert.deepEqual(
    await listedRows(),
    rows.map(([name, total]) => [name, name, String(total), '', true]),
  );
  await openTeacher(resaved, 'Vali');
  await correct('C8', String(Number(await cellText('C8')) + 7));
  await saveWorkbook();
  const after = await summaryOf((await downloaded('birso-qaytgan.xlsx')).file);
  assert.deepEqual(
    after.rows.map((row) => row[1]),
    [rows[0][1], rows[1][1] + 7, rows[2][1]],
  );
});

test('the largest staff workbook the program writes is listed, opened and saved back', async () => {
  const list = path.join(scratch, 'katta.csv');
  const rows = Array.from({ length: 5000 }, (_, i) => `O'qituvchi ${i + 1};12;fizika;yuqori;24`);
  writeFileSync(list, `ism;maktab;fan;toifa;soat\n${rows.join('\n')}\n`);
  const large = path.join(scratch, 'katta.xlsx');
  runCliBatch(list, large, 2026);
  await upload(large);
  await page.waitForSelector('#StaffBook[data-listed="katta.xlsx"]:not([hidden])', { timeout: 60000 });
  assert.equal(await page.$$eval('#StaffBook tbody tr[data-sheet] button', (buttons) => buttons.length), 5000);
  await page.click('#StaffBook tr[data-sheet="O\'qituvchi 5000"] button');
  await page.waitForSelector('body[data-opened="katta.xlsx [O\'qituvchi 5000]"]', { timeout: 60000 });
  await correct('C8', String(Number(await cellText('C8')) + 1));
  await saveWorkbook();
  const saved = await downloaded('katta-qaytgan.xlsx');
  const workbook = await readWorkbook(saved.file);
  assert.equal(workbook.worksheets.length, 5001);
  assert.equal(
    workbook.getWorksheet('Jami').getCell(5003, 9).result,
    workbook.getWorksheet("O'qituvchi 5000").getCell('S5').result,
  );
});
