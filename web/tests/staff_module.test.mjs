// The module's staff book under node: a teacher whose report cannot be made is refused in
// the roster's words and takes no sheet; the staff's file name and the workbook's limit are
// asked of it by these names (their rules: tests/staff_book/staff_book_test.cpp).
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { loadModule, plainMeasure } from './support.mjs';

const module = await loadModule();

const teacher = (line, name, weeklyHours) => ({
  line,
  name,
  school: '12',
  subject: 'fizika',
  category: 'upper',
  weeklyHours,
  rate: '20',
  classLeader: false,
  annualTotal: 0,
});

test('a teacher whose report cannot be made is refused with its line and takes no sheet', () => {
  // The form's own refusal of the same hours, after the line it stands on.
  const tooFewHours = JSON.parse(module.tableCsv({ category: 'upper', weekly: '9', rate: '20' })).message;
  assert.ok(tooFewHours);
  const book = new module.StaffBook(2025, plainMeasure);
  try {
    const made = [teacher(2, 'Aliyev Vali', '24'), teacher(3, 'aliyev vali', '9'), teacher(4, 'ALIYEV VALI', '18')].map(
      (one) => JSON.parse(book.add(one)),
    );
    assert.deepEqual(
      made.map(({ ok, sheetName, reason }) => ({ ok, sheetName, reason })),
      [
        { ok: true, sheetName: 'Aliyev Vali', reason: undefined },
        { ok: false, sheetName: undefined, reason: `qator 3: ${tooFewHours}` },
        { ok: true, sheetName: 'ALIYEV VALI (2)', reason: undefined },
      ],
    );
    assert.equal(book.teachers(), 2);
    // A sheet "Ali <U+202E>ilaV" would show as "Ali Vali": the name keeps no direction control.
    assert.equal(JSON.parse(book.add(teacher(5, 'Ali \u202EilaV\u202C', '24'))).sheetName, 'Ali ilaV');
    // The summary "Jami" comes first and refers to the sheets made, in order.
    const parts = book.workbookParts();
    const summary = new TextDecoder().decode(parts.find((part) => part.name === 'xl/worksheets/sheet1.xml').bytes);
    const formulas = [...summary.matchAll(/<f>([^<]*)<\/f>/g)].map(([, formula]) => formula.replaceAll('&apos;', "'"));
    assert.deepEqual(formulas, [
      "'Aliyev Vali'!S5",
      "'ALIYEV VALI (2)'!S5",
      "'Ali ilaV'!S5",
      'SUM(F4:F6)',
      'SUM(I4:I6)',
    ]);
    assert.equal(parts.filter((part) => part.name.startsWith('xl/worksheets/')).length, 4);
  } finally {
    book.delete();
  }
});

test('the staff file is named after the roster, and a staff too large for a workbook is refused', () => {
  assert.equal(module.staffWorkbookName('12-maktab.csv'), '12-maktab hisobotlari.xlsx');
  assert.equal(module.staffWorkbookName(`${'a'.repeat(250)}.csv`), `${'a'.repeat(227)} hisobotlari.xlsx`);
  assert.equal(module.staffWorkbookRefusal(5000), '');
  assert.notEqual(module.staffWorkbookRefusal(5001), '');
});
