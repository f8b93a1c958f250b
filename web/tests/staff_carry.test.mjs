// The staff list's workbook made in Chromium over the staff workbook "Ochish" listed under
// the same name and corrected in the page: the corrections of the teachers whose rows are as
// they were go into the new workbook (the cells, "Jami"'s totals and the notes), and the
// teachers whose corrections cannot be carried are asked about first, with another name
// offered.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

import { openForTests, runCliBatch, unmark } from './support.mjs';
import { readWorkbook } from './workbook_parts.mjs';
import { correctCell, downloadedAs, openPageWithDownloads, saveGoingOn } from './downloads.mjs';
import { partsOfZip } from './zip_files.mjs';

const opened = openForTests('carry', openPageWithDownloads);
const { scratch } = opened;
const roster = path.join(scratch, 'xodimlar.csv');
const staffBook = path.join(scratch, 'xodimlar hisobotlari.xlsx');
const rows = (aliyevHours) =>
  'ism;maktab;fan;toifa;soat\r\nAliyev Vali;12;fizika;yuqori;' +
  aliyevHours +
  "\r\nKarimova Dilnoza;12;kimyo;yuqori;20\r\nO'tkir G'ulomov;7;tarix;boshlangich;18\r\n";

let page;
let files;

before(async () => {
  writeFileSync(roster, rows(24));
  runCliBatch(roster, staffBook, 2026);
  ({ page, files } = await opened.ready());
  page.on('dialog', (dialog) => dialog.accept());
});

const cellText = (ref) =>
  page.$$eval(`[data-cell="${ref}"] text`, (lines) => lines.map((line) => line.textContent).join(' '));

// The teacher of the listed workbook opened, a cell corrected by some hours and the whole
// workbook saved back: the hours the cell held before.
async function correctInPage(sheet, ref, more) {
  await unmark(page, 'opened');
  await page.waitForSelector(`#StaffBook tr[data-sheet="${sheet}"] button`, { visible: true });
  await page.click(`#StaffBook tr[data-sheet="${sheet}"] button`);
  await page.waitForSelector(`body[data-opened="xodimlar hisobotlari.xlsx [${sheet}]"]`);
  const hours = Number(await cellText(ref));
  const row = `#StaffBook tr[data-sheet="${sheet}"]`;
  const listedTotal = await page.$eval(row, (tr) => tr.cells[2].textContent);
  await correctCell(page, ref, hours + more);
  await saveGoingOn(page);
  const saved = await downloadedAs(files, scratch, `${sheet}.xlsx`);
  assert.equal(saved.name, 'xodimlar hisobotlari.xlsx');
  // The list shows what was saved once it has read the saved workbook again.
  await page.waitForFunction(
    (selector, before) => document.querySelector(selector)?.cells[2].textContent !== before,
    {},
    row,
    listedTotal,
  );
  return hours;
}

async function makeStaffWorkbook(list) {
  writeFileSync(roster, list);
  await unmark(page, 'staff');
  await page.click('#RosterOpen');
  await (await page.$('#Roster')).uploadFile(roster);
  await page.waitForSelector('body[data-staff="3"]');
  await page.waitForSelector('#SaveStaffXlsx:not([disabled])');
  await unmark(page, 'staffWork');
  await page.click('#SaveStaffXlsx');
}

test("the list's workbook keeps the corrections made in the page and asks about those it cannot keep", async () => {
  await (await page.$('#OpenFile')).uploadFile(staffBook);
  await page.waitForSelector('#StaffBook[data-listed="xodimlar hisobotlari.xlsx"]:not([hidden])');
  const c8 = await correctInPage('Karimova Dilnoza', 'C8', 2);
  await correctInPage('Aliyev Vali', 'D8', 1);

  await makeStaffWorkbook(rows(25)); // Aliyev's weekly hours changed
  await page.waitForSelector('#CarryCheck[open]');
  const question = await page.$eval('#CarryCheckQuestion', (p) => p.textContent);
  assert.match(question, /"Aliyev Vali" \("Aliyev Vali" varag'i\): ro'yxatdagi qatori o'zgargan/);
  assert.doesNotMatch(question, /Karimova/);
  await page.screenshot({ path: process.env.SOATNOMA_CARRY_SHOT ?? path.join(scratch, 'savol.png') });
  await page.click('#CarryOtherName');
  const made = await downloadedAs(files, scratch, 'yangi.xlsx');
  assert.equal(made.name, 'xodimlar hisobotlari (yangi).xlsx');
  assert.match(
    await page.$eval('#StaffMessage', (p) => p.textContent),
    /1 ta o'qituvchining tuzatishlari yangi kitobga ko'chirildi\./,
  );

  const workbook = await readWorkbook(made.file);
  const karimova = workbook.getWorksheet('Karimova Dilnoza');
  assert.equal(karimova.getCell('C8').value, c8 + 2);
  const jami = workbook.worksheets[0];
  assert.equal(Number(jami.getCell(5, 9).result), karimova.getCell('S5').result);
  const custom = Buffer.from(
    (await partsOfZip(readFileSync(made.file))).find((part) => part.name === 'docProps/custom.xml').bytes,
  ).toString();
  assert.match(custom, new RegExp(`name="Soatnoma hisoblangan Karimova Dilnoza!C8"><vt:r8>${c8}</vt:r8>`));
  assert.doesNotMatch(custom, /Aliyev Vali!/);

  // "Yozmaslik" makes nothing.
  await makeStaffWorkbook(rows(25));
  await page.waitForSelector('#CarryCheck[open]');
  await page.click('#CarryCancel');
  await page.waitForSelector('body[data-staff-work="cancelled"]');
});
