// The page for the keys and for readers of the screen, in Chromium: axe-core finds nothing
// against WCAG 2.0, 2.1 and 2.2 (A and AA) in any state a teacher meets, on a phone's touch
// screen and on a computer's; the report's grid is read cell by cell from the browser's own
// accessibility tree, before and after a correction, one stop of Tab; and a correction's
// marks stand out. The keys alone move about the report in every engine's flow.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';

import { launchChromium, openBuiltPage, openForTests, runReport } from './support.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const WCAG = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa'];
const opened = openForTests('a11y', async (folder) => ({ browser: await launchChromium(folder) }));
const { scratch } = opened;
const roster = path.join(scratch, 'xodimlar.csv');
writeFileSync(
  roster,
  [
    'ism;maktab;fan;toifa;soat;stavka;rahbar',
    'Aliyev Vali;12;fizika;yuqori;24;;ha',
    'Karimova Dilnoza;7;ona tili;boshlangich;22,5;;0',
    '',
  ].join('\n'),
);
// A list of refusals only, longer than its box: no row takes the focus, the box itself does.
const refusals = path.join(scratch, 'rad etilgan.csv');
writeFileSync(
  refusals,
  [
    'ism;maktab;fan;toifa;soat;stavka;rahbar',
    ...Array.from({ length: 60 }, (_, row) => `O'qituvchi ${row};12;fizika;yuqori;ko'p;;ha`),
    '',
  ].join('\n'),
);

const SCREENS = [
  { name: 'a computer at 1280 px', viewport: { width: 1280, height: 900 } },
  {
    name: 'a phone at 360 px with touch',
    viewport: { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
  },
];

// The page in a browsing context of its own, with its own storage, on the screen given.
async function openOn(screen) {
  const page = await (await opened.browser.createBrowserContext()).newPage();
  // Leaving a report changed since it was saved asks first; the test goes on.
  page.on('dialog', (dialog) => dialog.accept());
  await page.setViewport(screen.viewport);
  await openBuiltPage(page);
  return page;
}

// What axe-core finds against the WCAG's A and AA rules, each rule with the elements it names.
async function faults(page) {
  await page.evaluate(axeSource);
  const { violations } = await page.evaluate(
    (tags) => window.axe.run(document, { runOnly: { type: 'tag', values: tags } }),
    WCAG,
  );
  return violations.map((rule) => `${rule.id}: ${rule.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

const focusedId = (page) =>
  page.evaluate(() => document.activeElement?.id || document.activeElement?.dataset.gridCell || '');

// Tab pressed until the focus is where wanted says, within a page's worth of stops.
async function tabTo(page, wanted) {
  for (let stop = 0; stop < 60; stop += 1) {
    if (await page.evaluate(wanted)) return;
    await page.keyboard.press('Tab');
  }
  assert.fail(`Tab never reached ${wanted}`);
}

async function pressWith(page, modifier, key) {
  await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  await page.keyboard.up(modifier);
}

for (const screen of SCREENS) {
  test(`axe finds no fault in any of the page's states on ${screen.name}`, async () => {
    const page = await openOn(screen);
    const found = {};
    const look = async (state) => {
      found[state] = await faults(page);
    };
    await look('the form');
    await page.click('#Help');
    await page.waitForSelector('#HelpDialog[open]');
    await look('the help');
    await page.keyboard.press('Escape');
    await page.waitForSelector('#HelpDialog:not([open])');
    assert.equal(await focusedId(page), 'Help', 'the focus comes back from the help');
    await runReport(page);
    await look('the drawn report');
    await page.focus('[data-grid-cell][tabindex="0"]');
    await page.keyboard.press('F1');
    await page.waitForSelector('#Explanation:not([hidden])');
    await look('a cell explained');
    await page.keyboard.press('Escape');
    await page.click('#BeforeRounding');
    await page.waitForSelector('#BeforeRoundingView:not([hidden])');
    await look('the report before rounding');
    await page.click('#BeforeRounding');
    await page.waitForSelector('#BeforeRoundingView[hidden]');
    await page.focus('[data-grid-cell][tabindex="0"]');
    await pressWith(page, 'Control', 'Home');
    for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
    await page.waitForSelector('#CellEditor:not([hidden])');
    await look('a cell being typed into');
    await page.keyboard.type('2,5');
    await page.keyboard.press('Enter');
    await page.click('#SaveXlsx');
    await page.waitForSelector('#CellsCheck[open]');
    await look('the question before saving');
    await page.keyboard.press('Escape');
    await page.waitForSelector('#CellsCheck:not([open])');
    assert.equal(await focusedId(page), 'SaveXlsx', 'the focus comes back from the question');
    await page.reload();
    await page.waitForSelector('body[data-offered="yes"]');
    await page.waitForSelector('#Recovery:not([hidden])');
    await look('the recovery offer');
    // The line removed with the focus on its button gives the focus back to the form.
    await page.focus('#Recovery [data-kept] button:last-child');
    await page.keyboard.press('Enter');
    await page.waitForSelector('#Recovery[hidden]');
    assert.equal(await focusedId(page), 'Text3', 'the focus comes back from the offer');
    await page.click('#RosterOpen');
    assert.equal(await focusedId(page), 'RosterChoose', 'the focus goes into the staff panel');
    await (await page.$('#Roster')).uploadFile(roster);
    await page.waitForSelector('#Staff[data-read="xodimlar.csv"]');
    await look('the staff list');
    await (await page.$('#Roster')).uploadFile(refusals);
    await page.waitForSelector('#Staff[data-read="rad etilgan.csv"]');
    await look('a staff list of refusals');
    await page.browserContext().close();
    assert.deepEqual(found, Object.fromEntries(Object.keys(found).map((state) => [state, []])));
  });
}

