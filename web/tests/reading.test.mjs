// The page's reading of workbooks under node, with the module the page runs: a package is
// weighed from its listing before anything of it is unpacked, the limits are the desktop's,
// a part is never unpacked beyond the size its listing declares nor taken when its checksum
// does not match; and a package the page writes reads back as written (a report's workbook
// saved and opened again is page.test.mjs's).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { readOpenedWorkbook } from '../src/reading/open_workbook.js';
import { listParts, readPart } from '../src/files/zip_package.js';
import { packParts } from '../src/files/zip_writer.js';
import { writeStaffWorkbookBack } from '../src/files/staff_workbook_writer.js';
import { cli, loadModule, plainMeasure, root, runCliBatch } from './support.mjs';
import { partsOfZip, zipOf } from './zip_files.mjs';

const module = await loadModule();
const MiB = 1024 * 1024;
const report = readFileSync(path.join(root, 'tests/fixtures/browser/corrected.xlsx'));
const reportParts = await partsOfZip(report);
const zeros = new Uint8Array(16 * MiB);

// What "Ochish" says of a workbook: "" when it opens.
function opening(name, workbook) {
  const workbench = new module.ReportWorkbench(name, workbook, plainMeasure);
  try {
    const result = JSON.parse(workbench.result());
    return result.ok ? '' : result.message;
  } finally {
    workbench.delete();
  }
}

const padded = (parts) => zipOf([...reportParts, ...parts]);
const changed = (name, change) => zipOf(reportParts.map((part) => (part.name === name ? change(part) : part)));
const SHEET = 'xl/worksheets/sheet1.xml';

test('a package is weighed from its listing, and a part unpacks only as listed', async () => {
  const damagedPart = /qismlaridan biri shikastlangan/;
  const noWorkbook = '"x.xlsx" ochilmadi: bu Excel ish kitobi emas yoki u buzilgan.';
  const parts = (count) => Array.from({ length: count }, (_, i) => ({ name: `xl/media/${i}.bin`, bytes: zeros }));
  const cases = [
    ['the report as saved', report, ''],
    ['its parts stored unpacked', zipOf(reportParts.map((part) => ({ ...part, stored: true }))), ''],
    ['a part of the largest size', padded(parts(1)), ''],
    [
      '400 parts of 16 MiB of zeros',
      padded(parts(400)),
      '"x.xlsx" ochilmadi: ish kitobi arxivdan chiqarilganda juda katta bo\'ladi (173 MB dan ortiq).',
    ],
    [
      'a part a byte larger than any',
      padded([{ name: 'xl/media/a.bin', bytes: new Uint8Array(16 * MiB + 1) }]),
      damagedPart,
    ],
    [
      'a sheet that unpacks to more than listed',
      changed(SHEET, (part) => ({ ...part, size: part.bytes.length - 1 })),
      damagedPart,
    ],
    ['a sheet whose checksum does not match', changed(SHEET, (part) => ({ ...part, checksum: 12345 })), damagedPart],
    [
      'a sheet that is no XML',
      changed(SHEET, (part) => ({ ...part, bytes: part.bytes.subarray(0, 500) })),
      /varaqni o'qib bo'lmadi/,
    ],
    ['no zip at all', new TextEncoder().encode('Familiya Ism;20'), noWorkbook],
    ['half a package', report.subarray(0, report.length / 2), noWorkbook],
  ];
  for (const [what, bytes, said] of cases) {
    const message = opening('x.xlsx', await readOpenedWorkbook(bytes, module));
    if (typeof said === 'string') assert.equal(message, said, what);
    else assert.match(message, said, what);
  }
});

