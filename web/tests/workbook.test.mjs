// The page's workbook against the one `soatnoma-cli report` writes for the same form, part
// by part: every cell's value as the package stores it ("108.1666666666667", never the
// browser's "108.16666666666669"), every row's height and whether it was set by hand, the
// columns, merged blocks, margins, paper, the standard font and the program's mark.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { cli, launchBuiltPage } from './support.mjs';
import { numbersOfSixteenDigits, workbookParts } from './workbook_parts.mjs';

const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-workbook-'));
const year = new Date().getFullYear();

let browser;
let page;

before(async () => {
  ({ browser, page } = await launchBuiltPage(scratch));
});

after(async () => {
  await browser?.close();
  rmSync(scratch, { recursive: true, force: true });
});

// The workbook the page writes for the form's fields, as "Excel kitobi" writes it, without
// a download in between.
async function pageWorkbook(form) {
  const bytes = await page.evaluate(async (fields) => {
    const box = (id, value) => { document.getElementById(id).value = value; };
    box('Text3', fields.name);
    box('Text6', fields.school);
    box('Text4', fields.subject);
    box('Text2', fields.weekly);
    document.getElementById(fields.category === 'primary' ? 'Option1' : 'Option2').click();
    box('Text1', fields.rate);
    document.getElementById('Check1').checked = fields.leader;
    delete document.body.dataset.workbook;
    document.getElementById(fields.category === 'primary' ? 'Command2' : 'Command1').click();
    return new Promise((done, failed) => {
      // The download is caught where the page hands it over.
      const { createObjectURL } = URL;
      URL.createObjectURL = (blob) => {
        URL.createObjectURL = createObjectURL;
        blob.arrayBuffer().then((buffer) => done([...new Uint8Array(buffer)]), failed);
        return createObjectURL(blob);
      };
      delete window.showSaveFilePicker;
      // A report of fractions is asked about before it is saved: the teacher goes on.
      const question = document.getElementById('CellsCheck');
      const goOn = new MutationObserver(() => {
        if (!question.open) return;
        goOn.disconnect();
        document.getElementById('CellsCheckGoOn').click();
      });
      goOn.observe(question, { attributes: true, attributeFilter: ['open'] });
      document.getElementById('SaveXlsx').click();
    });
  }, form);
  return Uint8Array.from(bytes);
}

function cliWorkbook(form, file) {
  execFileSync(cli, ['report', '--category', form.category, '--weekly', form.weekly, '--rate', form.rate,
    ...(form.leader ? ['--leader'] : []), '--name', form.name, '--school', form.school, '--subject', form.subject,
    '--year', String(year), '-o', file], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  return readFileSync(file);
}

const forms = [
  { category: 'primary', weekly: '24,5', rate: '19', leader: true, name: 'Aliyeva Oʻgʻiloy', school: '7', subject: 'ona tili & <adabiyot>' },
  { category: 'upper', weekly: '23.5', rate: '20', leader: false, name: 'Каримов Д.', school: '12', subject: "san'at_x0041_" },
  { category: 'upper', weekly: '24', rate: '20', leader: true, name: 'Vali', school: '1', subject: 'fizika' },
];

test('the page\'s workbook holds, part by part, what the command line\'s holds', { skip: !existsSync(cli) }, async () => {
  let fractions = 0;
  for (const [index, form] of forms.entries()) {
    const ours = await workbookParts(page, await pageWorkbook(form));
    const theirs = await workbookParts(page, cliWorkbook(form, path.join(scratch, `cli-${index}.xlsx`)));
    const label = `${form.weekly} ${form.rate}`;
    assert.equal(ours.sheets.length, 1, label);
    assert.deepEqual(ours.sheets.map((sheet) => sheet.name), theirs.sheets.map((sheet) => sheet.name), label);
    const [a, b] = [ours.sheets[0], theirs.sheets[0]];
    assert.deepEqual(Object.keys(a.cells).sort(), Object.keys(b.cells).sort(), label);
    for (const ref of Object.keys(b.cells)) assert.deepEqual(a.cells[ref], b.cells[ref], `${label} ${ref}`);
    for (const key of ['rows', 'columns', 'merges', 'margins']) assert.deepEqual(a[key], b[key], `${label}: ${key}`);
    assert.deepEqual({ ...a.paper, scale: null }, { ...b.paper, scale: null }, `${label}: paper`);
    assert.deepEqual(ours.font, theirs.font, label);
    assert.equal(ours.customProperties, theirs.customProperties, label);
    assert.deepEqual(ours.customPropertiesNamed, { type: true, relation: true }, label);
    assert.deepEqual(theirs.customPropertiesNamed, { type: true, relation: true }, label);
    // Rows of automatic height and rows set by hand, as the desktop writes them.
    assert.ok(Object.values(a.rows).some((row) => row.customHeight === '1'), label);
    assert.ok(Object.values(a.rows).some((row) => row.customHeight === null && row.ht !== null), label);
    fractions += numbersOfSixteenDigits(ours).length;
  }
  // Numbers the browser would have written with other digits were compared.
  assert.ok(fractions > 20, `${fractions} numbers of 16 digits`);
});
