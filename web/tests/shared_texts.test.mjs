// The texts and rules the page shows that the desktop shows too come from the module: every
// name the page asks for is there, the zoom steps as the desktop's, and none of them is written
// into the page's own sources again.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';

import { loadModule, plainMeasure, root } from './support.mjs';

const module = await loadModule();
const labels = JSON.parse(module.actionLabels());
const columns = JSON.parse(module.rosterColumns());
const html = readFileSync(path.join(root, 'web/index.html'), 'utf8');
const scripts = readdirSync(path.join(root, 'web/src'))
  .filter((file) => file.endsWith('.js'))
  .map((file) => [file, readFileSync(path.join(root, 'web/src', file), 'utf8')]);

test("every name the page asks for is the module's, without the menus' shortcut marks", () => {
  const asked = [...html.matchAll(/data-label(?:-title)?="([^"]+)"/g)].map((found) => found[1]);
  assert.ok(asked.length >= 12);
  for (const key of asked) assert.ok(labels[key]?.text, key);
  for (const { text } of Object.values(labels)) assert.ok(!text.includes('&'), text);
  assert.deepEqual(
    columns.map((column) => column.heading),
    ['Qator', "O'qituvchi", 'Maktab', 'Fan', 'Haftalik soat', 'Yillik soat', 'Holati'],
  );
  assert.deepEqual(
    columns.map((column) => column.number),
    [true, false, false, false, true, true, false],
  );
});

// The zoom's rule is the desktop's (tests/screen_view/screen_view_test.cpp); the page calls it by these names.
test("the report zooms by the module's steps, held between 25 % and 400 %", () => {
  assert.equal(module.steppedZoom(1, 1), 1.25);
  assert.equal(module.zoomText(0.8), '80%');
  assert.equal(module.heldZoom(9), 4);
  assert.equal(module.heldZoom(0.01), 0.25);
  const form = JSON.parse(module.formControls());
  assert.equal(form.twipsPerPixel, 15);
});

test("a staff's work is said in the desktop's words, the reports that could not be made after an empty line", () => {
  assert.equal(module.staffProgressText(3, 40), 'Hisobotlar tayyorlanmoqda: 3 / 40');
  assert.equal(module.staffStoppedText(), "To'xtatildi, fayl yozilmadi.");
  const book = new module.StaffBook(2025, plainMeasure);
  try {
    const teacher = {
      line: 2,
      name: 'Ali',
      school: '1',
      subject: 'f',
      category: 'upper',
      weeklyHours: '24',
      rate: '20',
    };
    assert.equal(JSON.parse(book.add(teacher)).ok, true);
    assert.equal(JSON.parse(book.add({ ...teacher, line: 5, weeklyHours: '500' })).ok, false);
    assert.equal(book.anyRefused(), true);
    assert.match(
      book.fileText('x hisobotlari.xlsx'),
      new RegExp(
        "^1 ta o'qituvchining hisoboti yuklab olishga berildi:\nx hisobotlari\\.xlsx\n" +
          '\\(brauzer boshqa nom berishi mumkin\\)\n\nTayyorlanmagan hisobotlar:\nqator 5: ',
      ),
    );
  } finally {
    book.delete();
  }
  const none = new module.StaffBook(2025, plainMeasure);
  try {
    assert.equal(none.nothingMadeText(), 'Hech bir hisobot tayyorlanmadi, fayl yozilmadi.');
  } finally {
    none.delete();
  }
});

// What the page would show from a copy of its own: comments aside, no text of the module's
// is written in the page's scripts or its markup.
test("no text the desktop shows is written into the page's sources", () => {
  const code = (text) =>
    text
      .split('\n')
      .filter((line) => !/^\s*\/\//.test(line))
      .join('\n')
      .replace(/<!--[\s\S]*?-->/g, '');
  const shared = [
    ...Object.values(labels).flatMap((label) => [label.text, label.toolTip]),
    ...columns.flatMap((column) => [column.heading, column.toolTip]),
    'Hisobotlar tayyorlanmoqda',
    module.staffStoppedText(),
    module.reportFailedWords(),
    'Tayyorlanmagan hisobotlar',
    'Hech bir hisobot tayyorlanmadi',
    "ta o'qituvchi",
    'hisoboti saqlandi',
    'Rad etilgan',
    'ochilmadi',
    module.reportFontFamily(),
  ].filter((text) => text && text.length > 3);
  // A sentence anywhere; a name as a text of its own (the page may say "Excel kitobi" in a
  // sentence of its own).
  const escaped = (words) => words.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  const written = (text, words) =>
    words.length >= 25 ? text.includes(words) : new RegExp(`[>"'\`]\\s*${escaped(words)}\\s*[<"'\`]`).test(text);
  for (const [file, text] of [['index.html', html], ...scripts]) {
    for (const words of shared) assert.ok(!written(code(text), words), `${file}: "${words}"`);
  }
});