// The report's grid as Chromium gives it to a reader of the screen: {name, rows: [[{role,
// name, readOnly}]]}.
async function gridRead(page) {
  const session = await page.createCDPSession();
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const role = (node) => node.role?.value;
  const grid = nodes.find((node) => role(node) === 'grid');
  assert.ok(grid, 'the report is a grid');
  const rows = (grid.childIds ?? []).map((id) => byId.get(id)).filter((node) => role(node) === 'row');
  return {
    name: grid.name?.value,
    rows: rows.map((row) =>
      row.childIds
        .map((id) => byId.get(id))
        .map((cell) => ({
          role: role(cell),
          name: cell.name?.value ?? '',
          readOnly: Boolean(cell.properties?.find((property) => property.name === 'readonly')?.value.value),
        })),
    ),
  };
}

// What the drawing shows in each cell of rows 4 to 20, row by row.
const drawnRows = (page) =>
  page.evaluate(() => {
    const rows = [];
    for (let row = 4; row <= 20; row += 1) {
      rows.push(
        [...'ABCDEFGHIJKLMNOPQRS'].map(
          (letter) => document.querySelector(`svg.sheet [data-cell="${letter}${row}"]`)?.dataset.value ?? '',
        ),
      );
    }
    return rows;
  });

test('the report is a grid read cell by cell, its marks standing out by 3:1', async () => {
  const page = await openOn(SCREENS[0]);
  await runReport(page);
  const check = async () => {
    const read = await gridRead(page);
    const drawn = await drawnRows(page);
    assert.equal(read.name, 'Yillik taqsimot jadvali');
    assert.equal(read.rows.length, 17);
    read.rows.forEach((cells, index) => {
      assert.equal(cells.length, 19, `row ${index + 4}`);
      cells.forEach((cell, column) => {
        const where = `${'ABCDEFGHIJKLMNOPQRS'[column]}${index + 4}`;
        const shown = drawn[index][column];
        const heading = shown.replace(/\n/g, ' ');
        if (index === 0) return assert.deepEqual([cell.role, cell.name], ['columnheader', heading], where);
        if (column === 1) return assert.deepEqual([cell.role, cell.name], ['rowheader', heading], where);
        assert.equal(cell.role, 'gridcell', where);
        const month = drawn[0][column].replace(/\n/g, ' ');
        assert.ok(cell.name.startsWith(`${month}, `), `${where}: ${cell.name}`);
        assert.match(cell.name, new RegExp(`: ${shown === '' ? "bo'sh" : shown}(\\.|$)`), `${where}: ${cell.name}`);
        return undefined;
      });
    });
    return read;
  };
  const before = await check();
  // Headings, sums, quarters, the year and the section numbers are read only; a month's hours are not.
  const cellOf = (read, row, letter) => read.rows[row - 4]['ABCDEFGHIJKLMNOPQRS'.indexOf(letter)];
  const readOnly = (ref) => cellOf(before, Number(ref.slice(1)), ref[0]).readOnly;
  const readOnlyOnes = ['C8', 'F8', 'S8', 'C5', 'A7', 'C4', 'B8'].map(readOnly);
  assert.deepEqual(readOnlyOnes, [false, true, true, true, true, true, true]);
  // The grid is one stop of Tab, at its first cell of hours; the moves about it are every
  // engine's keyboard flow's. The typing box is named as its cell.
  await tabTo(page, () => Boolean(document.activeElement.dataset.gridCell));
  assert.equal(await focusedId(page), 'C5');
  assert.equal(await page.$$eval('[data-grid-cell][tabindex="0"]', (cells) => cells.length), 1);
  for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'F2']) await page.keyboard.press(key);
  const [boxName, computed] = await page.evaluate(() => [
    document.getElementById('CellEditor').getAttribute('aria-label'),
    document.querySelector('svg.sheet [data-cell="C8"]').dataset.value,
  ]);
  assert.equal(boxName, `Sentabr, Dars soatlari: ${computed}`);
  // A correction renames the cell, its mark said, and the totals it counts in.
  await page.keyboard.type('7');
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-cell="S8"] .mark.corner');
  const after = await check();
  assert.match(cellOf(after, 8, 'C').name, /^Sentabr, Dars soatlari: 7\. Tuzatilgan\. Hisoblangan: \d+ soat\.$/);
  assert.notEqual(cellOf(after, 8, 'S').name, cellOf(before, 8, 'S').name);
  // Each mark's cue (a fill's line, the corner itself) against the white of the paper and
  // against the fill it stands on, by the WCAG's relative luminance.
  const ratios = await page.evaluate(() => {
    const linear = (share) => (share <= 0.04045 ? share / 12.92 : ((share + 0.055) / 1.055) ** 2.4);
    const luminance = (color) => {
      const [r, g, b] = color.match(/\d+(\.\d+)?/g).map((channel) => linear(Number(channel) / 255));
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const ratio = (a, b) => {
      const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
      return (light + 0.05) / (dark + 0.05);
    };
    const white = 'rgb(255, 255, 255)';
    const style = (selector) => getComputedStyle(document.querySelector(selector));
    const corrected = style('[data-cell="C8"] .mark.corrected');
    const changedYear = style('[data-cell="S8"] .mark.yearDiffers');
    const corner = style('[data-cell="S8"] .mark.corner');
    return {
      corrected: Math.min(ratio(corrected.stroke, white), ratio(corrected.stroke, corrected.fill)),
      changedYear: Math.min(ratio(changedYear.stroke, white), ratio(changedYear.stroke, changedYear.fill)),
      corner: Math.min(ratio(corner.fill, white), ratio(corner.fill, changedYear.fill)),
      lines: [corrected.strokeWidth, changedYear.strokeWidth].map(parseFloat),
    };
  });
  for (const mark of ['corrected', 'changedYear', 'corner']) assert.ok(ratios[mark] >= 3, `${mark}: ${ratios[mark]}`);
  for (const width of ratios.lines) assert.ok(width >= 1, `a line of ${width}`);
  await page.browserContext().close();
});
