// Hostile and oversized files in headless Chromium: how long the page takes from the file
// chosen to its refusal shown, and the longest the page was meanwhile without an answer
// (its longest task, as the browser reports long tasks). The files: a report workbook of
// 6 MB with 400 more parts of 16 MiB of zeros, opened with "Ochish" and chosen as a staff
// list; a staff list workbook with 30 sheets of 15 MB of XML, and one with a single such
// sheet, which is read whole; a CSV staff list of 16 MB (699,049 rows). Target: at most 10 s
// each, never more than 2 s without an answer. A benchmark, not a test: it prints and never fails.
//   node web/bench_files.mjs [build-web/soatnoma.html]
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchChromium, root } from './tests/support.mjs';
import { partsOfZip, zipOf } from './tests/zip_files.mjs';

const file = path.resolve(process.argv[2] ?? 'build-web/soatnoma.html');
const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-bench-files-'));
const MiB = 1024 * 1024;

async function manyPartsBomb() {
  const report = await partsOfZip(readFileSync(path.join(root, 'tests/fixtures/browser/corrected.xlsx')));
  const zeros = new Uint8Array(16 * MiB);
  return zipOf([
    ...report,
    ...Array.from({ length: 400 }, (_, i) => ({ name: `xl/media/nollar${i}.bin`, bytes: zeros })),
  ]);
}

// Rows without their addresses, each following the one before, as a sheet may hold them.
function manySheets(count = 30) {
  const row = '<row><c t="inlineStr"><is><t>O\'qituvchi</t></is></c><c><v>24</v></c></row>';
  const sheet = new TextEncoder().encode(
    `<?xml version="1.0" encoding="UTF-8"?><worksheet><sheetData>${row.repeat(
      Math.floor((15 * MiB) / row.length),
    )}</sheetData></worksheet>`,
  );
  const names = Array.from({ length: count }, (_, i) => i + 1);
  const text = (value) => new TextEncoder().encode(value);
  return zipOf([
    { name: '[Content_Types].xml', bytes: text('<?xml version="1.0"?><Types/>') },
    {
      name: 'xl/workbook.xml',
      bytes: text(
        `<workbook xmlns:r="r"><sheets>` +
          names.map((n) => `<sheet name="S${n}" sheetId="${n}" r:id="rId${n}"/>`).join('') +
          '</sheets></workbook>',
      ),
    },
    {
      name: 'xl/_rels/workbook.xml.rels',
      bytes: text(
        '<Relationships>' +
          names.map((n) => `<Relationship Id="rId${n}" Target="worksheets/sheet${n}.xml"/>`).join('') +
          '</Relationships>',
      ),
    },
    ...names.map((n) => ({ name: `xl/worksheets/sheet${n}.xml`, bytes: sheet })),
  ]);
}

function hugeList() {
  const header = 'ism;maktab;fan;toifa;soat\n';
  const row = 'AliVali;1;fan;yuqori;24\n';
  const count = Math.floor((16 * MiB - header.length) / row.length);
  return { bytes: new TextEncoder().encode(header + row.repeat(count)), count };
}

// Chooses the file in the input and waits until done() holds in the page: {ms from the
// choice to done, longest task in ms}.
async function timed(page, input, name, bytes, done) {
  const chosen = path.join(scratch, name);
  writeFileSync(chosen, bytes);
  await page.evaluate((inputId) => {
    window.bench = { longest: 0, start: 0 };
    window.bench.observer = new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.bench.longest = Math.max(window.bench.longest, entry.duration);
    });
    window.bench.observer.observe({ type: 'longtask' });
    document.getElementById(inputId).addEventListener(
      'change',
      (event) => {
        window.bench.start = event.timeStamp;
      },
      { once: true, capture: true },
    );
  }, input);
  await (await page.$(`#${input}`)).uploadFile(chosen);
  await page.waitForFunction(done, { timeout: 600000, polling: 'mutation' });
  const end = await page.evaluate(() => performance.now());
  const { start, longest } = await page.evaluate(() => {
    window.bench.observer.disconnect();
    return { start: window.bench.start, longest: window.bench.longest };
  });
  const said = await page.evaluate(
    (inputId) => document.getElementById(inputId === 'OpenFile' ? 'message' : 'StaffMessage').textContent,
    input,
  );
  return { ms: end - start, longest, said };
}

const browser = await launchChromium(scratch);
try {
  const page = await browser.newPage();
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-ready="yes"]');
  const bomb = await manyPartsBomb();
  const list = hugeList();
  const report = (what, size, { ms, longest, said }) => {
    console.log(
      `${what} (${(size / MiB).toFixed(1)} MB): refused in ${(ms / 1000).toFixed(2)} s, ` +
        `the page's longest task ${longest.toFixed(0)} ms\n  ${said}`,
    );
  };

  await page.evaluate(() => {
    document.getElementById('message').textContent = '';
  });
  report(
    '"Ochish", a report with 400 parts of 16 MiB of zeros',
    bomb.length,
    await timed(page, 'OpenFile', 'kop-qismli.xlsx', bomb, () => document.getElementById('message').textContent !== ''),
  );
  await page.click('#RosterOpen');
  const listed = (name) => `document.getElementById('Staff').dataset.read === ${JSON.stringify(name)}`;
  report(
    '"Ro\'yxatdan", the same workbook',
    bomb.length,
    await timed(page, 'Roster', 'kop-qismli.xlsx', bomb, listed('kop-qismli.xlsx')),
  );
  const sheets = manySheets();
  report(
    '"Ro\'yxatdan", 30 sheets of 15 MB of XML',
    sheets.length,
    await timed(page, 'Roster', 'varaqlar.xlsx', sheets, listed('varaqlar.xlsx')),
  );
  const oneSheet = manySheets(1);
  report(
    '"Ro\'yxatdan", one sheet of 15 MB of XML, read whole',
    oneSheet.length,
    await timed(page, 'Roster', 'varaq.xlsx', oneSheet, listed('varaq.xlsx')),
  );
  report(
    `"Ro'yxatdan", a CSV list of ${list.count} rows`,
    list.bytes.length,
    await timed(page, 'Roster', 'katta.csv', list.bytes, listed('katta.csv')),
  );
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}
