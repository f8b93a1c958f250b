// The teacher's report workbook the page saves is the one `soatnoma-cli report` writes for the
// same form, part for part and byte for byte (the desktop's library writes the same: the C++
// tests'), in a form of fractions and texts to escape: every cell's
// value as the package stores it ("108.1666666666667", never the browser's
// "108.16666666666669"), every row's height, the columns, the page, the font and the mark.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import path from 'node:path';

import { cli, openForTests, writeCliReport } from './support.mjs';
import { assertSameWorkbooks } from './workbook_parts.mjs';

const opened = openForTests('workbook');
const { scratch } = opened;
const year = new Date().getFullYear();

let page;
before(async () => {
  ({ page } = await opened.ready());
});

// The workbook the page writes for the form's fields, as "Excel kitobi" writes it, without
// a download in between.
async function pageWorkbook(form) {
  const bytes = await page.evaluate(async (fields) => {
    const box = (id, value) => {
      document.getElementById(id).value = value;
    };
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
  writeCliReport(form, year, file);
  return readFileSync(file);
}

// A form whose hours run to 16 digits, and texts that need escaping in the package.
const form = {
  category: 'primary',
  weekly: '24,5',
  rate: '19',
  leader: true,
  name: 'Каримова Оʻgʻiloy',
  school: '7',
  subject: 'ona tili & <adabiyot>_x0041_',
};

test("the page's workbook is, part for part, the command line's", { skip: !existsSync(cli) }, async () => {
  const parts = await assertSameWorkbooks(
    { page: await pageWorkbook(form), cli: cliWorkbook(form, path.join(scratch, 'cli.xlsx')) },
    `${form.weekly} ${form.rate}`,
  );
  assert.ok(parts.some((part) => part.name === 'docProps/custom.xml'));
  // Numbers the browser would have written with digits of its own were compared.
  const sheet = parts.find((part) => part.name === 'xl/worksheets/sheet1.xml').text;
  const fractions = [...sheet.matchAll(/<v>(\d+\.\d{13,})<\/v>/g)].length;
  assert.ok(fractions > 5, `${fractions} numbers of 16 digits`);
});
