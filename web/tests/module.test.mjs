// The WebAssembly module as the page calls it: the reference tables byte for byte, the form
// it describes, the boxes a change hands the page, an opened report read, the shared measure.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';

import { fixtures, loadModule, plainMeasure } from './support.mjs';

const module = await loadModule();

// The reference tables: upper_20_rate20_leader_before.csv is the upper category, 20 weekly
// hours, rate 20, class leader, before the rounding pass ("p" stands for the point).
const references = [
  'upper_20_rate20_other',
  'upper_20_rate20_leader',
  'upper_20_rate20_leader_before',
  'primary_18_rate18_other',
  'primary_18_rate18_leader',
  'upper_10p5_rate18_other',
  'upper_10p5_rate18_other_before',
  'upper_10_rate18_other',
  'upper_24_rate20_leader',
  'upper_24_rate20_other',
  'primary_22p5_rate18_other',
  'primary_22p5_rate18_leader',
  'upper_27_rate20_leader',
  'primary_31p5_rate18_other',
  'upper_13_rate40_leader',
  'upper_13_rate40_leader_before',
];

function requestOf(name) {
  const [category, weekly, rate, leader, stage] = name.split('_');
  return {
    category,
    weekly: weekly.replace('p', '.'),
    rate: rate.replace('rate', ''),
    leader: leader === 'leader',
    beforeRounding: stage === 'before',
  };
}

test('every reference table comes out byte for byte', () => {
  assert.equal(references.length, 16);
  for (const name of references) {
    const result = JSON.parse(module.tableCsv(requestOf(name)));
    assert.equal(result.ok, true, name);
    assert.equal(result.csv, readFileSync(path.join(fixtures, `${name}.csv`), 'utf8'), name);
  }
});

