// "Ro'yxatdan" in Chromium against `soatnoma-cli batch`: every staff list below is chosen in
// input#Roster and its listing compared with what the command line makes of the same file:
// the same refused lines with the same reasons, the same ready teachers in the same order
// with their yearly totals (from the summary sheet "Jami" it writes). The lists are texts
// the page hands the module as they are (one of them in Windows-1251, which the page says it
// read so) and a workbook the page unpacks; every other shape of list, and the line each row
// stands on, is the roster's own tests' (tests/roster_rules/).
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';

import ExcelJS from 'exceljs';
import JSZip from 'jszip';

import { cli, openForTests } from './support.mjs';
import { readWorkbook } from './workbook_parts.mjs';

const opened = openForTests('roster');
const { scratch } = opened;
const HEADER = ['ism', 'maktab', 'fan', 'toifa', 'soat', 'stavka', 'rahbar'];

const uzbek = [
  ['Aliyev Vali', '12', 'fizika', 'yuqori', '24', '', 'ha'],
  ['Karimova Oʻgʻiloy', '7', 'ona tili', 'boshlangich', '22,5', '', '0'],
  ['Toshmatov Eshmat', '12', "tasviriy san'at", 'Yuqori', '18', '20', "yo'q"],
];
const cyrillic = [
  ['Иванова Мария', '45', 'русский язык', 'yuqori', '20', '', '1'],
  ['Петров Пётр', '45', 'математика', 'boshlangich', '16', '18', ''],
];
// Rows the roster refuses, each with its reason (which rows and why are the roster's own tests').
const badRows = [
  ["Noma'lum Toifa", '3', 'kimyo', 'oliy', '24', '', ''],
  ['Yomon Soat', '3', 'kimyo', 'yuqori', '24abc', '', ''],
];

