// The whole staff in Chromium against `soatnoma-cli batch`: a staff list chosen in
// input#Roster gives, under "Excel kitobi (butun ro'yxat)", the workbook the command line
// writes for the same file, part for part (the desktop's library writes the same: the C++
// tests'); "To'xtatish" stops it with nothing saved; and "Chop etish (butun ro'yxat)" prints
// a sheet of A4 landscape paper per teacher.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

import { cli, openForTests, runCliBatch, runReport, unmark } from './support.mjs';
import { openPageWithDownloads } from './downloads.mjs';
import { assertSameWorkbooks, readWorkbook } from './workbook_parts.mjs';

// Every file the page hands to the browser is noted the moment it is handed; the browser's
// print dialog cannot be driven headless, so a print asked for is marked.
function noteHanded() {
  window.print = () => {
    document.body.dataset.printAsked = 'yes';
  };
  window.handedDownloads = [];
  const { click } = HTMLAnchorElement.prototype;
  HTMLAnchorElement.prototype.click = function handed() {
    if (this.download) window.handedDownloads.push(this.download);
    return click.call(this);
  };
}
const opened = openForTests('staff', (folder) =>
  openPageWithDownloads(folder, (page) => page.evaluateOnNewDocument(noteHanded)),
);
const { scratch } = opened;
const year = new Date().getFullYear();

// Names that clash in letter case, a name too long for a sheet, apostrophes of three kinds,
// Cyrillic, a decimal comma, a rate that gives fractions, two schools, a row the list
// refuses, and texts that look like the workbook's codes of characters.
const roster = [
  'ism;maktab;fan;toifa;soat;stavka;rahbar',
  'Aliyev Vali;12;fizika;yuqori;24;;ha',
  'ALIYEV VALI;12;kimyo;yuqori;18;20;0',
  'Abdurahmonova Oʻgʻiloyxon Gʻaniyevna qizi;7;ona tili va adabiyot;boshlangich;22,5;;1',
  "O'tkir G‘ulomov;12;tasviriy san'at;yuqori;30;20;",
  'Каримова Дилноза;7;математика;yuqori;20;;ha',
  'Sobirova Nilufar;7;biologiya;boshlangich;24,5;19;ha',
  'Yomon Soat;7;kimyo;yuqori;24abc;;',
  'Ali _x0041_ Valiyev;_x0042_;fizika;yuqori;24;;',
].join('\r\n');
const teachers = 7;

let page;
let downloads;

before(async () => {
  ({ page, files: downloads } = await opened.ready());
  writeFileSync(path.join(scratch, 'xodimlar.csv'), roster);
  await page.click('#RosterOpen');
});

// The staff list of the file chosen in the page, read and listed.
async function chooseList(name) {
  await page.evaluate(() => {
    delete document.getElementById('Staff').dataset.read;
  });
  await (await page.$('#Roster')).uploadFile(path.join(scratch, name));
  await page.waitForSelector(`#Staff[data-read="${name}"]`, { timeout: 20000 });
}

// The school's list above, ready for its workbook and its print.
async function chooseStaff() {
  await chooseList('xodimlar.csv');
  await page.waitForSelector('#SaveStaffXlsx:not([disabled])');
}

const handedDownloads = () => page.evaluate(() => [...window.handedDownloads]);

const stopAt = (part) =>
  page.evaluate((wanted) => {
    // The stop is pressed the moment the progress bar shows the part wanted done.
    const bar = document.getElementById('StaffProgress');
    const watch = new MutationObserver(() => {
      if (!bar.hidden && bar.value >= wanted) document.getElementById('StopStaff').click();
    });
    watch.observe(bar, { attributes: true });
    window.stopWatch = watch;
  }, part);

