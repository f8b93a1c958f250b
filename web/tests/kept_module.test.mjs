// A report kept in the browser's storage, read back by the module on its own: held to the
// rules of the form's input and of typed hours, and named as the desktop names the reports
// it offers back.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { loadModule, plainMeasure } from './support.mjs';

const module = await loadModule();

const request = {
  category: 'primary',
  weekly: '22,5',
  rate: '18',
  leader: true,
  name: 'Karimova Dilnoza',
  school: '12',
  subject: 'ona tili',
  year: 2026,
};
const at = { year: 2026, month: 3, day: 4, hour: 9, minute: 5 };
const kept = (record, when = at) => JSON.parse(module.keptReport({ id: 1, keptAt: 1, entries: [], ...record }, when));

test('a kept report is named as the desktop names the reports it offers back', () => {
  for (const [record, when, description] of [
    [{ request }, at, "Karimova Dilnoza, 2026/2027 o'quv yili, 04.03.2026 09:05"],
    [
      { request: { ...request, name: ' \u00a0Karimova  Dilnoza\u3000' } },
      at,
      "Karimova  Dilnoza, 2026/2027 o'quv yili, 04.03.2026 09:05",
    ],
    [
      { request: { ...request, name: '  ' } },
      { ...at, hour: 23, minute: 59 },
      "Nomsiz hisobot, 2026/2027 o'quv yili, 04.03.2026 23:59",
    ],
    [
      { request, downloaded: 'Karimova Dilnoza 2026-2027.xlsx' },
      null,
      "Karimova Dilnoza, 2026/2027 o'quv yili (Karimova Dilnoza 2026-2027.xlsx)",
    ],
    // A moment that is none is left out rather than shown wrong.
    [{ request }, { ...at, month: 13 }, "Karimova Dilnoza, 2026/2027 o'quv yili"],
  ]) {
    const said = kept(record, when);
    assert.equal(said.ok, true, said.reason);
    assert.equal(said.description, description);
    assert.equal(said.downloaded, Boolean(record.downloaded));
  }
  assert.equal(module.keptReportsHeading(2), "Oldingi safardan 2 ta hisobot saqlab qo'yilgan:");
});

test("a kept run is held to the form's rules: the same refusal as typing it", () => {
  for (const change of [
    { weekly: '24abc' },
    { weekly: '5' },
    { rate: 'x' },
    { name: 'Ж'.repeat(201) },
    { school: 'a\u0007b' },
  ]) {
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
    [{ request: { ...request, leader: 1 } }, 'sinf rahbarligi yozuvi buzilgan.'],
    [{ request: { ...request, name: null } }, "o'qituvchining ismi yozuvi buzilgan."],
    [{ request: { ...request, year: 2026.5 } }, "o'quv yili yozuvi buzilgan."],
    [{ request: { ...request, year: 0 } }, "o'quv yili yozuvi buzilgan."],
    [{ request, entries: {} }, 'tuzatishlar yozuvi buzilgan.'],
    [{ request, entries: [null] }, 'tuzatishlar yozuvi buzilgan.'],
    [{ request, entries: [{ row: '8', column: 4, hours: 1 }] }, 'tuzatishlar yozuvi buzilgan.'],
    [{ request, entries: [{ row: 2, column: 4, hours: 1 }] }, 'tuzatishlardan biri soat kataklaridan tashqarida.'],
    [{ request, entries: [{ row: 8, column: 4, hours: '3' }] }, 'Oktabr · Dars soatlari: soat yozuvi buzilgan.'],
    [
      { request, entries: [{ row: 8, column: 4, hours: -10000 }] },
      "Oktabr · Dars soatlari: -10000 soat juda ko'p: bir katakka 9999 dan ortiq soat yozilmaydi.",
    ],
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
  // Hours at the edge of what typing takes are taken; emptied cells too.
  const edge = kept({
    request,
    entries: [
      { row: 8, column: 4, hours: -9999 },
      { row: 9, column: 5, hours: null },
    ],
  });
  assert.equal(edge.ok, true, edge.reason);
});

test('hours typing would refuse are not set in a report either', () => {
  const workbench = new module.ReportWorkbench(request, plainMeasure);
  try {
    const before = workbench.entry(8, 4);
    for (const hours of [1e308, -1e308, Number.NaN, Number.POSITIVE_INFINITY]) {
      assert.equal(workbench.setEntry(8, 4, hours), false, String(hours));
      assert.equal(workbench.entry(8, 4), before);
    }
    assert.equal(workbench.setEntry(8, 4, 2.5), true);
    assert.equal(workbench.entry(8, 4), 2.5);
  } finally {
    workbench.delete();
  }
});
