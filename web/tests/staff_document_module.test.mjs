// A staff workbook read as the page reads it (open_workbook.js) and judged by the module as
// the desktop judges it: told from a report and a stranger's workbook, its teachers listed in
// the desktop's words, only a sheet its summary lists opened as a teacher's report, what
// saving it back changes, and a kept report of it named with its sheet and refused without
// the workbook kept beside it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import ExcelJS from 'exceljs';

import { cli, loadModule, plainMeasure } from './support.mjs';
import { readOpenedWorkbook } from '../src/reading/open_workbook.js';

const module = await loadModule();
const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-staffmodule-'));
const env = { ...process.env, QT_QPA_PLATFORM: 'offscreen' };
let staffBytes;
let reportBytes;

before(() => {
  writeFileSync(
    path.join(scratch, 'xodimlar.csv'),
    'ism;maktab;fan;toifa;soat\nAliyev Vali;12;fizika;yuqori;24\nKarimova Dilnoza;12;kimyo;yuqori;20,5\n',
  );
  const staff = spawnSync(
    cli,
    ['batch', path.join(scratch, 'xodimlar.csv'), '-o', path.join(scratch, 'xodimlar.xlsx'), '--year', '2026'],
    { env, encoding: 'utf8' },
  );
  assert.equal(staff.status, 0, staff.stderr);
  const report = spawnSync(
    cli,
    [
      'report',
      '--category',
      'upper',
      '--weekly',
      '24',
      '--name',
      'Aliyev Vali',
      '--year',
      '2026',
      '-o',
      path.join(scratch, 'bitta.xlsx'),
    ],
    { env, encoding: 'utf8' },
  );
  assert.equal(report.status, 0, report.stderr);
  staffBytes = new Uint8Array(readFileSync(path.join(scratch, 'xodimlar.xlsx')));
  reportBytes = new Uint8Array(readFileSync(path.join(scratch, 'bitta.xlsx')));
});

after(() => rmSync(scratch, { recursive: true, force: true }));

const listing = async (bytes, fileName = 'xodimlar.xlsx') =>
  JSON.parse(module.staffWorkbookListing(fileName, await readOpenedWorkbook(bytes, module)));

// The teacher's sheet as the page opens it: {result, workbench} (the workbench to be deleted).
async function opened(bytes, sheetName, fileName = 'xodimlar.xlsx') {
  const workbook = await readOpenedWorkbook(bytes, module, sheetName);
  const workbench = new module.ReportWorkbench(fileName, workbook, plainMeasure);
  return { result: JSON.parse(workbench.result()), workbench, workbook };
}

