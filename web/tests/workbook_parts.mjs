// Workbooks of the three editions compared as their packages hold them: the same parts in
// the same order, each byte for byte (the deflated bytes may differ: each edition packs
// with its own deflater), so that a failure names the part that differs. The desktop's
// library writes its own for the same input through the tests' helper program.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import path from 'node:path';

import ExcelJS from 'exceljs';
import JSZip from 'jszip';

import { root } from './support.mjs';

export const desktopWorkbooks =
  process.env.SOATNOMA_DESKTOP_WORKBOOKS ?? path.join(root, 'build/tests/cli/desktop_workbooks');
export const canCompareEditions = existsSync(desktopWorkbooks);

// The desktop library's workbook: desktopWorkbook('report', file, year, ...), ('staff',
// file, year, roster) or ('example', file); its bytes.
export function desktopWorkbook(kind, file, ...args) {
  const run = spawnSync(desktopWorkbooks, [kind, file, ...args.map(String)], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
    encoding: 'utf8',
  });
  assert.equal(run.status, 0, run.stderr);
  return readFileSync(file);
}

// A workbook as ExcelJS reads it, from its file or its bytes.
export async function readWorkbook(from) {
  const workbook = new ExcelJS.Workbook();
  await (typeof from === 'string' ? workbook.xlsx.readFile(from) : workbook.xlsx.load(from));
  return workbook;
}

// The package's parts in its order: [{name, text}].
export async function packageParts(bytes) {
  const zip = await JSZip.loadAsync(bytes);
  const parts = [];
  for (const name of Object.keys(zip.files)) parts.push({ name, text: await zip.file(name).async('string') });
  return parts;
}

// Each workbook of editions ({edition: bytes}) holds the first one's parts, byte for byte.
export async function assertSameWorkbooks(editions, label) {
  const [[firstName, first], ...others] = Object.entries(editions);
  const expected = await packageParts(first);
  assert.ok(expected.length >= 6, `${label}: ${firstName} has ${expected.length} parts`);
  for (const [name, bytes] of others) {
    const parts = await packageParts(bytes);
    assert.deepEqual(
      parts.map((part) => part.name),
      expected.map((part) => part.name),
      `${label}: ${name}'s parts`,
    );
    for (const [index, part] of parts.entries()) {
      assert.ok(part.text === expected[index].text, `${label}: ${part.name} of ${name} differs from ${firstName}'s`);
    }
  }
  return expected;
}
