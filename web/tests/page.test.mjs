// The page end to end in Debian's Chromium: opened from file://, the form typed and run,
// the drawn cells read, the workbook downloaded and compared cell by cell with the one
// `soatnoma-cli report` writes, both recalculated by LibreOffice, the print made into a
// PDF of one A4 landscape page, and not a single request for anything but the file.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import ExcelJS from 'exceljs';
import JSZip from 'jszip';

import { cli, convertInLibreOffice, launchChromium, webBuild } from './support.mjs';

const pagePath = path.join(webBuild, 'soatnoma.html');
const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-page-'));
const downloads = path.join(scratch, 'downloads');
const year = new Date().getFullYear();
// The subject holds what a workbook would read as a code of a character ("_x0041_" as "A")
// unless it is written as the desktop writes it.
const teacher = { name: 'Abdurahmonova Oʻgʻiloyxon', school: '245', subject: "tasviriy san'at va chizmachilik_x0041_" };

let browser;
let page;
const requests = [];

before(async () => {
  mkdirSync(downloads);
  browser = await launchChromium(scratch);
  page = await browser.newPage();
  page.on('request', (request) => requests.push(request.url()));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
});

after(async () => {
  await browser?.close();
  rmSync(scratch, { recursive: true, force: true });
});

async function typeInto(id, text) {
  await page.$eval(`#${id}`, (box) => { box.value = ''; });
  await page.type(`#${id}`, text);
}

const value = (id) => page.$eval(`#${id}`, (box) => box.value);

test('the form adds up the days, sets the rate by category and refuses as the desktop does', async () => {
  for (const [id, hours] of [['Text7', '4'], ['Text8', '4,5'], ['Text9', '4'], ['Text10', '4'], ['Text11', '3.5'], ['Text12', '4']]) {
    await typeInto(id, hours);
  }
  assert.equal(await value('Text2'), '24');
  // A day that is not a number leaves the week as it was and says why on its box.
  await typeInto('Text9', '4x');
  assert.equal(await value('Text2'), '24');
  assert.match(await page.$eval('#Text9', (box) => box.title), /son emas/);
  await typeInto('Text9', '5');
  assert.equal(await value('Text2'), '25');
  assert.equal(await page.$eval('#Text9', (box) => box.title), '');
  await typeInto('Text9', '4');
  await page.click('#Option1');
  assert.equal(await value('Text1'), '18');
  assert.equal(await page.$eval('#Command2', (button) => !button.hidden), true);
  assert.equal(await page.$eval('#Command1', (button) => button.hidden), true);
  await page.click('#Option2');
  assert.equal(await value('Text1'), '20');

  await typeInto('Text2', 'abc');
  await page.click('#Command1');
  const refusal = spawnSync(cli, ['table', '--category', 'upper', '--weekly', 'abc', '--rate', '20'], { encoding: 'utf8' });
  assert.equal(refusal.status, 2);
  assert.equal(await page.$eval('#message', (message) => message.textContent), refusal.stderr.trim());
});

let shown;

test('Enter in the weekly hours draws the rounded report, every cell named', async () => {
  await page.click('#Option1');
  await typeInto('Text3', teacher.name);
  await typeInto('Text6', teacher.school);
  await typeInto('Text4', teacher.subject);
  await page.click('#Check1');
  await typeInto('Text2', '24');
  await page.focus('#Text2');
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-cell="S20"]');
  assert.equal(await page.$eval('#message', (message) => message.textContent), '');
  shown = Object.fromEntries(await page.$$eval('[data-cell]', (cells) =>
    cells.map((cell) => [cell.dataset.cell, cell.textContent])));
  assert.match(shown.A2, new RegExp(`Oʻgʻiloyxonning ${year}/${year + 1} o'quv yili`));
  for (let row = 5; row <= 20; ++row) assert.match(shown[`S${row}`], /^[0-9]+$/);
});

