// A report kept in the browser's storage, read back by the module on its own: held to the
// rules of the form's input, and a record of the wrong shape said damaged. Its name is the
// desktop's (tests/screen_view/recovery_texts_test.cpp), its hours are taken on the terms of
// typed hours (tests/report_editing/kept_hours_test.cpp). A teacher of a staff workbook is named
// with its sheet, and refused when the workbook was not kept beside it; listing, opening, saving
// back and printing such a workbook are the page's (staff_document.test.mjs).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { readOpenedWorkbook } from '../src/reading/open_workbook.js';
import { loadModule, plainMeasure, runCliBatch } from './support.mjs';

const module = await loadModule();

const teacher = { name: 'Karimova Dilnoza', school: '12', subject: 'ona tili' };
const request = { category: 'primary', weekly: '22,5', rate: '18', leader: true, year: 2026, ...teacher };
const at = { year: 2026, month: 3, day: 4, hour: 9, minute: 5 };
const kept = (record, when = at) => JSON.parse(module.keptReport({ id: 1, keptAt: 1, entries: [], ...record }, when));

// The rules themselves are the form's (tests/model/).
test("a kept run is held to the form's rules: the same refusal as typing it", () => {
  for (const change of [{ weekly: '24abc' }, { name: 'Ж'.repeat(201) }]) {
    const typed = JSON.parse(module.buildReport({ ...request, ...change }, plainMeasure));
    assert.equal(typed.ok, false, JSON.stringify(change));
    const said = kept({ request: { ...request, ...change } });
    assert.deepEqual([said.ok, said.reason], [false, typed.message], JSON.stringify(change));
  }
});

test('a kept record of the wrong shape is damaged, with the reason, and never throws', () => {
  for (const [record, reason] of [
    [{ request: undefined }, "hisobotning ma'lumotlari yo'q."],
    [{ request: 'upper' }, "hisobotning ma'lumotlari yo'q."],
    [{ request: { ...request, category: 'Upper' } }, "toifa noma'lum."],
    [{ request: { ...request, weekly: 24 } }, 'ajratilgan dars soati yozuvi buzilgan.'],
    [{ request: { ...request, leader: 1 } }, 'sinf rahbarligi yozuvi buzilgan.'],
    [{ request: { ...request, name: null } }, "o'qituvchining ismi yozuvi buzilgan."],
    [{ request: { ...request, year: 2026.5 } }, "o'quv yili yozuvi buzilgan."],
    [{ request: { ...request, year: 0 } }, "o'quv yili yozuvi buzilgan."],
    [{ request, entries: {} }, 'tuzatishlar yozuvi buzilgan.'],
    [{ request, entries: [null] }, 'tuzatishlar yozuvi buzilgan.'],
    [{ request, entries: [{ row: '8', column: 4, hours: 1 }] }, 'tuzatishlar yozuvi buzilgan.'],
    [{ request, entries: [{ row: 2, column: 4, hours: 1 }] }, 'tuzatishlardan biri soat kataklaridan tashqarida.'],
    [{ request, entries: [{ row: 8, column: 19, hours: 5 }] }, 'tuzatishlardan biri soat kataklaridan tashqarida.'],
    [{ request, entries: [{ row: 8, column: 4, hours: '3' }] }, 'Oktabr · Dars soatlari: soat yozuvi buzilgan.'],
    [{ request, entries: null }, 'tuzatishlar yozuvi buzilgan.'],
    [{ request, entries: [{ row: 8, column: 4, hours: Number.NaN }] }, /^Oktabr · Dars soatlari: .*son emas/],
    [
      { opened: { fileName: 'eski.xlsx', workbook: null } },
      '"eski.xlsx" ochilmadi: bu Excel ish kitobi emas yoki u buzilgan.',
    ],
    [
      { opened: { fileName: 'eski.xlsx', workbook: { properties: null, worksheets: 1, cells: [] } } },
      /^"eski\.xlsx" ochilmadi: bu ish kitobini Soatnoma yozmagan/,
    ],
    [{ opened: { workbook: {} } }, "ish kitobining nomi yo'q."],
  ]) {
    const said = kept(record);
    assert.equal(said.ok, false, JSON.stringify(record));
    if (typeof reason === 'string') assert.equal(said.reason, reason);
    else assert.match(said.reason, reason);
    assert.equal(typeof said.description, 'string');
  }
  // Hours are taken on the terms of typed hours (tests/report_editing/kept_hours_test.cpp), the
  // NaN above named with its cell; hours at the edge of what typing takes, and emptied cells, are taken.
  const edge = kept({
    request,
    entries: [
      { row: 8, column: 4, hours: -9999 },
      { row: 9, column: 5, hours: null },
    ],
  });
  assert.equal(edge.ok, true, edge.reason);
});

test(
  'a kept teacher of a staff workbook is named with its ' + 'sheet, and refused without the workbook kept beside it',
  async () => {
    const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-staffmodule-'));
    const list = path.join(scratch, 'xodimlar.csv');
    writeFileSync(
      list,
      'ism;maktab;fan;toifa;soat\nAliyev Vali;12;fizika;yuqori;24\nKarimova Dilnoza;12;kimyo;yuqori;20,5\n',
    );
    runCliBatch(list, path.join(scratch, 'xodimlar.xlsx'), 2026);
    const staffBook = new Uint8Array(readFileSync(path.join(scratch, 'xodimlar.xlsx')));
    rmSync(scratch, { recursive: true, force: true });
    // The teacher's sheet as the page reads it to open it.
    const workbook = await readOpenedWorkbook(staffBook, module, 'Karimova Dilnoza');
    const opened = (book) => ({ opened: { fileName: 'xodimlar.xlsx', workbook, staffBook: book } });
    const whole = kept(opened(staffBook));
    assert.equal(whole.ok, true, whole.reason);
    assert.equal(
      whole.description,
      'Karimova Dilnoza, 2026/2027 o\'quv yili (xodimlar.xlsx, "Karimova Dilnoza" varag\'i), 04.03.2026 09:05',
    );
    const lost = kept(opened(null));
    assert.deepEqual([lost.ok, lost.reason], [false, "xodimlar kitobining o'zi saqlanmagan."]);
  },
);
