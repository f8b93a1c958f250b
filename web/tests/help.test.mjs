// Help where the school office is, in Chromium: "Yordam" shows the desktop's how-to from the
// module; "Namuna" gives the desktop's example list as a workbook (the desktop library's,
// byte for byte) and as CSV, which the command line and the page both read with every
// teacher ready.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import path from 'node:path';

import { cli, loadModule, openForTests, runCliBatch } from './support.mjs';
import { openPageWithDownloads } from './downloads.mjs';
import { assertSameWorkbooks, canCompareEditions, desktopWorkbook } from './workbook_parts.mjs';

const opened = openForTests('help', openPageWithDownloads);
const { scratch } = opened;
const module = await loadModule();

let page;
let files;

before(async () => {
  ({ page, files } = await opened.ready());
});

// The list chosen in the page: its status line and its rows' statuses.
async function listed(file) {
  await (await page.$('#Roster')).uploadFile(file);
  await page.waitForSelector(`#Staff[data-read="${path.basename(file)}"]`, { timeout: 20000 });
  return page.evaluate(() => ({
    message: document.getElementById('StaffMessage').textContent,
    statuses: [...document.querySelectorAll('#RosterRows tbody tr')].map((row) => row.dataset.status),
  }));
}

test('"Yordam" shows the how-to the desktop shows, and closes', async () => {
  const { title, sections } = JSON.parse(module.helpSections());
  await page.click('#Help');
  await page.waitForSelector('#HelpDialog[open]');
  const shown = await page.$eval('#HelpDialog', (dialog) => ({
    title: dialog.querySelector('h2').textContent,
    headings: [...dialog.querySelectorAll('h3')].map((h) => h.textContent),
    paragraphs: [...dialog.querySelectorAll('p')].map((p) => p.textContent),
  }));
  const headings = sections.map((section) => section.heading);
  assert.deepEqual(shown, { title, headings, paragraphs: sections.flatMap((section) => section.paragraphs) });
  // What the how-to says is the help's own (tests/help/).
  assert.ok(shown.headings.length > 3 && shown.paragraphs.length > shown.headings.length);
  await page.click('#CloseHelp');
  assert.equal(await page.$eval('#HelpDialog', (dialog) => dialog.open), false);
});

test(
  '"Namuna" gives the example as a workbook and as CSV, both read with every teacher ready',
  { skip: !existsSync(cli) },
  async () => {
    await page.click('#RosterOpen');
    await page.waitForSelector('#RosterExample');
    await page.click('#RosterExampleCsv');
    const csv = await files.next();
    assert.equal(path.basename(csv), 'royxat.csv');
    assert.match(await page.$eval('#StaffMessage', (message) => message.textContent), /saqlandi:\nroyxat\.csv\n/);
    await page.click('#RosterExample');
    const workbook = await files.next();
    assert.equal(path.basename(workbook), 'royxat.xlsx');
    for (const file of [csv, workbook]) {
      runCliBatch(file, path.join(scratch, 'out.xlsx'), 2026);
      assert.deepEqual((await listed(file)).statuses, ['ok', 'ok', 'ok', 'ok'], file);
    }
    // The workbook, with its second sheet that explains the columns, is the desktop's.
    if (canCompareEditions) {
      await assertSameWorkbooks(
        {
          page: readFileSync(workbook),
          desktop: desktopWorkbook('example', path.join(scratch, 'desktop-royxat.xlsx')),
        },
        'royxat.xlsx',
      );
    }
  },
);