function csvText(rows, separator, lineEnd) {
  const field = (text) => (/["\r\n]/.test(text) || text.includes(separator) ? `"${text.replaceAll('"', '""')}"` : text);
  return rows.map((row) => row.map(field).join(separator)).join(lineEnd) + lineEnd;
}
const utf8 = (text) => new TextEncoder().encode(text);
const concat = (...parts) => Uint8Array.from(parts.flatMap((part) => [...part]));

// The text in Windows-1251, as an old office computer saves it.
const windows1251 = (text) => execFileSync('iconv', ['-f', 'UTF-8', '-t', 'WINDOWS-1251'], { input: text });
async function workbookRoster() {
  const workbook = new ExcelJS.Workbook();
  const sheet = workbook.addWorksheet("O'qituvchilar");
  sheet.mergeCells('A1:G1');
  sheet.getCell('A1').value = "12-maktab o'qituvchilari";
  sheet.getRow(3).values = HEADER;
  const boldName = { richText: [{ text: 'Karimova ' }, { text: 'Oʻgʻiloy', font: { bold: true } }] };
  const rows = [
    ['Aliyev Vali', 12, 'fizika', 'yuqori', 24, null, true],
    [boldName, 7, 'ona tili', 'boshlangich', 22.5, 18, false],
    ['Formula Soat', '3', 'tarix', 'yuqori', { formula: '10+14', result: 24 }, null, 'ha'],
    ['Yomon Soat', 3, 'kimyo', 'yuqori', '24abc', null, null],
    ['Xato Toifa', 3, 'kimyo', { error: '#N/A' }, 20, null, null],
  ];
  rows.forEach((row, i) => {
    sheet.getRow(5 + i).values = row;
  });
  return new Uint8Array(await workbook.xlsx.writeBuffer());
}

// The staff lists, each made when it is chosen.
const rosters = [
  ['tab.txt', () => utf8(csvText([HEADER, ...uzbek, ...badRows], '\t', '\n'))],
  ['windows-1251.csv', () => windows1251(csvText([HEADER, ...cyrillic, ...badRows], ';', '\r\n'))],
  ['workbook.xlsx', workbookRoster],
];

// What the command line makes of a file: its refusals on stderr ("qator N: ..."), the
// ready teachers in its summary sheet and its other messages, the path as a file name.
async function commandLine(name, bytes) {
  const file = path.join(scratch, name);
  const out = path.join(scratch, `${name}.out.xlsx`);
  writeFileSync(file, bytes);
  rmSync(out, { force: true });
  const run = spawnSync(cli, ['batch', file, '-o', out, '--year', '2025'], { encoding: 'utf8' });
  const lines = run.stderr
    .split('\n')
    .filter(Boolean)
    .map((line) => line.replaceAll(file, name));
  const ready = [];
  if (existsSync(out)) {
    const workbook = await readWorkbook(out);
    const summary = workbook.getWorksheet('Jami');
    for (let row = 4; row < 4 + workbook.worksheets.length - 1; ++row) {
      const cells = summary.getRow(row);
      ready.push([
        cells.getCell(2).text,
        cells.getCell(3).text,
        cells.getCell(4).text,
        String(cells.getCell(9).result),
      ]);
    }
  }
  return {
    refused: lines.filter((line) => line.startsWith('qator ')),
    other: lines.filter((line) => !line.startsWith('qator ') && !/^\d+ ta /.test(line)),
    ready,
  };
}

// A refused row of the page's table as the command line describes it: "qator N: reason".
const described = (row) => `qator ${row.cells[0]}: ${row.cells[6]}`;

let page;

before(async () => {
  ({ page } = await opened.ready());
  await page.click('#RosterOpen');
});

// Chooses the file in the page and reads back what it lists.
async function listed(name, bytes) {
  const file = path.join(scratch, `page-${name}`);
  writeFileSync(file, bytes);
  await (await page.$('#Roster')).uploadFile(file);
  await page.waitForSelector(`#Staff[data-read="page-${name}"]`, { timeout: 20000 });
  return page.evaluate(() => ({
    message: document.getElementById('StaffMessage').textContent,
    rows: [...document.querySelectorAll('#RosterRows tbody tr')].map((row) => ({
      line: Number(row.dataset.line),
      status: row.dataset.status,
      cells: [...row.cells].map((cell) => cell.textContent),
    })),
  }));
}

test('every staff list is listed as the command line reads it', { skip: !existsSync(cli) }, async () => {
  let refusedSeen = 0;
  for (const [name, make] of rosters) {
    const bytes = await make();
    const theirs = await commandLine(name, bytes);
    const ours = await listed(name, bytes);
    const refused = ours.rows.filter((row) => row.status === 'refused');
    // The status column holds the reason, as on the desktop; the line stands in the first.
    assert.deepEqual(refused.map(described), theirs.refused, `${name}: the refusals`);
    const ready = ours.rows.filter((row) => row.status === 'ok');
    assert.deepEqual(
      ready.map((row) => [row.cells[1], row.cells[2], row.cells[3], row.cells[5]]),
      theirs.ready,
      `${name}: the ready teachers`,
    );
    assert.equal(
      ours.message.includes("Fayl Windows-1251 kodlashida o'qildi"),
      theirs.other.some((line) => line.includes("Fayl Windows-1251 kodlashida o'qildi")),
      `${name}: the code page`,
    );
    assert.match(
      ours.message,
      new RegExp(`Tayyor: ${ready.length} ta o'qituvchi\\. Rad etilgan: ${refused.length} ta qator\\.`),
    );
    refusedSeen += refused.length;
  }
  assert.ok(refusedSeen >= 5, 'the lists hold refused rows to compare');
});

// A workbook of a few kilobytes one part of which unpacks to more than any workbook's part
// (the weighing of many parts is reading.test.mjs's, on the same reading of packages).
async function withHugePart(workbookBytes) {
  const zip = await JSZip.loadAsync(workbookBytes);
  zip.file('xl/media/nollar.bin', new Uint8Array(17 * 1024 * 1024));
  return zip.generateAsync({ type: 'uint8array', compression: 'DEFLATE' });
}

test(
  "a file no staff list can be read from is refused in the command line's words, and nothing is listed",
  { skip: !existsSync(cli) },
  async () => {
    const files = [
      ['eski.xls', Uint8Array.of(0xd0, 0xcf, 0x11, 0xe0, 0xa1, 0xb1, 0x1a, 0xe1, 0, 0, 0, 0)],
      ['buzilgan.xlsx', concat(utf8('PK\x03\x04'), utf8('bu zip emas'))],
      ['juda-katta.csv', new Uint8Array(16 * 1024 * 1024 + 1).fill(0x41)],
      // Weighed from the package's listing before anything is unpacked, in every edition.
      ['portlovchi.xlsx', await withHugePart(await workbookRoster())],
    ];
    await listed('tab.txt', await rosters.find(([name]) => name === 'tab.txt')[1]());
    for (const [name, bytes] of files) {
      const theirs = await commandLine(name, bytes);
      const ours = await listed(name, bytes);
      assert.equal(ours.rows.length, 0, name);
      assert.equal(ours.message, theirs.other[0].replace(name, `page-${name}`), name);
    }
  },
);

// A list of 16 MB, about 700,000 rows: far more than a list may have.
function hugeList() {
  const row = utf8('AliVali;1;fan;yuqori;24\n');
  const header = utf8(`${HEADER.join(';')}\n`);
  const count = Math.floor((16 * 1024 * 1024 - header.length) / row.length);
  const bytes = new Uint8Array(header.length + count * row.length);
  bytes.set(header);
  for (let i = 0; i < count; ++i) bytes.set(row, header.length + i * row.length);
  return { bytes, count };
}

// The most a list may have is the roster's (tests/staff_book/staff_book_test.cpp); here a list
// of far more is refused as the page reads it, and its reading can be stopped.
test('a list longer than a list may have is refused, naming its rows, and its reading can be stopped', async () => {
  const { bytes, count } = hugeList();
  const huge = await listed('16mb.csv', bytes);
  assert.equal(huge.rows.length, 0);
  assert.match(huge.message, new RegExp(`unda ${count} ta qator bor`));

  // Read again, and stopped while it is read: the page takes the click.
  await listed('tab.txt', await rosters.find(([name]) => name === 'tab.txt')[1]());
  const file = path.join(scratch, 'toxtatilgan.csv');
  writeFileSync(file, bytes);
  await (await page.$('#Roster')).uploadFile(file);
  await page.waitForSelector('#StopReading:not([hidden])');
  await page.click('#StopReading');
  await page.waitForSelector('#Staff[data-read="toxtatilgan.csv"]');
  assert.equal(await page.$eval('#StaffMessage', (message) => message.textContent), "To'xtatildi, ro'yxat o'qilmadi.");
  assert.equal(await page.$$eval('#RosterRows tbody tr', (rows) => rows.length), 0);
  assert.equal(await page.$eval('#StopReading', (button) => button.hidden), true);
});

test('a large staff list is listed whole, and on a phone each row is a card within the screen', async () => {
  const rows = Array.from({ length: 3000 }, (_, i) => [
    `O'qituvchi ${i + 1}`,
    String(1 + (i % 40)),
    'fizika',
    i % 3 ? 'yuqori' : 'boshlangich',
    i === 0 ? '24abc' : String(10 + (i % 20)),
    '',
    i % 2 ? 'ha' : '',
  ]);
  const ours = await listed('katta.csv', utf8(csvText([HEADER, ...rows], ';', '\r\n')));
  assert.equal(ours.rows.length, 3000);
  assert.deepEqual([ours.rows[0].line, ours.rows.at(-1).line], [2, 3001]);
  await page.setViewport({ width: 360, height: 740 });
  const seen = await page.evaluate(() => {
    const table = document.getElementById('RosterRows');
    const first = table.tBodies[0].rows[0];
    first.scrollIntoView();
    const status = first.cells[6].getBoundingClientRect();
    return {
      page: document.documentElement.scrollWidth,
      screen: document.documentElement.clientWidth,
      table: table.scrollWidth,
      box: table.clientWidth,
      status: { left: status.left, right: status.right, width: status.width },
      schoolHeading: getComputedStyle(first.cells[2], '::before').content,
    };
  });
  assert.ok(seen.page <= seen.screen, `the page is ${seen.page} px wide on a ${seen.screen} px screen`);
  assert.ok(seen.table <= seen.box, 'nothing of a row hides to the side');
  // The refused row's reason stands on the screen, and each value beside its heading.
  assert.ok(
    seen.status.width > 0 && seen.status.left >= 0 && seen.status.right <= seen.screen,
    JSON.stringify(seen.status),
  );
  assert.equal(seen.schoolHeading, '"Maktab: "');
  await page.setViewport({ width: 800, height: 600 });
});

test('a file chosen while an earlier one is still being read is the one listed', async () => {
  const workbook = new ExcelJS.Workbook();
  const sheet = workbook.addWorksheet('Katta');
  sheet.addRow(HEADER);
  for (let i = 0; i < 3000; ++i) sheet.addRow([`Kitobdagi ${i}`, 1, 'fizika', 'yuqori', 20, null, null]);
  const slow = path.join(scratch, 'sekin.xlsx');
  writeFileSync(slow, new Uint8Array(await workbook.xlsx.writeBuffer()));
  const quick = path.join(scratch, 'tez.csv');
  writeFileSync(quick, utf8(csvText([HEADER, uzbek[0]], ';', '\n')));
  await (await page.$('#Roster')).uploadFile(slow);
  await (await page.$('#Roster')).uploadFile(quick);
  await page.waitForSelector('#Staff[data-read="tez.csv"]', { timeout: 20000 });
  // The earlier file's reading was ended when the later one was chosen: no reading is left
  // to list it after all.
  assert.equal(await page.$eval('#StopReading', (button) => button.hidden), true);
  const names = await page.$$eval('#RosterRows tbody tr', (rows) => rows.map((row) => row.cells[1].textContent));
  assert.deepEqual(names, [uzbek[0][0]]);
  assert.equal(await page.$eval('#Staff', (panel) => panel.dataset.read), 'tez.csv');
});
