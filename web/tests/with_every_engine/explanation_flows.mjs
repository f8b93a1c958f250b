// How a cell came by its hours, in every engine: on a computer F1 on the chosen cell and the
// cell's tool tip say what `soatnoma-cli explain` prints, the box following the chosen cell;
// "Hisoblangani" shows the report before rounding instead of the page and back; on a phone a
// long press on a cell explains it without opening its typing box, and the "?" button too.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';

import { cli } from '../support.mjs';

// The command line's options for the run the form's boxes hold, as the report shown was made.
const formRun = () => [
  '--category',
  document.getElementById('Option1').checked ? 'primary' : 'upper',
  '--weekly',
  document.getElementById('Text2').value,
  '--rate',
  document.getElementById('Text1').value,
  ...(document.getElementById('Check1').checked ? ['--leader'] : []),
];

// The lines `soatnoma-cli explain` prints for the cell, its name first.
function explained(ref, run) {
  return execFileSync(cli, ['explain', ...run, ref], { encoding: 'utf8' })
    .trimEnd()
    .split('\n');
}

// The box's cell and lines as the page shows them; null while it is closed.
const shownBox = () => {
  const box = document.getElementById('Explanation');
  if (box.hidden) return null;
  return [box.querySelector('.cell').textContent, ...[...box.querySelectorAll('li')].map((line) => line.textContent)];
};

// A field of the command line's table as the explanation shows a number: to the hundredth,
// halves away from zero, with the decimal comma; a text as it is.
function hundredth(field) {
  const number = Number(field);
  if (field === '' || Number.isNaN(number)) return field;
  return String(Math.sign(number) * (Math.round(Math.abs(number) * 100) / 100)).replace('.', ',');
}

export function explanationFlows(flow) {
  test("F1 on the chosen cell explains it in the command line's words, and the box follows the cell", async () => {
    flow.run = await flow.browser.evaluate(formRun);
    await flow.browser.click('[data-cell="D8"] rect.border');
    await flow.browser.press('F1');
    await flow.browser.waitFor(() => document.getElementById('Explanation').dataset.cell === 'D8');
    assert.deepEqual(await flow.browser.evaluate(shownBox), explained('D8', flow.run));
    // Typing into the cell is not what F1 does: no box was opened.
    assert.equal(await flow.browser.evaluate(() => document.getElementById('CellEditor').hidden), true);
    await flow.browser.press('ArrowRight');
    await flow.browser.waitFor(() => document.getElementById('Explanation').dataset.cell === 'E8');
    assert.deepEqual(await flow.browser.evaluate(shownBox), explained('E8', flow.run));
    await flow.browser.press('Escape');
    await flow.browser.waitFor(() => document.getElementById('Explanation').hidden);
    assert.deepEqual(flow.browser.errors, []);
  });

  test("a cell's tool tip carries its explanation", async () => {
    // The pointer over the cell, as a mouse passes over it.
    const toolTip = await flow.browser.evaluate(() => {
      const cell = document.querySelector('[data-cell="J8"]');
      const over = new PointerEvent('pointerover', { bubbles: true, pointerType: 'mouse' });
      cell.querySelector('text').dispatchEvent(over);
      return cell.querySelector(':scope > title')?.textContent ?? null;
    });
    assert.equal(toolTip, explained('J8', flow.run).join('\n'));
  });

  test('"Hisoblangani" shows the whole report before rounding instead of the page, and the page again', async () => {
    await flow.browser.click('#BeforeRounding');
    await flow.browser.waitFor(() => !document.getElementById('BeforeRoundingView').hidden);
    const shown = await flow.browser.evaluate(() => ({
      pressed: document.getElementById('BeforeRounding').getAttribute('aria-pressed'),
      page: !document.getElementById('sheet').hidden,
      caption: document.querySelector('#BeforeRoundingView caption').textContent,
      rows: [...document.querySelectorAll('#BeforeRoundingView tbody tr')].map((row) =>
        [...row.children].map((cell) => cell.textContent),
      ),
    }));
    assert.equal(shown.pressed, 'true');
    assert.equal(shown.page, false);
    assert.equal(shown.caption, 'Hisoblangani (yaxlitlashdan oldin)');
    // Every number of the table before rounding, to the hundredth as the explanation shows it.
    const before = execFileSync(cli, ['table', ...flow.run, '--before-rounding'], { encoding: 'utf8' })
      .trim()
      .split('\n');
    assert.equal(shown.rows.length, before.length);
    shown.rows.forEach((row, index) => {
      assert.deepEqual(row.slice(1), before[index].split(',').map(hundredth), `row ${index + 5}`);
    });
    await flow.browser.click('#BeforeRounding');
    await flow.browser.waitFor(
      () => document.getElementById('BeforeRoundingView').hidden && !document.getElementById('sheet').hidden,
    );
  });
}

export function phoneExplanationFlow(flow) {
  test('on a phone a long press explains a cell without opening its typing box, and so does "?"', async () => {
    await flow.browser.tap('#ZoomFit');
    const explainedD9 = () => document.getElementById('Explanation').dataset.cell === 'D9';
    await flow.browser.longPress('[data-cell="D9"] rect.border', explainedD9);
    const run = await flow.browser.evaluate(formRun);
    assert.deepEqual(await flow.browser.evaluate(shownBox), explained('D9', run));
    assert.equal(await flow.browser.evaluate(() => document.getElementById('CellEditor').hidden), true);
    const [box] = await flow.reader.rects('#Explanation');
    assert.ok(box.width <= 360, `the explanation fits the phone: ${box.width} px`);
    await flow.browser.tap('#Explanation .close');
    // The tap after a long press chooses its cell as before, and "?" explains the cell chosen.
    await flow.browser.tap('[data-cell="C8"] rect.border');
    if (await flow.browser.evaluate(() => !document.getElementById('CellEditor').hidden))
      await flow.browser.press('Escape');
    await flow.browser.tap('#ExplainCell');
    await flow.browser.waitFor(() => document.getElementById('Explanation').dataset.cell === 'C8');
    assert.deepEqual(await flow.browser.evaluate(shownBox), explained('C8', run));
    await flow.browser.tap('#Explanation .close');
  });
}
