// The staff list's figures, in headless Chromium: from choosing a file of 1,000 and of 5,000
// teachers in "Ro'yxatdan" to every row listed and laid out (read, checked by the module,
// drawn), and from "Excel kitobi (butun ro'yxat)" to the staff workbook's bytes of the 1,000
// (every report on its sheet, then the package). A benchmark, not a test: it prints and
// never fails. Wall-clock times: on a busy machine they grow with its load.
//   node web/bench_roster.mjs [build-web/soatnoma.html] [RUNS]
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchChromium } from './tests/support.mjs';

const file = path.resolve(process.argv[2] ?? 'build-web/soatnoma.html');
const runs = Number(process.argv[3] ?? 5);
const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-bench-roster-'));

function rosterOf(teachers) {
  const lines = ['ism;maktab;fan;toifa;soat;stavka;rahbar'];
  for (let i = 0; i < teachers; ++i) {
    lines.push(
      `O'qituvchi ${i + 1};${1 + (i % 40)};fizika;` +
        `${i % 3 ? 'yuqori' : 'boshlangich'};${10 + (i % 20)};;${i % 2 ? 'ha' : ''}`,
    );
  }
  const roster = path.join(scratch, `${teachers}.csv`);
  writeFileSync(roster, `\uFEFF${lines.join('\r\n')}\r\n`);
  return roster;
}

const measureOf = (page, name) => page.evaluate((wanted) => performance.getEntriesByName(wanted).at(-1).duration, name);

// The staff workbook of the 1,000 listed, made again and again; the download is refused.
async function staffWorkbook(page) {
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'deny' });
  await page.evaluate(() => {
    delete document.getElementById('Staff').dataset.read;
  });
  await (await page.$('#Roster')).uploadFile(rosterOf(1000));
  await page.waitForSelector('#Staff[data-read]', { timeout: 60000 });
  const figures = { whole: [], reports: [], packed: [] };
  for (let run = 0; run < runs; ++run) {
    await page.evaluate(() => {
      delete document.body.dataset.staffWork;
    });
    await page.click('#SaveStaffXlsx');
    await page.waitForSelector('body[data-staff-work="downloaded"]', { timeout: 120000 });
    figures.whole.push(await measureOf(page, 'soatnoma-staff-workbook'));
    figures.reports.push(await measureOf(page, 'soatnoma-staff-reports'));
    figures.packed.push(await measureOf(page, 'soatnoma-staff-package'));
  }
  const shown = (values) => `${median(values).toFixed(0)} ms (${values.map((value) => value.toFixed(0)).join(', ')})`;
  console.log(
    `1000 teachers' staff workbook: ${shown(figures.whole)}; the reports on their sheets ` +
      `${shown(figures.reports)}, the package ${shown(figures.packed)}`,
  );
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await launchChromium(scratch);
try {
  const page = await browser.newPage();
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-ready="yes"]');
  await page.click('#RosterOpen');
  for (const teachers of [1000, 5000]) {
    const roster = rosterOf(teachers);
    const times = [];
    for (let run = 0; run < runs; ++run) {
      await page.evaluate(() => {
        delete document.getElementById('Staff').dataset.read;
        document.getElementById('Roster').value = '';
        performance.clearMeasures('soatnoma-roster');
      });
      await (await page.$('#Roster')).uploadFile(roster);
      await page.waitForSelector('#Staff[data-read]', { timeout: 60000 });
      times.push(await page.evaluate(() => performance.getEntriesByName('soatnoma-roster')[0].duration));
    }
    console.log(
      `${teachers} teachers listed: ${median(times).toFixed(0)} ms ` +
        `(median of ${runs}; first ${times[0].toFixed(0)} ms)`,
    );
  }
  await staffWorkbook(page);
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}
