// The texts the page shows that the desktop shows too, and those only the page says, come
// from the module (each name the
// page shows is the module's: page.test.mjs), and none of them is written into the page's
// own sources again.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';

import { loadModule, root } from './support.mjs';

const module = await loadModule();
const labels = JSON.parse(module.actionLabels());
const columns = JSON.parse(module.rosterColumns());
const html = readFileSync(path.join(root, 'web/index.html'), 'utf8');
const scripts = readdirSync(path.join(root, 'web/src'), { recursive: true })
  .filter((file) => file.endsWith('.js'))
  .map((file) => [file, readFileSync(path.join(root, 'web/src', file), 'utf8')]);

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
    ...Object.values(JSON.parse(module.pageWords())),
  ].filter((text) => text && text.length > 3);
  // A sentence anywhere; a name as a text of its own, or opening one before a detail (the page
  // may say "Excel kitobi" in a sentence of its own).
  const escaped = (words) => words.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  const written = (text, words) =>
    words.length >= 25
      ? text.includes(words)
      : new RegExp(`[>"'\`]\\s*${escaped(words)}\\s*(?:[<"'\`:]|\\$\\{)`).test(text);
  assert.ok(scripts.length > 40, "the page's scripts are read");
  for (const [file, text] of [['index.html', html], ...scripts]) {
    for (const words of shared) assert.ok(!written(code(text), words), `${file}: "${words}"`);
  }
});
