// The WebAssembly module as the page calls it: the boxes it describes for the page to draw,
// the boxes a change hands the page, and the measure of text the page's reports share. The
// report's cells, merges, page and file name are the desktop's (tests/report_sheet/
// report_builder_test.cpp, report_frame_test.cpp, report_file_name_test.cpp), its tables the
// command line's (tests/cli/golden_tables_test.cpp); an opened report's numbers are read by
// the desktop's rule (tests/report_files/xlsx_reader_test.cpp) and refused in the page as
// "Ochish" refuses them (page.test.mjs).
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { loadModule, plainMeasure } from './support.mjs';

const module = await loadModule();

test('the run describes each drawn box by its cell, each line with the length it was measured to', () => {
  const teacher = { name: 'Oʻgʻiloy  Karimova', school: '12', subject: 'ona tili' };
  const request = { category: 'primary', weekly: '22,5', rate: '18', leader: true, year: 2031, ...teacher };
  const result = JSON.parse(module.buildReport(request, plainMeasure));
  assert.equal(result.ok, true);
  const form = result.report;
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