function cliReport(output) {
  execFileSync(cli, ['report', '--category', 'primary', '--weekly', '24', '--rate', '18', '--leader',
    '--name', teacher.name, '--school', teacher.school, '--subject', teacher.subject, '--year', String(year),
    '-o', output], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
}

async function readWorkbook(file) {
  const workbook = new ExcelJS.Workbook();
  await workbook.xlsx.readFile(file);
  return workbook;
}

function cellOf(sheet, ref) {
  const cell = sheet.getCell(ref);
  const described = { type: cell.type, value: cell.value };
  if (cell.formula) described.value = { formula: cell.formula, result: cell.result };
  return described;
}

async function downloaded(name) {
  const file = path.join(downloads, name);
  for (let wait = 0; wait < 100 && !existsSync(file); ++wait) await new Promise((done) => setTimeout(done, 100));
  return file;
}

let pageWorkbook;
let cliWorkbook;

test('"Excel kitobi" downloads the workbook the command line writes, under the desktop\'s name', async () => {
  await page.click('#SaveXlsx');
  pageWorkbook = await downloaded(`${teacher.name} ${year}-${year + 1}.xlsx`);
  assert.ok(existsSync(pageWorkbook), readdirSync(downloads).join(', '));
  cliWorkbook = path.join(scratch, 'cli.xlsx');
  cliReport(cliWorkbook);
  const ours = (await readWorkbook(pageWorkbook)).worksheets[0];
  const theirs = (await readWorkbook(cliWorkbook)).worksheets[0];
  assert.equal(ours.name, theirs.name);
  let formulas = 0;
  for (let row = 1; row <= 22; ++row) {
    for (let column = 1; column <= 19; ++column) {
      const ref = ours.getCell(row, column).address;
      const [a, b] = [cellOf(ours, ref), cellOf(theirs, ref)];
      assert.deepEqual(a, b, ref);
      if (a.value?.formula) ++formulas;
      assert.deepEqual(ours.getCell(ref).style.alignment ?? {}, theirs.getCell(ref).style.alignment ?? {}, ref);
      assert.equal(ours.getCell(ref).numFmt ?? 'General', theirs.getCell(ref).numFmt ?? 'General', ref);
    }
  }
  assert.ok(formulas > 100);
  assert.deepEqual([...ours.model.merges].sort(), [...theirs.model.merges].sort());
  for (let column = 1; column <= 19; ++column) assert.equal(ours.getColumn(column).width, theirs.getColumn(column).width);
  for (let row = 1; row <= 22; ++row) assert.equal(ours.getRow(row).height, theirs.getRow(row).height, `row ${row}`);
  for (const key of ['orientation', 'paperSize', 'horizontalCentered', 'verticalCentered']) {
    assert.equal(ours.pageSetup[key], theirs.pageSetup[key], key);
  }
  assert.deepEqual(ours.pageSetup.margins, theirs.pageSetup.margins);
  // The program's mark, so the desktop opens the workbook as its own.
  const custom = async (file) => (await JSZip.loadAsync(readFileSync(file))).file('docProps/custom.xml').async('string');
  assert.equal(await custom(pageWorkbook), await custom(cliWorkbook));
});

test('LibreOffice recalculates the downloaded workbook to what the page shows', () => {
  const out = path.join(scratch, 'csv');
  const page = path.join(scratch, 'page.xlsx');
  writeFileSync(page, readFileSync(pageWorkbook));
  convertInLibreOffice(scratch, 'csv:Text - txt - csv (StarCalc):44,34,76', out, [page, cliWorkbook]);
  const rows = (file) => readFileSync(path.join(out, file), 'utf8').split('\n');
  const ours = rows('page.csv');
  assert.deepEqual(ours, rows('cli.csv'));
  for (let row = 5; row <= 20; ++row) assert.equal(ours[row - 1].split(',').at(-1), shown[`S${row}`], `S${row}`);
});

test('"Chop etish" prints one A4 landscape page with the title and the year total', async () => {
  await page.emulateMediaType('print');
  const pdf = path.join(scratch, 'print.pdf');
  await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  assert.match(info, /^Pages:\s+1$/m);
  // A4 turned, as the browser rounds it to its own units.
  assert.match(info, /^Page size:\s+841\.\d+ x 59[45]\.\d+ pts \(A4\)$/m);
  const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
  // The text extractor closes up letter-spaced words, so spaces are left out of the match.
  const compact = text.replace(/\s+/g, '');
  assert.ok(compact.includes('YILLIKTAQSIMOTI'));
  assert.ok(compact.includes(`${year}/${year + 1}o'quvyili`));
  assert.match(text, new RegExp(`(^|\\s)${shown.S5}(\\s|$)`), `year total ${shown.S5}`);
});

const cellText = (ref) => page.$$eval(`[data-cell="${ref}"] text`, (lines) => lines.map((line) => line.textContent).join(' '));
const comma = (hours) => String(hours).replace('.', ',');
const statusLine = () => page.$eval('#status', (status) => status.textContent.replace(/\s+/g, ' ').trim());

test('a corrected cell moves every total, is marked, and is undone, redone and taken back', async () => {
  await page.emulateMediaType('screen');
  const computed = Number(await cellText('D8'));
  const [row8, total] = [Number(await cellText('S8')), Number(await cellText('S5'))];
  await page.click('[data-cell="D8"] rect.border');
  await page.keyboard.type('2,25');
  const editor = await page.$eval('#CellEditor', (box) => box.getBoundingClientRect().toJSON());
  const cell = await page.$eval('[data-cell="D8"] rect.border', (box) => box.getBoundingClientRect().toJSON());
  for (const side of ['left', 'top', 'width', 'height']) assert.ok(Math.abs(editor[side] - cell[side]) < 1, side);
  await page.keyboard.press('Enter');
  // The form shows whole hours; the status line and the tool tips the exact ones.
  assert.equal(await cellText('D8'), '2');
  assert.equal(Number(await cellText('S8')), row8 - computed + 2);
  assert.equal(Number(await cellText('S5')), total - computed + 2);
  assert.equal(await page.$eval('[data-cell="D8"] title', (tip) => tip.textContent),
    `Tuzatilgan. Hisoblangan: ${computed} soat.\nButun son emas: 2,25 soat.`);
  assert.ok(await page.$('[data-cell="D8"] .mark.corrected'));
  assert.ok(await page.$('[data-cell="S8"] .mark.yearDiffers'));
  assert.ok(await page.$('[data-cell="S8"] .mark.corner'));
  assert.match(await statusLine(), new RegExp(`^Yillik jami: ${comma(total - computed + 2.25)} soat ` +
    `\\(hisoblangan: ${total}, farqi: ${comma(2.25 - computed)}\\) Tuzatilgan: 1 ta katak\\.`));

  // A sum and a title refuse typing on the status line; text that is not a number is refused.
  await page.click('[data-cell="S8"] rect.border');
  await page.keyboard.type('5');
  assert.match(await statusLine(), /S8 \(Yillik\) yig'indi/);
  await page.click('[data-cell="D8"] rect.border');
  await page.keyboard.press('F2');
  await page.keyboard.type('x');
  await page.keyboard.press('Enter');
  assert.match(await statusLine(), /"2,25x" son emas/);
  await page.keyboard.press('Escape');

  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  assert.equal(Number(await cellText('S5')), total);
  assert.equal(await page.$('[data-cell="D8"] .mark'), null);
  await page.keyboard.down('Control');
  await page.keyboard.press('y');
  await page.keyboard.up('Control');
  assert.equal(await cellText('D8'), '2');

  // The workbook keeps the correction as the desktop saves it: the value, the totals' cached
  // results and the computed hours of the corrected cell as a custom property.
  const name = `${teacher.name} ${year}-${year + 1}.xlsx`;
  rmSync(path.join(downloads, name), { force: true });
  await page.$eval('body', (body) => { delete body.dataset.workbook; });
  await page.click('#SaveXlsx');
  // D8's fraction is asked about first, in the desktop's words.
  await page.waitForSelector('#CellsCheck[open]');
  assert.match(await page.$eval('#CellsCheckQuestion', (p) => p.textContent), /butun son emas \(1 ta\): D8\n/);
  await page.click('#CellsCheckGoOn');
  await page.waitForSelector('body[data-workbook="saved"]');
  const saved = await downloaded(name);
  await new Promise((done) => setTimeout(done, 300));
  const sheet = (await readWorkbook(saved)).worksheets[0];
  assert.equal(sheet.getCell('D8').value, 2.25);
  assert.equal(sheet.getCell('S5').result, total - computed + 2.25);
  const custom = await (await JSZip.loadAsync(readFileSync(saved))).file('docProps/custom.xml').async('string');
  assert.match(custom, new RegExp(`name="Soatnoma hisoblangan D8"><vt:r8>${computed}</vt:r8>`));

  await page.click('#ResetAll');
  assert.equal(Number(await cellText('S5')), total);
  assert.match(await statusLine(), /hisoblangani bilan bir xil/);
});

test('a name with the marks of markup is shown as typed, never read as markup', async () => {
  await page.emulateMediaType('screen');
  const name = 'Ali <b>Vali</b> & "Soli" \'O\'';
  await typeInto('Text3', name);
  await page.click('#Command2');
  await page.waitForFunction((typed) => document.querySelector('[data-cell="A22"]')?.textContent.includes(typed), {}, name);
  assert.equal(await page.$$eval('[data-cell] b', (bold) => bold.length), 0);
  assert.ok((await page.$eval('[data-cell="A2"]', (title) => title.textContent)).includes(`${name}ning`));
});

async function openInPage(file) {
  await page.$eval('body', (body) => { delete body.dataset.opened; });
  await page.$eval('#message', (message) => { message.textContent = ''; });
  await (await page.$('#OpenFile')).uploadFile(file);
  await page.waitForFunction(() => document.body.dataset.opened || document.querySelector('#message').textContent);
  return page.$eval('#message', (message) => message.textContent);
}

test('"Ochish" opens a workbook either edition saved, with its corrections marked, and refuses others with the reason', async () => {
  // The desktop's workbook: the same report, nothing corrected.
  assert.equal(await openInPage(cliWorkbook), '');
  assert.equal(await cellText('S5'), shown.S5);
  assert.equal(await page.$('.sheet .mark'), null);
  assert.match(await statusLine(), /hisoblangani bilan bir xil/);

  // The page's own corrected workbook: the correction marked against the computed hours.
  const corrected = path.join(scratch, 'tuzatilgan.xlsx');
  writeFileSync(corrected, readFileSync(path.join(downloads, `${teacher.name} ${year}-${year + 1}.xlsx`)));
  assert.equal(await openInPage(corrected), '');
  assert.ok(await page.$('[data-cell="D8"] .mark.corrected'));
  assert.match(await page.$eval('[data-cell="D8"] title', (tip) => tip.textContent), /^Tuzatilgan\. Hisoblangan: \d+ soat\./);
  assert.match(await statusLine(), /Tuzatilgan: 1 ta katak\./);

  const stranger = path.join(scratch, 'boshqa.xlsx');
  const other = new ExcelJS.Workbook();
  other.addWorksheet('Soatnoma').getCell('A1').value = 'Hisobot';
  await other.xlsx.writeFile(stranger);
  const notes = path.join(scratch, 'eslatma.xlsx');
  writeFileSync(notes, 'Bu ish kitobi emas');
  const changed = path.join(scratch, 'ozgargan.xlsx');
  const zip = await JSZip.loadAsync(readFileSync(cliWorkbook));
  const sheetXml = await zip.file('xl/worksheets/sheet1.xml').async('string');
  zip.file('xl/worksheets/sheet1.xml', sheetXml.replace(/<c r="S5"([^>]*)><f>[^<]*<\/f>/, '<c r="S5"$1><f>SUM(C5:C6)</f>'));
  writeFileSync(changed, await zip.generateAsync({ type: 'uint8array' }));
  // A few kilobytes that would unpack to more than any part of a report.
  const huge = path.join(scratch, 'portlovchi.xlsx');
  const padded = await JSZip.loadAsync(readFileSync(cliWorkbook));
  padded.file('xl/media/nollar.bin', new Uint8Array(17 * 1024 * 1024));
  writeFileSync(huge, await padded.generateAsync({ type: 'uint8array', compression: 'DEFLATE' }));
  for (const [file, reason] of [
    [stranger, '"boshqa.xlsx" ochilmadi: bu ish kitobini Soatnoma yozmagan. Faqat Soatnomada saqlangan hisobotni ochish mumkin.'],
    [notes, '"eslatma.xlsx" ochilmadi: bu Excel ish kitobi emas yoki u buzilgan.'],
    [changed, /^"ozgargan\.xlsx" ochilmadi: ish kitobi buzilgan yoki boshqa dasturda o'zgartirilgan \(.*S5/],
    [huge, /^"portlovchi\.xlsx" ochilmadi: .*qismlaridan biri shikastlangan/],
  ]) {
    const said = await openInPage(file);
    if (typeof reason === 'string') assert.equal(said, reason); else assert.match(said, reason);
  }
  // The report shown stays as it was.
  assert.ok(await page.$('[data-cell="D8"] .mark.corrected'));
  await page.click('#ResetAll');
});

test('a reload in the middle of an edit asks first, then offers the report back with its corrections', async () => {
  await page.click('[data-cell="E8"] rect.border');
  await page.keyboard.type('7');
  const keepsBefore = await page.$eval('body', (body) => Number(body.dataset.keeps ?? 0));
  await page.keyboard.press('Enter');
  const total = await statusLine();
  // The storage is given its moment: a tab closed within it keeps the change before.
  await page.waitForFunction((before) => Number(document.body.dataset.keeps ?? 0) > before, {}, keepsBefore);
  const asked = [];
  const answer = async (dialog) => { asked.push(dialog.type()); await dialog.accept(); };
  page.on('dialog', answer);
  await page.reload();
  page.off('dialog', answer);
  assert.deepEqual(asked, ['beforeunload']);
  await page.waitForSelector('body[data-offered="yes"]');
  assert.equal(await page.$eval('#report', (report) => report.hidden), true);
  const offered = await page.$$eval('#Recovery [data-kept]', (lines) => lines.map((line) => line.textContent));
  assert.ok(offered[0].startsWith('tuzatilgan.xlsx, '), offered[0]);
  await page.click('#Recovery [data-kept] button');
  await page.waitForSelector('[data-cell="S20"]');
  assert.equal(await cellText('E8'), '7');
  assert.equal(await statusLine(), total);
  await page.waitForSelector('body[data-keeps]');

  // Dropped reports are not offered again.
  for (const button of await page.$$('#Recovery [data-kept] button:last-child')) await button.click();
  await page.waitForFunction(() => !document.querySelector('#Recovery [data-kept]'));
  page.on('dialog', answer);
  await page.reload();
  page.off('dialog', answer);
  await page.waitForSelector('body[data-offered="yes"]');
  assert.equal((await page.$$('#Recovery [data-kept]')).length, 1, 'the report restored is kept again');
  await page.click('#Recovery [data-kept] button');
  await page.waitForSelector('[data-cell="S20"]');
  assert.equal(await page.$eval('#Recovery', (offer) => offer.hidden), true);
});

test('nothing but the file itself was asked for', () => {
  const others = requests.filter((url) => url !== pathToFileURL(pagePath).href && !url.startsWith('data:') && !url.startsWith('blob:'));
  assert.deepEqual(others, []);
});