// "To'xtatish" pressed the moment the first teacher is made, on the workbook and on the print.
test('"To\'xtatish" stops the staff workbook and the print, and nothing is saved or printed', async () => {
  for (const [button, said] of [
    ['#SaveStaffXlsx', "To'xtatildi, fayl yozilmadi."],
    ['#PrintStaff', "To'xtatildi, hech narsa chop etilmadi."],
  ]) {
    await chooseStaff();
    const before = await handedDownloads();
    await page.evaluate(() => {
      delete document.body.dataset.printAsked;
      delete document.body.dataset.staffWork;
      document.body.classList.remove('printing-staff');
    });
    // Slices as short as can be, so the stop comes while teachers are still being made.
    await stopAt(1);
    await page.click(button);
    await page.waitForSelector('body[data-staff-work="stopped"]', { timeout: 20000 });
    await page.evaluate(() => window.stopWatch.disconnect());
    assert.equal(await page.$eval('#StaffMessage', (p) => p.textContent), said);
    assert.equal(await page.$eval('#StopStaff', (stop) => stop.hidden), true, button);
    assert.equal(await page.$eval('#SaveStaffXlsx', (save) => save.disabled), false, button);
    // The work is over once it says it stopped: nothing was handed to the browser or printed.
    assert.deepEqual(await handedDownloads(), before, button);
    assert.equal(await page.$eval('body', (body) => body.dataset.printAsked ?? 'no'), 'no', button);
  }
});

const cliWorkbook = path.join(scratch, 'cli.xlsx');
let made = null;

// The staff workbook as the page downloads it and as the command line writes it for the
// same list, made once for the tests that compare them, whichever runs first.
function staffWorkbooks() {
  made ??= (async () => {
    await chooseStaff();
    await unmark(page, 'staffWork');
    const download = downloads.next('xodimlar hisobotlari.xlsx');
    await page.click('#SaveStaffXlsx');
    await page.waitForSelector('body[data-staff-work="downloaded"]', { timeout: 60000 });
    const message = await page.$eval('#StaffMessage', (p) => p.textContent);
    const pageWorkbook = await download;
    // One row of the list is refused.
    runCliBatch(path.join(scratch, 'xodimlar.csv'), cliWorkbook, year, 1);
    return { pageWorkbook, message };
  })();
  return made;
}

