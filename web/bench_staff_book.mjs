// A staff workbook opened in the page, in headless Chromium: a workbook of 1,000 teachers
// that `soatnoma-cli batch` wrote, from choosing it with "Ochish" to its teachers listed,
// and from a teacher's "Ochish" to the teacher's report drawn (the package read again, the
// summary and the teacher's sheet read in the worker, the report rebuilt and drawn). A
// benchmark, not a test: it prints and never fails. Wall-clock times: on a busy machine
// they grow with its load.
//   node web/bench_staff_book.mjs [build-web/soatnoma.html] [RUNS]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { cli, launchChromium } from './tests/support.mjs';

const file = path.resolve(process.argv[2] ?? 'build-web/soatnoma.html');
const runs = Number(process.argv[3] ?? 5);
const teachers = 1000;
const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-bench-staff-book-'));

function staffWorkbook() {
  const rows = Array.from(
    { length: teachers },
    (_, i) => `O'qituvchi ${i + 1};${1 + (i % 40)};fizika;yuqori;${10 + (i % 20)}`,
  );
  const list = path.join(scratch, 'xodimlar.csv');
  writeFileSync(list, `ism;maktab;fan;toifa;soat\n${rows.join('\n')}\n`);
  const workbook = path.join(scratch, 'xodimlar.xlsx');
  const run = spawnSync(cli, ['batch', list, '-o', workbook, '--year', '2026'], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
    encoding: 'utf8',
  });
  if (run.status !== 0) throw new Error(run.stderr);
  return workbook;
}

// Milliseconds from the step to the selector showing.
async function timed(page, step, selector) {
  const start = await page.evaluate(() => performance.now());
  await step();
  await page.waitForSelector(selector, { timeout: 120000 });
  return (await page.evaluate(() => performance.now())) - start;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const workbook = staffWorkbook();
const browser = await launchChromium(scratch);
try {
  const listed = [];
  const opened = [];
  for (let run = 0; run < runs; ++run) {
    const page = await browser.newPage();
    await page.goto(pathToFileURL(file).href);
    await page.waitForSelector('body[data-ready="yes"]');
    listed.push(
      await timed(
        page,
        async () => (await page.$('#OpenFile')).uploadFile(workbook),
        '#StaffBook[data-listed="xodimlar.xlsx"]:not([hidden])',
      ),
    );
    const teacher = `O'qituvchi ${teachers}`;
    opened.push(
      await timed(
        page,
        () => page.click(`#StaffBook tr[data-sheet="${teacher}"] button`),
        `body[data-opened="xodimlar.xlsx [${teacher}]"][data-report="drawn"]`,
      ),
    );
    await page.close();
  }
  const said = (values) =>
    `${median(values).toFixed(0)} ms (median of ${runs}; ${values.map((v) => v.toFixed(0)).join(', ')})`;
  console.log(`${teachers} teachers' staff workbook listed: ${said(listed)}`);
  console.log(`  a teacher of it opened and drawn: ${said(opened)}`);
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}
