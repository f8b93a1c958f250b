// The module's staff book under node: a teacher whose report cannot be made is refused in
// the roster's words and takes no sheet; the summary holds the teachers made, in order;
// the staff's file name and the workbook's limit are the command line's.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { cli, loadModule, plainMeasure } from './support.mjs';

const module = await loadModule();

const teacher = (line, name, weeklyHours) => ({
  line, name, school: '12', subject: 'fizika', category: 'upper', weeklyHours, rate: '20', classLeader: false, annualTotal: 0,
});

test('a teacher whose report cannot be made is refused with its line and takes no sheet', () => {
  // The form's own refusal of the same hours, after the line it stands on.
  const tooFewHours = JSON.parse(module.tableCsv({ category: 'upper', weekly: '9', rate: '20' })).message;
  assert.ok(tooFewHours);
  const book = new module.StaffBook(2025, plainMeasure);
  try {
    const made = [teacher(2, 'Aliyev Vali', '24'), teacher(3, 'aliyev vali', '9'), teacher(4, 'ALIYEV VALI', '18')]
      .map((one) => JSON.parse(book.add(one)));
    assert.deepEqual(made.map(({ ok, sheetName, reason }) => ({ ok, sheetName, reason })), [
      { ok: true, sheetName: 'Aliyev Vali', reason: undefined },
      { ok: false, sheetName: undefined, reason: `qator 3: ${tooFewHours}` },
      { ok: true, sheetName: 'ALIYEV VALI (2)', reason: undefined },
    ]);
    assert.equal(book.teachers(), 2);
    // A sheet "Ali <U+202E>ilaV" would show as "Ali Vali": the name keeps no direction control.
    assert.equal(JSON.parse(book.add(teacher(5, 'Ali \u202EilaV\u202C', '24'))).sheetName, 'Ali ilaV');
    // The summary "Jami" comes first and refers to the sheets made, in order.
    const parts = book.workbookParts();
    const summary = new TextDecoder().decode(parts.find((part) => part.name === 'xl/worksheets/sheet1.xml').bytes);
    const formulas = [...summary.matchAll(/<f>([^<]*)<\/f>/g)].map(([, formula]) => formula.replaceAll('&apos;', "'"));
    assert.deepEqual(formulas, ["'Aliyev Vali'!S5", "'ALIYEV VALI (2)'!S5", "'Ali ilaV'!S5", 'SUM(F4:F6)', 'SUM(I4:I6)']);
    assert.equal(parts.filter((part) => part.name.startsWith('xl/worksheets/')).length, 4);
  } finally {
    book.delete();
  }
});

test('the print\'s teachers are counted into the summary the director signs, numbered in order', () => {
  const book = new module.StaffBook(2025, plainMeasure);
  try {
    for (const one of [teacher(2, 'Aliyev Vali', '24'), teacher(3, 'Aliyev Soli', '9'), teacher(4, 'Karimova Dilnoza', '18')]) {
      book.page(one);
    }
    const pages = JSON.parse(book.summaryPages());
    assert.equal(pages.length, 1);
    const [page] = pages;
    assert.ok(Math.abs(page.page.width - 841.89) < 0.01 && Math.abs(page.page.height - 595.28) < 0.01);
    const text = (ref) => page.boxes.find((box) => box.ref === ref)?.lines.map((line) => line.text).join(' ');
    assert.equal(text('A3'), '№');
    assert.deepEqual([text('A4'), text('B4'), text('A5'), text('B5')], ['1', 'Aliyev Vali', '2', 'Karimova Dilnoza']);
    assert.equal(text('A6'), 'Jami');
    assert.match(text('A1'), /2025\/2026 o'quv yili uchun yillik ish yuklamasi/);
  } finally {
    book.delete();
  }
});

test('the staff file is named after the roster, and a staff too large for a workbook is refused', () => {
  assert.equal(module.staffWorkbookName('12-maktab.csv'), '12-maktab hisobotlari.xlsx');
  // A list that is itself a workbook is never offered its own name.
  assert.equal(module.staffWorkbookName('xodimlar.xlsx'), 'xodimlar hisobotlari.xlsx');
  // A list named with 250 letters: cut to the 244 bytes a download may be named in.
  assert.equal(module.staffWorkbookName(`${'Ж'.repeat(250)}.csv`), `${'Ж'.repeat(113)} hisobotlari.xlsx`);
  assert.equal(module.staffWorkbookName(`${'a'.repeat(250)}.csv`), `${'a'.repeat(227)} hisobotlari.xlsx`);
  // One name for the list "a\b.csv", not its part "b"; none of dots only, nor a direction control.
  assert.equal(module.staffWorkbookName('a\\b.csv'), 'a_b hisobotlari.xlsx');
  assert.equal(module.staffWorkbookName('..csv'), 'Xodimlar hisobotlari.xlsx');
  assert.equal(module.staffWorkbookName('xodimlar\u202Evsc.xlsx'), 'xodimlarvsc hisobotlari.xlsx');
  assert.equal(module.staffWorkbookRefusal(5000), '');
  assert.notEqual(module.staffWorkbookRefusal(5001), '');
});

test('a staff too large for a workbook is refused in the command line\'s words', { skip: !existsSync(cli) }, () => {
  const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-staff-module-'));
  try {
    const roster = path.join(scratch, 'katta.csv');
    const rows = Array.from({ length: 5001 }, (_, i) => `O'qituvchi ${i};12;fizika;yuqori;24`);
    writeFileSync(roster, ['ism;maktab;fan;toifa;soat', ...rows].join('\n'));
    const run = spawnSync(cli, ['batch', roster, '-o', path.join(scratch, 'katta.xlsx')],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, encoding: 'utf8' });
    assert.ok(run.stderr.includes(module.staffWorkbookRefusal(5001)), run.stderr);
    assert.notEqual(run.status, 0);
  } finally {
    rmSync(scratch, { recursive: true, force: true });
  }
});