test(
  'the staff workbook is, part for part, the one `soatnoma-cli batch` writes',
  { skip: !existsSync(cli) },
  async () => {
    const { pageWorkbook, message } = await staffWorkbooks();
    assert.match(message, /^7 ta o'qituvchining hisoboti yuklab olishga berildi/);
    const parts = await assertSameWorkbooks(
      { page: readFileSync(pageWorkbook), cli: readFileSync(cliWorkbook) },
      'xodimlar',
    );
    assert.equal(parts.filter((part) => part.name.startsWith('xl/worksheets/')).length, teachers + 1);
  },
);

test(
  '"Chop etish (butun ro\'yxat)" prints the command line\'s "Jami", then an A4 sheet per teacher',
  { skip: !existsSync(cli) },
  async () => {
    await chooseStaff();
    // The page is printed to PDF just as the print dialog would print it.
    await unmark(page, 'printAsked');
    await page.click('#PrintStaff');
    await page.waitForSelector('body[data-print-asked="yes"]', { timeout: 60000 });
    assert.equal(
      await page.$eval('#StaffMessage', (p) => p.textContent),
      `"Jami" (1 sahifa) va ${teachers} ta o'qituvchining sahifasi chop etiladi.`,
    );
    await page.emulateMediaType('print');
    const pdf = path.join(scratch, 'staff.pdf');
    await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
    await page.emulateMediaType('screen');
    const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
    assert.match(info, new RegExp(`^Pages:\\s+${teachers + 1}$`, 'm'));
    assert.match(info, /^Page size:\s+841\.\d+ x 59[45]\.\d+ pts \(A4\)$/m);
    const pageText = (file, number) =>
      execFileSync('pdftotext', ['-f', String(number), '-l', String(number), file, '-'], { encoding: 'utf8' });
    // The page the director signs, word for word the first page of the command line's PDF.
    const cliPdf = path.join(scratch, 'cli.pdf');
    runCliBatch(path.join(scratch, 'xodimlar.csv'), cliPdf, year, 1);
    const words = (text) => text.split(/\s+/).filter(Boolean).sort();
    const signed = pageText(pdf, 1);
    assert.ok(signed.includes('Direktor:'));
    assert.deepEqual(words(signed), words(pageText(cliPdf, 1)));
    // Then each page is its teacher's, in the list's order.
    const names = ['AliyevVali', 'ALIYEVVALI', 'Abdurahmonova', "O'tkir", 'Каримова', 'SobirovaNilufar'];
    for (const [index, name] of [...names, 'Ali_x0041_Valiyev'].entries()) {
      const text = pageText(pdf, index + 2);
      assert.ok(text.replace(/\s+/g, '').includes(name), `page ${index + 2}: ${name}`);
    }
  },
);

// The pages held for the print draw what the screen draws for the same teacher, the same
// borders and every line of text in its place, with a third of the elements or fewer.
test('each printed page draws the report the form draws, in a fraction of its elements', async () => {
  if (!(await page.$eval('#Check1', (box) => box.checked))) await page.click('#Check1');
  await page.click('#Option2');
  await runReport(page, { Text3: 'Aliyev Vali', Text6: '12', Text4: 'fizika' });
  const drawing = (selector) =>
    page.$eval(selector, (paper) => {
      const svg = paper.querySelector('svg');
      const texts = [...svg.querySelectorAll('text')]
        .map((text) => {
          const style = getComputedStyle(text);
          return [
            text.getAttribute('x'),
            text.getAttribute('y'),
            text.textContent,
            style.fontSize,
            style.fontWeight,
            text.getAttribute('transform') ?? '',
          ].join('|');
        })
        .sort();
      const rects = [...svg.querySelectorAll('rect.border')].map((r) =>
        ['x', 'y', 'width', 'height'].map((a) => r.getAttribute(a)).join(' '),
      );
      const path = svg.querySelector('path.border')?.getAttribute('d') ?? '';
      const fromPath = [...path.matchAll(/M(\S+) (\S+)h(\S+)v(\S+)h\S+Z/g)].map((m) => m.slice(1).join(' '));
      return {
        paper: [
          paper.style.width,
          paper.style.height,
          svg.getAttribute('viewBox'),
          svg.style.left,
          svg.style.top,
          svg.style.transform,
        ],
        texts,
        borders: [...rects, ...fromPath].sort(),
        elements: paper.querySelectorAll('*').length,
      };
    });
  const screen = await drawing('#sheet .page');
  await unmark(page, 'printAsked');
  await page.click('#PrintStaff');
  await page.waitForSelector('body[data-print-asked="yes"]', { timeout: 60000 });
  const printed = await drawing('#StaffPages .page:not([data-summary])');
  assert.deepEqual(printed.paper, screen.paper);
  assert.ok(screen.texts.some((line) => line.includes('Aliyev Vali')));
  assert.deepEqual(printed.texts, screen.texts);
  assert.ok(screen.borders.length > 100);
  assert.deepEqual(printed.borders, screen.borders);
  assert.ok(printed.elements * 3 <= screen.elements, `${printed.elements} elements against ${screen.elements}`);
});

test(
  'a list chosen while the workbook is being made stops ' + "it; the workbook is saved under the new list's name",
  async () => {
    const large = ['ism;maktab;fan;toifa;soat'];
    // Enough teachers that the workbook is still being made when the second list is read.
    for (let i = 0; i < 2000; ++i) large.push(`O'qituvchi ${i + 1};12;fizika;yuqori;${10 + (i % 20)}`);
    writeFileSync(path.join(scratch, 'katta.csv'), large.join('\n'));
    writeFileSync(path.join(scratch, 'kichik.csv'), 'ism;maktab;fan;toifa;soat\nVali;3;tarix;yuqori;20\n');
    await chooseList('katta.csv');
    const before = await handedDownloads();
    await unmark(page, 'staffWork');
    await page.click('#SaveStaffXlsx');
    await page.waitForFunction(() => document.getElementById('StaffProgress').value > 0, { timeout: 20000 });
    await chooseList('kichik.csv');
    await page.waitForSelector('body[data-staff-work="stopped"]', { timeout: 20000 });
    await unmark(page, 'staffWork');
    const download = downloads.next('kichik hisobotlari.xlsx');
    await page.click('#SaveStaffXlsx');
    await page.waitForSelector('body[data-staff-work="downloaded"]', { timeout: 20000 });
    const saved = await readWorkbook(await download);
    assert.deepEqual(
      saved.worksheets.map((sheet) => sheet.name),
      ['Jami', 'Vali'],
    );
    // The large list's workbook was never handed over.
    assert.deepEqual(await handedDownloads(), [...before, 'kichik hisobotlari.xlsx']);
  },
);
