// The browser edition's figures, in headless Chromium: the file's size, from opening the
// file to a form that takes input, from Enter to the drawn rounded report, and from
// "Excel kitobi" to the workbook ready, and from Enter in a corrected cell to every total
// redrawn, and a roster of 1,000 teachers from choosing its file to the staff workbook's
// bytes ready. A benchmark, not a test: it prints and never fails.
// The figures are wall-clock times: on a busy machine they grow with its load. With --phone
// it times the page on a cheap phone instead, slowed four times and at full speed
// (bench_phone.mjs).
//   node web/bench.mjs [--phone] [build-web/soatnoma.html] [RUNS]
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

import { benchPhone } from './bench_phone.mjs';
import { launchChromium } from './tests/support.mjs';

const phone = process.argv.includes('--phone');
const [given, givenRuns] = process.argv.slice(2).filter((argument) => argument !== '--phone');
const file = path.resolve(given ?? 'build-web/soatnoma.html');
const runs = Number(givenRuns ?? (phone ? 3 : 5));
const bytes = readFileSync(file);
console.log(
  `soatnoma.html: ${bytes.length} bytes (${(bytes.length / 1024).toFixed(0)} KB), ` +
    `${(gzipSync(bytes).length / 1024).toFixed(0)} KB gzipped; aim ≤ 514 KB`,
);

const profile = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-bench-'));
const browser = await launchChromium(profile);
if (phone) {
  await benchPhone(browser, file, runs);
  await browser.close();
  rmSync(profile, { recursive: true, force: true });
  process.exit(0);
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const figures = {
  interactive: [],
  report: [],
  again: [],
  edit: [],
  workbook: [],
  staff: [],
  staffListed: [],
  staffWorkbook: [],
  staffReports: [],
  staffPackage: [],
};
for (let run = 0; run < runs; ++run) {
  const page = await browser.newPage();
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'deny' });
  // The workbook handed over as a download, as a browser without a save picker does.
  await page.evaluateOnNewDocument(() => {
    delete window.showSaveFilePicker;
  });
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-ready="yes"]');
  figures.interactive.push(
    await page.evaluate(() => performance.getEntriesByName('soatnoma-interactive')[0].startTime),
  );
  // A teacher takes seconds to type; by then the page has made its first report unseen.
  await page.type('#Text3', 'Abdurahmonova Oʻgʻiloyxon');
  await page.waitForSelector('body[data-warm="yes"]');
  await page.type('#Text2', '24');
  await page.focus('#Text2');
  await page.keyboard.press('Enter');
  await page.waitForSelector('body[data-report="drawn"]');
  figures.report.push(await page.evaluate(() => performance.getEntriesByName('soatnoma-report')[0].duration));
  // The same run again, as a teacher corrects a number and presses Enter once more.
  for (let again = 0; again < 5; ++again) {
    await page.keyboard.press('Enter');
    await new Promise((done) => setTimeout(done, 100));
  }
  figures.again.push(
    ...(await page.evaluate(() =>
      performance
        .getEntriesByName('soatnoma-report')
        .slice(1)
        .map((entry) => entry.duration),
    )),
  );
  // Corrections: a number typed into a cell and Enter, every total, mark and the status
  // line redrawn (and the report kept in the browser's storage).
  for (const [ref, hours] of [
    ['D8', '7'],
    ['E8', '2,5'],
    ['G8', '0'],
    ['H8', '12'],
    ['I8', '5'],
  ]) {
    await page.click(`[data-cell="${ref}"] rect.border`);
    await page.keyboard.type(hours);
    await page.keyboard.press('Enter');
  }
  figures.edit.push(
    ...(await page.evaluate(() => performance.getEntriesByName('soatnoma-edit').map((entry) => entry.duration))),
  );
  // The corrections leave cells to check: the page asks first, and the teacher goes on. The
  // figure runs from that answer.
  await page.click('#SaveXlsx');
  await page.waitForSelector('#CellsCheckGoOn');
  await page.evaluate(() =>
    document.getElementById('CellsCheckGoOn').addEventListener(
      'click',
      (event) => {
        window.benchWentOn = event.timeStamp;
      },
      { capture: true },
    ),
  );
  await page.click('#CellsCheckGoOn');
  await page.waitForSelector('body[data-workbook="downloaded"]');
  figures.workbook.push(
    await page.evaluate(() => {
      const saved = performance.getEntriesByName('soatnoma-workbook')[0];
      return saved.startTime + saved.duration - window.benchWentOn;
    }),
  );
  await page.close();
}

