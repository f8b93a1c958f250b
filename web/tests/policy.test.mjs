// The page's content security policy in Chromium: it runs no script but the page's own,
// named by their hashes, evaluates no text as code, and the page does everything it does
// under it without a single violation: the run, "Excel kitobi", "Ochish", "Ro'yxatdan"
// with a CSV file and a workbook, and the staff's workbook. A script the page did not
// carry is refused, which shows that a violation would be seen.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { writeFileSync } from 'node:fs';
import path from 'node:path';

import ExcelJS from 'exceljs';

import { openForTests } from './support.mjs';
import { openPageWithDownloads } from './downloads.mjs';

const faults = [];
// The workbook goes out as a download, as in a browser without a save picker; every
// violation of the policy and every fault the page meets is noted.
const opened = openForTests('policy', (folder) =>
  openPageWithDownloads(folder, async (page) => {
    await page.evaluateOnNewDocument(() => {
      window.policyViolations = [];
      document.addEventListener('securitypolicyviolation', (event) => {
        window.policyViolations.push(`${event.violatedDirective}: ${event.blockedURI} ${event.sample}`);
      });
    });
    page.on('console', (message) => {
      if (message.type() === 'error') faults.push(message.text());
    });
    page.on('pageerror', (fault) => faults.push(String(fault)));
  }),
);
const { scratch } = opened;
let page;
let files;
before(async () => {
  ({ page, files } = await opened.ready());
});

const violations = () => page.evaluate(() => window.policyViolations);

test("the policy names the page's scripts by their hashes and allows no eval", async () => {
  const policy = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (meta) => meta.content);
  const directives = new Map(
    policy
      .split(';')
      .map((part) => part.trim().split(/\s+/))
      .map(([name, ...values]) => [name, values]),
  );
  const scripts = directives.get('script-src');
  assert.deepEqual(
    scripts.filter((value) => !value.startsWith("'sha256-")),
    ["'wasm-unsafe-eval'"],
  );
  // The page's first script and the two it runs when needed, each named by its own text.
  const texts = await page.evaluate(() =>
    [
      document.querySelector('script:not([type])'),
      document.getElementById('PageWork'),
      document.getElementById('FileWork'),
    ].map((script) => script.textContent),
  );
  const hashes = texts.map((text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`);
  assert.deepEqual(scripts.filter((value) => value.startsWith("'sha256-")).sort(), hashes.sort());
  assert.ok(directives.get('worker-src').includes('blob:'));
  assert.equal(directives.get('default-src')[0], "'none'");
});

test('everything the page does runs under its policy without a violation', async () => {
  await page.type('#Text3', 'Aliyev Vali');
  await page.type('#Text2', '24');
  await page.keyboard.press('Enter');
  await page.waitForSelector('body[data-report="drawn"]');

  await page.click('#SaveXlsx');
  await page.waitForSelector('body[data-workbook="downloaded"]', { timeout: 30000 });
  const saved = await files.next();
  await (await page.$('#OpenFile')).uploadFile(saved);
  await page.waitForSelector(`body[data-opened="${path.basename(saved)}"]`, { timeout: 20000 });

  await page.click('#RosterOpen');
  const csv = path.join(scratch, 'xodimlar.csv');
  writeFileSync(csv, 'ism;maktab;fan;toifa;soat\nAliyev Vali;12;fizika;yuqori;24\n');
  await (await page.$('#Roster')).uploadFile(csv);
  await page.waitForSelector('#Staff[data-read="xodimlar.csv"]', { timeout: 20000 });
  const workbook = new ExcelJS.Workbook();
  workbook.addWorksheet('Xodimlar').addRows([
    ['ism', 'maktab', 'fan', 'toifa', 'soat'],
    ['Karimova Dilnoza', 7, 'tarix', 'yuqori', 20],
  ]);
  const xlsx = path.join(scratch, 'xodimlar.xlsx');
  writeFileSync(xlsx, new Uint8Array(await workbook.xlsx.writeBuffer()));
  await (await page.$('#Roster')).uploadFile(xlsx);
  await page.waitForSelector('#Staff[data-read="xodimlar.xlsx"]', { timeout: 20000 });
  assert.equal(await page.$$eval('#RosterRows tbody tr[data-status="ok"]', (rows) => rows.length), 1);
  await page.click('#SaveStaffXlsx');
  await page.waitForSelector('body[data-staff-work="downloaded"]', { timeout: 30000 });

  assert.deepEqual(await violations(), []);
  assert.deepEqual(faults, []);
});

test('a script the page did not carry is refused, and the refusal is seen', async () => {
  await page.evaluate(() => {
    const stranger = document.createElement('script');
    stranger.textContent = 'document.body.dataset.stranger = "ran"';
    document.body.append(stranger);
  });
  await page.waitForFunction(() => window.policyViolations.length > 0);
  assert.equal(await page.$eval('body', (body) => body.dataset.stranger), undefined);
  assert.match((await violations())[0], /^script-src/);
});
