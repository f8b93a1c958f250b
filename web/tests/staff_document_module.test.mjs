// A teacher of a staff workbook kept in the browser's storage, as the module reads the record
// back: named with its sheet, and refused when the workbook was not kept beside it. Listing,
// opening, saving back and printing such a workbook are the page's (staff_document.test.mjs).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { loadModule, runCliBatch } from './support.mjs';
import { readOpenedWorkbook } from '../src/reading/open_workbook.js';

const module = await loadModule();
const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-staffmodule-'));
let staffBytes;

before(() => {
  writeFileSync(
    path.join(scratch, 'xodimlar.csv'),
    'ism;maktab;fan;toifa;soat\nAliyev Vali;12;fizika;yuqori;24\nKarimova Dilnoza;12;kimyo;yuqori;20,5\n',
  );
  runCliBatch(path.join(scratch, 'xodimlar.csv'), path.join(scratch, 'xodimlar.xlsx'), 2026);
  staffBytes = new Uint8Array(readFileSync(path.join(scratch, 'xodimlar.xlsx')));
});

after(() => rmSync(scratch, { recursive: true, force: true }));

test(
  'a kept teacher of a staff workbook is named with its ' + 'sheet, and refused without the workbook kept beside it',
  async () => {
    // The teacher's sheet as the page reads it to open it.
    const workbook = await readOpenedWorkbook(staffBytes, module, 'Karimova Dilnoza');
    const at = { year: 2026, month: 3, day: 4, hour: 9, minute: 5 };
    const record = (staffBook) => ({
      id: 1,
      keptAt: 1,
      entries: [],
      opened: { fileName: 'xodimlar.xlsx', workbook, staffBook },
    });
    const kept = JSON.parse(module.keptReport(record(staffBytes), at));
    assert.equal(kept.ok, true, kept.reason);
    assert.equal(
      kept.description,
      'Karimova Dilnoza, 2026/2027 o\'quv yili (xodimlar.xlsx, "Karimova Dilnoza" varag\'i), 04.03.2026 09:05',
    );
    const lost = JSON.parse(module.keptReport(record(null), at));
    assert.deepEqual([lost.ok, lost.reason], [false, "xodimlar kitobining o'zi saqlanmagan."]);
  },
);