// The whole staff: a roster of 1,000 teachers chosen in "Ro'yxatdan", listed, and made into
// the staff workbook (every teacher's report, the summary, the package) at once.
const staffTeachers = 1000;
const roster = path.join(profile, 'xodimlar.csv');
const rosterLines = ['ism;maktab;fan;toifa;soat;stavka;rahbar'];
for (let i = 0; i < staffTeachers; ++i) {
  rosterLines.push(
    `O'qituvchi ${i + 1};${1 + (i % 40)};fizika;` +
      `${i % 3 ? 'yuqori' : 'boshlangich'};${10 + (i % 20)};;${i % 2 ? 'ha' : ''}`,
  );
}
writeFileSync(roster, `${rosterLines.join('\r\n')}\r\n`);
const staffRuns = Math.max(1, Math.min(runs, 3));
for (let run = 0; run < staffRuns; ++run) {
  const page = await browser.newPage();
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'deny' });
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-ready="yes"]');
  // The page warmed up by a key first, as when a teacher has typed, so that its warming does
  // not share the staff's time.
  await page.keyboard.press('Shift');
  await page.waitForSelector('body[data-warm="yes"]');
  await page.click('#RosterOpen');
  await (await page.$('#Roster')).uploadFile(roster);
  await page.waitForSelector('#Staff[data-read]', { timeout: 60000 });
  await page.click('#SaveStaffXlsx');
  await page.waitForSelector('body[data-staff-work="downloaded"]', { timeout: 120000 });
  const [listed, workbook, reports, packed] = await page.evaluate(() =>
    ['soatnoma-roster', 'soatnoma-staff-workbook', 'soatnoma-staff-reports', 'soatnoma-staff-package'].map(
      (name) => performance.getEntriesByName(name)[0].duration,
    ),
  );
  figures.staffReports.push(reports);
  figures.staffPackage.push(packed);
  figures.staff.push(listed + workbook);
  figures.staffListed.push(listed);
  figures.staffWorkbook.push(workbook);
  await page.close();
}
await browser.close();
rmSync(profile, { recursive: true, force: true });

console.log(
  `load average: ${os
    .loadavg()
    .map((load) => load.toFixed(1))
    .join(' ')} on ${os.cpus().length} processors`,
);
const show = (label, values, limit) =>
  console.log(
    `${label}: median ${median(values).toFixed(1)} ms ` +
      `(runs: ${values.map((v) => v.toFixed(0)).join(', ')}; aim ≤ ${limit} ms)`,
  );
show('open to interactive form', figures.interactive, 300);
show('Enter to drawn rounded report, first', figures.report, 50);
show('Enter to drawn rounded report, again', figures.again, 50);
show('Enter in a corrected cell to every total redrawn', figures.edit, 16);
show('"Excel kitobi" to workbook ready', figures.workbook, 300);
show(`${staffTeachers} teachers into the staff workbook (roster chosen to bytes ready)`, figures.staff, 3000);
show('  of which the roster read and listed', figures.staffListed, 3000);
show('  of which "Excel kitobi (butun ro\'yxat)" to bytes ready', figures.staffWorkbook, 3000);
show('    the reports made and put on their sheets', figures.staffReports, 3000);
show('    the package written', figures.staffPackage, 3000);