test(
  "a staff workbook is told from a report and a stranger's, " + "and its teachers listed in the desktop's words",
  async () => {
    const staff = await listing(staffBytes);
    assert.equal(staff.kind, 'staff');
    assert.equal(staff.title, 'Xodimlar kitobi');
    assert.deepEqual(staff.headings, ['Varaq', "O'qituvchi", 'Yillik soat', 'Izoh']);
    assert.deepEqual([staff.open, staff.cancel], ['Ochish', "Ro'yxatni yopish"]);
    assert.match(staff.question, /^"xodimlar\.xlsx" - xodimlar kitobi\. Qaysi o'qituvchining hisobotini ochasiz\?/);
    assert.deepEqual(
      staff.teachers.map((teacher) => [teacher.sheetName, teacher.teacher]),
      [
        ['Aliyev Vali', 'Aliyev Vali'],
        ['Karimova Dilnoza', 'Karimova Dilnoza'],
      ],
    );
    for (const teacher of staff.teachers) assert.equal(teacher.totalText, String(teacher.annualTotal));

    assert.equal((await listing(reportBytes, 'bitta.xlsx')).kind, 'report');
    const workbook = new ExcelJS.Workbook();
    workbook.addWorksheet('Jami').getCell('A1').value = 'Maktab xodimlari';
    workbook.addWorksheet('Aliyev Vali');
    assert.equal((await listing(new Uint8Array(await workbook.xlsx.writeBuffer()), 'begona.xlsx')).kind, 'stranger');
    assert.equal(JSON.parse(module.staffWorkbookListing('x.xlsx', { problem: 'notWorkbook' })).kind, 'stranger');
  },
);

test("only a sheet the summary lists opens as a teacher's report, and only of a staff workbook", async () => {
  const teacher = await opened(staffBytes, 'Karimova Dilnoza');
  assert.equal(teacher.result.ok, true, teacher.result.message);
  assert.equal(teacher.result.fileName, 'xodimlar.xlsx');
  teacher.workbench.delete();
  for (const [bytes, sheetName, message] of [
    [staffBytes, 'Jami', '"xodimlar.xlsx" ochilmadi: xodimlar kitobida "Jami" o\'qituvchisining varag\'i yo\'q.'],
    [staffBytes, "Yo'q", '"xodimlar.xlsx" ochilmadi: xodimlar kitobida "Yo\'q" o\'qituvchisining varag\'i yo\'q.'],
    [reportBytes, 'Soatnoma', '"xodimlar.xlsx" ochilmadi: bu Soatnoma yozgan xodimlar kitobi emas.'],
  ]) {
    const { result, workbench } = await opened(bytes, sheetName);
    workbench.delete();
    assert.deepEqual([result.ok, result.message], [false, message]);
  }
});

test(
  'saving a corrected teacher back changes that sheet, ' + '"Jami"\'s results and the notes of that sheet only',
  async () => {
    const { workbench } = await opened(staffBytes, 'Karimova Dilnoza');
    const computed = workbench.computedHours(8, 3);
    assert.equal(JSON.parse(workbench.type(8, 3, String(computed + 7))).ok, true);
    const changes = JSON.parse(workbench.staffChanges());
    workbench.delete();
    assert.deepEqual(
      changes.sheet.find((change) => change.ref === 'C8'),
      { ref: 'C8', kind: 'number', text: String(computed + 7) },
    );
    assert.ok(changes.sheet.some((change) => change.ref === 'S5' && change.kind === 'result'));
    const refs = changes.summary.map((change) => change.ref);
    assert.deepEqual(refs.sort(), ['F6', 'I5', 'I6'].sort(), JSON.stringify(changes.summary));
    assert.ok(changes.summary.every((change) => change.kind === 'result'));
    assert.match(changes.properties, /<vt:lpwstr>xodimlar kitobi, yillik taqsimot<\/vt:lpwstr>/);
    assert.match(
      changes.properties,
      new RegExp(`name="Soatnoma hisoblangan Karimova Dilnoza!C8"><vt:r8>${computed}</vt:r8>`),
    );
    assert.ok(!/Aliyev Vali!/.test(changes.properties));

    const report = new module.ReportWorkbench(
      'bitta.xlsx',
      await readOpenedWorkbook(reportBytes, module),
      plainMeasure,
    );
    assert.equal(report.staffChanges(), 'null');
    report.delete();
  },
);

test(
  'a kept teacher of a staff workbook is named with its ' + 'sheet, and refused without the workbook kept beside it',
  async () => {
    const { workbook, workbench } = await opened(staffBytes, 'Karimova Dilnoza');
    workbench.delete();
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

// The print of a staff workbook as it stands: the module lays "Jami" out from what the
// workbook stores and describes each teacher's sheet read with every sheet; a report, or a
// teacher's sheet the page could not read, is refused in "Ochish"'s words.
test(
  'a staff workbook read with every sheet prints "Jami" ' + "and each teacher's page; what cannot be read is refused",
  async () => {
    const print = new module.StoredStaffPrint(plainMeasure);
    try {
      const workbook = await readOpenedWorkbook(staffBytes, module, undefined, true);
      assert.deepEqual(
        workbook.sheets.map((sheet) => sheet.name),
        ['Aliyev Vali', 'Karimova Dilnoza'],
      );
      const summary = JSON.parse(print.summary('xodimlar.xlsx', workbook));
      assert.deepEqual(summary.sheets, ['Aliyev Vali', 'Karimova Dilnoza']);
      assert.equal(summary.summary.length, 1);
      const texts = summary.summary[0].boxes.flatMap((box) => (box.lines ?? []).map((line) => line.text));
      assert.ok(texts.includes('Karimova Dilnoza'), texts.join(' | '));
      const page = JSON.parse(print.page('Karimova Dilnoza', workbook.sheets[1]));
      assert.equal(page.ok, true);
      assert.ok(page.report.boxes.length > 100);
      const unread = JSON.parse(print.page('Aliyev Vali', { problem: 'unreadableSheet' }));
      assert.equal(unread.ok, false);
      assert.match(unread.message, /^"xodimlar\.xlsx" ochilmadi/);
      assert.equal(print.printText(1), '"Jami" (1 sahifa) va 1 ta o\'qituvchining sahifasi chop etiladi.');
      const report = JSON.parse(
        print.summary('bitta.xlsx', await readOpenedWorkbook(reportBytes, module, undefined, true)),
      );
      assert.equal(report.message, '"bitta.xlsx" ochilmadi: bu Soatnoma yozgan xodimlar kitobi emas.');
    } finally {
      print.delete();
    }
  },
);