test('the run describes the rounded form with the year given and the file name', () => {
  const request = {
    category: 'primary',
    weekly: '22,5',
    rate: '18',
    leader: true,
    name: 'Oʻgʻiloy  Karimova',
    school: '12',
    subject: 'ona tili',
    year: 2031,
  };
  const result = JSON.parse(module.buildReport(request, plainMeasure));
  assert.equal(result.ok, true);
  assert.equal(result.fileName, 'Oʻgʻiloy Karimova 2031-2032.xlsx');
  const form = result.report;
  const cell = (ref) => form.cells.find((c) => c.ref === ref);
  assert.match(cell('A2').text, /Oʻgʻiloy {2}Karimovaning 2031\/2032 o'quv yili/);
  // The table's hours are the rounded table's, formulas with their cached results.
  const table = JSON.parse(module.tableCsv(request))
    .csv.trim()
    .split('\n')
    .map((line) => line.split(','));
  for (let row = 5; row <= 20; ++row) {
    const year = cell(`S${row}`);
    assert.equal(year.kind, 'formula');
    assert.equal(year.formula, `F${row}+J${row}+N${row}+R${row}`);
    assert.equal(String(year.value), table[row - 5][16]);
    assert.equal(year.display, table[row - 5][16]);
  }
  assert.deepEqual(
    form.merges.map((merge) => merge.ref),
    ['O1:S1', 'A2:S2', 'A3:S3', 'A22:S22'],
  );
  assert.equal(form.page.orientation, 'landscape');
  assert.equal(form.page.paperSize, 9);
  // Every drawn box names its cell; the merged title is one box on A2.
  assert.ok(form.boxes.some((box) => box.ref === 'A2' && box.width > 700));
  assert.ok(!form.boxes.some((box) => box.ref === 'B2'));
  // Each line carries the length it was measured to, its blanks too, the turned ones as well:
  // the screen holds its text to it.
  const lines = form.boxes.flatMap((box) => box.lines.map((line) => ({ box, line })));
  assert.ok(
    lines.some(({ line }) => line.text.endsWith(' ')),
    'a wrapped line that ends in a blank',
  );
  assert.ok(
    lines.some(({ box }) => box.orientation === 90),
    'a turned line',
  );
  for (const { box, line } of lines) {
    assert.equal(
      line.advance,
      plainMeasure.width(form.font.family, box.fontSize, box.bold, line.text),
      `${box.ref} ${line.text}`,
    );
  }
});

// The table's rows after a change: the page is handed the boxes whose text or mark changed,
// each once, and nothing while nothing changes.
test('a change hands the page only the boxes of the table that look different', () => {
  const workbench = new module.ReportWorkbench(
    { category: 'upper', weekly: '24', rate: '20', leader: true, year: 2026 },
    plainMeasure,
  );
  try {
    const textsOf = (form) =>
      new Map(
        form.boxes
          .filter((box) => box.row >= 5 && box.row <= 20)
          .map((box) => [box.ref, box.lines.map((line) => line.text).join('\n')]),
      );
    const changedRefs = (state) => state.boxes.map((box) => box.ref).sort();
    const drawn = textsOf(JSON.parse(workbench.result()).report);
    assert.deepEqual(changedRefs(JSON.parse(workbench.state(true))), []);
    for (const [row, column, hours] of [
      [8, 4, 7],
      [8, 4, null],
      [12, 11, 3.5],
    ]) {
      assert.equal(workbench.setEntry(row, column, hours), true);
      const state = JSON.parse(workbench.state(true));
      const now = textsOf(JSON.parse(workbench.report()));
      const marked = new Set(state.marks.map((mark) => mark.ref));
      // Drawn since: what this change made look different, against the page's drawing.
      const expected = [...now]
        .filter(([ref, text]) => text !== drawn.get(ref) || marked.has(ref) !== drawn.has(`marked ${ref}`))
        .map(([ref]) => ref)
        .sort();
      assert.ok(expected.length > 0 && expected.includes(`${String.fromCharCode(64 + column)}${row}`));
      assert.deepEqual(changedRefs(state), expected, `${row}/${column}`);
      for (const [ref, text] of now) drawn.set(ref, text);
      for (const ref of now.keys()) {
        if (marked.has(ref)) drawn.set(`marked ${ref}`, true);
        else drawn.delete(`marked ${ref}`);
      }
      assert.deepEqual(changedRefs(JSON.parse(workbench.state(true))), []);
    }
  } finally {
    workbench.delete();
  }
});

test('a refused run says why and whether the weekly hours go', () => {
  const result = JSON.parse(
    module.buildReport({ category: 'upper', weekly: '5', rate: '20', year: 2026 }, plainMeasure),
  );
  assert.equal(result.ok, false);
  assert.equal(result.message, JSON.parse(module.tableCsv({ category: 'upper', weekly: '5', rate: '20' })).message);
  assert.ok(result.message.length > 0);
  assert.equal(typeof result.clearsWeeklyHours, 'boolean');
});

// A saved report as the page hands it to the module: every number as the workbook stores
// it, or, in a report kept by an earlier page, as the number itself. Either way the
// module reads it by the desktop's rule and refuses a cell that holds no number.
test("an opened report's numbers are read by the desktop's rule, naming the cell that holds none", () => {
  const built = JSON.parse(
    module.buildReport({ category: 'upper', weekly: '24', rate: '20', year: 2031 }, plainMeasure),
  );
  const mark = { name: 'Soatnoma', text: 'yillik taqsimot, 1-shakl' };
  const opened = (numberOf, properties = []) => {
    const cells = built.report.cells
      .filter((cell) => cell.kind !== 'empty')
      .map((cell) => {
        const { row, column, kind, text, formula } = cell;
        if (kind === 'number') return { row, column, kind, ...numberOf(cell) };
        return kind === 'formula' ? { row, column, kind, formula } : { row, column, kind, text };
      });
    const workbench = new module.ReportWorkbench(
      'hisobot.xlsx',
      { properties: [mark, ...properties], worksheets: 1, cells },
      plainMeasure,
    );
    const result = JSON.parse(workbench.result());
    workbench.delete();
    return result.ok ? 'ok' : result.message;
  };
  const damaged = (detail) =>
    `"hisobot.xlsx" ochilmadi: ish kitobi buzilgan yoki boshqa dasturda o'zgartirilgan (${detail})`;
  const inC8 = (stored, value) => (cell) => (cell.ref === 'C8' ? stored : value(cell));
  const asStored = (cell) => ({ stored: String(cell.value) });
  const asKept = (cell) => ({ value: cell.value });
  const cases = [
    ['stored texts', asStored, 'ok'],
    ['numbers kept', asKept, 'ok'],
    ['0x10', inC8({ stored: '0x10' }, asStored), damaged("C8 katagida noto'g'ri son bor.")],
    ...[NaN, Infinity, -Infinity].map((value) => [
      `kept ${value}`,
      inC8({ value }, asKept),
      damaged("C8 katagida noto'g'ri son bor."),
    ]),
  ];
  for (const [label, numberOf, expected] of cases) assert.equal(opened(numberOf), expected, label);
  const note = (stored) => [{ name: 'Soatnoma hisoblangan C8', type: 'r8', stored }];
  assert.equal(opened(asStored, note('7')), 'ok');
  assert.equal(opened(asStored, note('NaN')), damaged("tuzatishlar haqidagi yozuv noto'g'ri"));
});

// The page keeps one measure of text for its life: a report laid out with it is the report
// laid out with a measure of its own, and a second report asks the page only for texts the
// first did not measure.
test("reports share the page's measure of text, asking the page once for each text", () => {
  const asked = [];
  const counting = {
    fontMeasures: (...font) => plainMeasure.fontMeasures(...font),
    width: (family, size, bold, text) => {
      asked.push(text);
      return plainMeasure.width(family, size, bold, text);
    },
    rightOverhang: () => 0,
  };
  const shared = new module.PageTextMeasure(counting);
  const request = { category: 'upper', weekly: '24', rate: '20', leader: true, year: 2031, name: 'Karimova Dilnoza' };
  const laidOut = (measure, change = {}) => {
    const workbench = new module.ReportWorkbench({ ...request, ...change }, measure);
    try {
      return JSON.parse(workbench.result()).report.boxes;
    } finally {
      workbench.delete();
    }
  };
  assert.deepEqual(laidOut(shared), laidOut(plainMeasure));
  const first = asked.length;
  assert.ok(first > 100);
  assert.deepEqual(laidOut(shared, { name: 'Aliyev Vali' }), laidOut(plainMeasure, { name: 'Aliyev Vali' }));
  // Only the texts naming the new teacher (the title's lines, the signature line) were asked for.
  const again = asked.slice(first);
  assert.ok(again.length > 0 && again.every((text) => text.includes('Aliyev')), `asked again: ${again.join(' | ')}`);
  shared.delete();
});