test('the size a listing declares is read from its zip64 field when the plain one is full', () => {
  const bytes = zipOf([{ name: 'a.xml', bytes: Uint8Array.of(1, 2, 3) }]);
  const view = new DataView(bytes.buffer);
  const listed = listParts(bytes)[0];
  assert.equal(listed.size, 3);
  // The central directory's entry with its sizes full and a zip64 field of 5 GB after the name.
  const entry = bytes.length - 22 - 46 - 'a.xml'.length;
  const extra = new Uint8Array(20);
  const fields = new DataView(extra.buffer);
  fields.setUint16(0, 1, true);
  fields.setUint16(2, 16, true);
  fields.setBigUint64(4, 5n * 2n ** 30n, true);
  fields.setBigUint64(12, 3n, true);
  const grown = new Uint8Array(bytes.length + extra.length);
  grown.set(bytes.subarray(0, bytes.length - 22));
  grown.set(extra, bytes.length - 22);
  grown.set(bytes.subarray(bytes.length - 22), bytes.length - 22 + extra.length);
  const grownView = new DataView(grown.buffer);
  grownView.setUint32(entry + 20, 0xffffffff, true);
  grownView.setUint32(entry + 24, 0xffffffff, true);
  grownView.setUint16(entry + 30, extra.length, true);
  grownView.setUint32(grown.length - 22 + 12, view.getUint32(bytes.length - 22 + 12, true) + extra.length, true);
  const read = listParts(grown)[0];
  assert.equal(read.size, 5 * 2 ** 30);
  assert.equal(read.compressedSize, 3);
  assert.equal(module.packageSizeVerdict([read.size]), 'partTooLarge');
});

test('a package written by the page reads back part for part, in the page and in another zip library', async () => {
  const parts = [
    { name: '[Content_Types].xml', bytes: new TextEncoder().encode('<Types/>') },
    { name: 'xl/worksheets/sheet1.xml', bytes: zeros.subarray(0, 3 * MiB) },
    { name: "docProps/o'zbekcha ism.xml", bytes: new TextEncoder().encode('<Properties>Oʻgʻiloy</Properties>') },
    { name: 'empty.bin', bytes: new Uint8Array(0) },
  ];
  const written = await packParts(parts);
  const listed = listParts(written);
  assert.deepEqual(
    listed.map((part) => [part.name, part.size]),
    parts.map((part) => [part.name, part.bytes.length]),
  );
  for (const [index, part] of listed.entries())
    assert.deepEqual(await readPart(written, part), parts[index].bytes, part.name);
  assert.deepEqual(
    (await partsOfZip(written)).map((part) => part.bytes),
    parts.map((part) => part.bytes),
  );
});

test(
  "a report saved back into a staff workbook without the teacher's sheet, or with a sheet that takes no change, " +
    'is refused in the words the desktop says it with',
  { skip: !existsSync(cli) },
  async () => {
    const scratch = mkdtempSync(path.join(os.tmpdir(), 'saveback-'));
    try {
      writeFileSync(path.join(scratch, 'x.csv'), 'ism;maktab;fan;toifa;soat\r\nAliyev Vali;12;fizika;yuqori;24\r\n');
      runCliBatch(path.join(scratch, 'x.csv'), path.join(scratch, 'x.xlsx'), 2026);
      const book = readFileSync(path.join(scratch, 'x.xlsx'));
      const changes = { sheet: [], summary: [], summarySheet: 'Jami', properties: '' };
      const words = (name) => JSON.parse(module.staffSaveBackWords(name));
      await assert.rejects(writeStaffWorkbookBack(module, book, 'Yo`q Ism', changes), {
        message: words('Yo`q Ism').sheetNotRead,
      });
      assert.match(words('Yo`q Ism').sheetNotRead, /"Yo`q Ism"/);
      // A change in a row the teacher's sheet does not hold: the module cannot make it.
      const unheld = { ...changes, sheet: [{ ref: 'C9999', kind: 'number', text: '1' }] };
      await assert.rejects(writeStaffWorkbookBack(module, book, 'Aliyev Vali', unheld), {
        message: words('Aliyev Vali').notWritten,
      });
    } finally {
      rmSync(scratch, { recursive: true, force: true });
    }
  },
);
