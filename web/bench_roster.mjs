// The staff list's figure, in headless Chromium: from choosing a file of 1,000 and of 5,000
// teachers in "Ro'yxatdan" to every row listed and laid out (read, checked by the module,
// drawn). A benchmark, not a test: it prints and never fails. Wall-clock times: on a busy
// machine they grow with its load.
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
    lines.push(`O'qituvchi ${i + 1};${1 + (i % 40)};fizika;${i % 3 ? 'yuqori' : 'boshlangich'};${10 + (i % 20)};;${i % 2 ? 'ha' : ''}`);
  }
  const roster = path.join(scratch, `${teachers}.csv`);
  writeFileSync(roster, `\uFEFF${lines.join('\r\n')}\r\n`);
  return roster;
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
    console.log(`${teachers} teachers listed: ${median(times).toFixed(0)} ms (median of ${runs}; first ${times[0].toFixed(0)} ms)`);
  }
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}
