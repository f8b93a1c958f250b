// The page's main flows, one set for every browser engine: opened from the file, the form
// run, a cell explained (explanation_flows.mjs), a cell corrected in its typing box
// at 100 % and zoomed (the box on its cell), the workbook downloaded and compared with what
// `soatnoma-cli report` writes, a staff list read, a staff workbook's teacher saved back into
// it, the report offered back after a reload, and the report on a phone's width fitted, zoomed,
// tapped and long pressed, and the page served over http.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { openBrowser } from '../browsers.mjs';
import { runCliBatch, servePage, webBuild, writeCliReport } from '../support.mjs';
import { assertSameWorkbooks, readWorkbook } from '../workbook_parts.mjs';
import { explanationFlows, phoneExplanationFlow } from './explanation_flows.mjs';

const year = new Date().getFullYear();
const teacher = { name: 'Abdurahmonova Oʻgʻiloyxon', school: '245', subject: "tasviriy san'at" };
const workbookName = `${teacher.name} ${year}-${year + 1}.xlsx`;

// What the flows read from the page and do to it, in the browser the flow has opened.
function readerOf(flow) {
  const text = (selector) =>
    flow.browser.evaluate((chosen) => document.querySelector(chosen)?.textContent ?? null, selector);
  const cellText = (ref) =>
    flow.browser.evaluate(
      (chosen) =>
        [...document.querySelectorAll(`[data-cell="${chosen}"] text`)].map((line) => line.textContent).join(' '),
      ref,
    );
  const statusLine = () =>
    flow.browser.evaluate(() => document.getElementById('status').textContent.replace(/\s+/g, ' ').trim());
  // Where the elements chosen stand on the screen, CSS pixels.
  const rects = (...selectors) =>
    flow.browser.evaluate(
      (chosen) =>
        chosen.map((selector) => {
          const box = document.querySelector(selector).getBoundingClientRect();
          return { left: box.left, top: box.top, width: box.width, height: box.height };
        }),
      selectors,
    );
  const typeInto = async (id, typed) => {
    await flow.browser.evaluate((chosen) => {
      document.getElementById(chosen).value = '';
    }, id);
    await flow.browser.click(`#${id}`);
    await flow.browser.type(typed);
  };

  // Where a cell's frame is drawn on the screen: its place in the drawing scaled as the
  // drawing stands. (Firefox counts the width of a frame's line and a pixel about it into an
  // SVG shape's own box.)
  const cellRect = (ref) =>
    flow.browser.evaluate((chosen) => {
      const svg = document.querySelector('svg.sheet');
      const drawing = svg.getBoundingClientRect();
      const scale = drawing.width / svg.viewBox.baseVal.width;
      const frame = document.querySelector(`[data-cell="${chosen}"] rect.border`);
      const [x, y, width, height] = ['x', 'y', 'width', 'height'].map((side) => frame[side].baseVal.value * scale);
      return { left: drawing.left + x, top: drawing.top + y, width, height };
    }, ref);

  // The typing box against its cell, and both against what can be seen of the report.
  const assertBoxOnCell = async (ref, where) => {
    const [editor, sheet] = await rects('#CellEditor', '#sheet');
    const cell = await cellRect(ref);
    const state = await flow.browser.evaluate(() => ({
      open: !document.getElementById('CellEditor').hidden,
      focused: document.activeElement?.id,
    }));
    assert.deepEqual(
      state,
      { open: true, focused: 'CellEditor' },
      `${where}: the typing box is open and takes the keys`,
    );
    // The box stands about the cell's middle, covering it: on a touch screen grown so that its
    // text is at least 16 pixels on the screen, elsewhere just on the cell.
    const middle = (rect) => [rect.left + rect.width / 2, rect.top + rect.height / 2];
    middle(editor).forEach((at, axis) =>
      assert.ok(Math.abs(at - middle(cell)[axis]) < 1, `${where}: the box about the cell's middle`),
    );
    const shown = await flow.browser.evaluate(() => {
      const box = document.getElementById('CellEditor');
      const page = document.querySelector('#sheet .page');
      const scale = page.getBoundingClientRect().width / page.offsetWidth;
      return {
        text: parseFloat(getComputedStyle(box).fontSize) * scale,
        touch: matchMedia('(pointer: coarse)').matches,
      };
    });
    for (const side of ['width', 'height']) {
      const fits = shown.touch ? editor[side] > cell[side] - 1 : Math.abs(editor[side] - cell[side]) < 1;
      assert.ok(fits, `${where}: the box's ${side} ${editor[side]} against the cell's ${cell[side]}`);
    }
    if (shown.touch) assert.ok(shown.text >= 15.9, `${where}: the box's text is ${shown.text} px on the screen`);
    assert.ok(
      editor.left >= sheet.left - 1 &&
        editor.left + editor.width <= sheet.left + sheet.width + 1 &&
        editor.top >= sheet.top - 1 &&
        editor.top + editor.height <= sheet.top + sheet.height + 1,
      `${where}: the box ${JSON.stringify(editor)} within the report's view ${JSON.stringify(sheet)}`,
    );
  };

  return { text, cellText, statusLine, rects, typeInto, assertBoxOnCell };
}

// The page opened, the form run, its workbook downloaded.
function formFlows(flow) {
  const { text, cellText, typeInto } = flow.reader;

  test('the page opens from its file, and Enter in the weekly hours draws the report', async () => {
    assert.equal(await text('.title'), 'Soatnoma');
    assert.deepEqual(flow.browser.errors, []);
    await flow.browser.click('#Option1');
    await typeInto('Text3', teacher.name);
    await typeInto('Text6', teacher.school);
    await typeInto('Text4', teacher.subject);
    await flow.browser.click('#Check1');
    await typeInto('Text2', '24');
    await flow.browser.press('Enter');
    await flow.browser.waitFor(() => document.body.dataset.report === 'drawn');
    assert.equal(await text('#message'), '');
    assert.match(await cellText('A2'), new RegExp(`Oʻgʻiloyxonning\\s+${year}/${year + 1} o'quv yili`));
    flow.total = Number(await cellText('S5'));
    assert.ok(flow.total > 0);
  });

  test('"Excel kitobi" downloads the workbook the command line writes', async () => {
    const ours = await flow.browser.download('#SaveXlsx', workbookName);
    const theirs = path.join(flow.scratch, 'cli.xlsx');
    writeCliReport(teacher, year, theirs);
    await assertSameWorkbooks({ page: ours, cli: readFileSync(theirs) }, workbookName);
  });
}

// A cell corrected at 100 % and zoomed, and the correction offered back after a reload.
function correctionFlows(flow) {
  const { text, cellText, statusLine, assertBoxOnCell } = flow.reader;

  test('a cell typed over in its box moves the totals and is marked (the keys undo and redo it)', async () => {
    const computed = Number(await cellText('D8'));
    await flow.browser.click('[data-cell="D8"] rect.border');
    await flow.browser.type('2,25');
    await assertBoxOnCell('D8', '100 %');
    await flow.browser.press('Enter');
    assert.equal(await cellText('D8'), '2');
    assert.equal(Number(await cellText('S5')), flow.total - computed + 2);
    assert.ok(await flow.browser.evaluate(() => Boolean(document.querySelector('[data-cell="D8"] .mark.corrected'))));
  });

  test('zoomed in, the typing box lands on its cell and in sight', async () => {
    // The zoom from the keyboard: WebKit's driver, pressing at where the button was a moment
    // before, now and then hits the status line above it.
    await flow.browser.evaluate(() => document.getElementById('ZoomIn').focus());
    await flow.browser.press('Enter');
    assert.equal(await text('#ZoomText'), '125%');
    await flow.browser.click('[data-cell="C8"] rect.border');
    await flow.browser.press('F2');
    await assertBoxOnCell('C8', '125 %');
    await flow.browser.press('Escape');
    await flow.browser.evaluate(() => document.getElementById('ZoomFit').focus());
    await flow.browser.press('Enter');
    assert.equal(await text('#ZoomText'), '100%');
  });

  test('a reload offers the report back with its correction', async () => {
    const status = await statusLine();
    const keeps = await flow.browser.evaluate(() => Number(document.body.dataset.keeps ?? 0));
    await flow.browser.click('[data-cell="E8"] rect.border');
    await flow.browser.type('7');
    await flow.browser.press('Enter');
    await flow.browser.waitFor((before) => Number(document.body.dataset.keeps ?? 0) > before, keeps);
    const corrected = await statusLine();
    assert.notEqual(corrected, status);
    const asked = await flow.browser.reload();
    if (flow.browser.asksBeforeLeaving) assert.deepEqual(asked, ['beforeunload']);
    await flow.browser.waitFor(() => document.body.dataset.offered === 'yes');
    assert.equal(await flow.browser.evaluate(() => document.getElementById('report').hidden), true);
    await flow.browser.click('#Recovery [data-kept] button');
    await flow.browser.waitFor(() => document.body.dataset.report === 'drawn');
    assert.equal(await cellText('E8'), '7');
    assert.equal(await cellText('D8'), '2');
    assert.equal(await statusLine(), corrected);
  });
}

// A staff list read.
// The keys alone: Tab through the form to the weekly hours, Enter runs, Tab reaches the
// report's grid at one stop, the keys move the focus cell by cell, Enter opens the typing box,
// Ctrl+Z and Ctrl+Y undo and redo, and the workbook is saved through the question before it.
function keyboardFlow(flow) {
  const focused = () =>
    flow.browser.evaluate(() => document.activeElement?.dataset.gridCell ?? document.activeElement?.id ?? '');
  const shown = (ref) =>
    flow.browser.evaluate((chosen) => document.querySelector(`svg.sheet [data-cell="${chosen}"]`).dataset.value, ref);
  const tabTo = async (wanted, back = false) => {
    for (let stop = 0; stop < 60; stop += 1) {
      if (await flow.browser.evaluate(wanted)) return;
      await flow.browser.press('Tab', { shift: back });
    }
    assert.fail(`Tab never reached ${wanted}`);
  };

  test("the keys alone run the form, move about the report's grid, correct, undo and save", async () => {
    await flow.browser.evaluate(() => {
      delete document.body.dataset.report;
      delete document.body.dataset.workbook;
    });
    // The teacher comes to the window and its first box as anyone does; from there, the keys.
    await flow.browser.click('#Text3');
    await tabTo(() => document.activeElement.id === 'Text2');
    // The box may hold what an earlier flow typed, and not every engine selects it on Tab.
    await flow.browser.press('a', { ctrl: true });
    await flow.browser.type('25');
    await flow.browser.press('Enter');
    await flow.browser.waitFor(() => document.body.dataset.report === 'drawn');
    await tabTo(() => Boolean(document.activeElement.dataset.gridCell));
    const steps = [];
    const moves = ['End', 'Home', 'PageDown', 'Control+Home', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowRight'];
    for (const key of moves) {
      await flow.browser.press(key.replace('Control+', ''), { ctrl: key.startsWith('Control+') });
      steps.push(await focused());
    }
    assert.deepEqual(steps, ['S5', 'C5', 'C20', 'C5', 'C6', 'C7', 'C8', 'D8']);
    // The cell in focus is outlined on the screen.
    assert.equal(await flow.browser.evaluate(() => getComputedStyle(document.activeElement).outlineStyle), 'solid');
    const computed = await shown('D8');
    await flow.browser.press('Enter');
    await flow.browser.waitFor(() => document.activeElement?.id === 'CellEditor');
    await flow.browser.type('9');
    await flow.browser.press('Enter');
    await flow.browser.waitFor(() => document.activeElement?.dataset.gridCell === 'D9');
    assert.equal(await shown('D8'), '9');
    const said = await flow.browser.evaluate(() => document.getElementById('ReportSaid').textContent);
    assert.match(said, /^Oktabr, Dars soatlari: 9\./);
    await flow.browser.press('z', { ctrl: true });
    assert.equal(await shown('D8'), computed);
    await flow.browser.press('y', { ctrl: true });
    assert.equal(await shown('D8'), '9');
    await tabTo(() => document.activeElement.id === 'SaveXlsx', true);
    await flow.browser.press('Enter');
    await flow.browser.waitFor(() => document.activeElement?.id === 'CellsCheckFirst');
    await tabTo(() => document.activeElement.id === 'CellsCheckGoOn', true);
    await flow.browser.press('Enter');
    await flow.browser.waitFor(() => document.body.dataset.workbook === 'downloaded');
  });
}

function staffFlow(flow) {
  const { text } = flow.reader;

  test('a staff list is read and listed row by row', async () => {
    const roster = path.join(flow.scratch, 'xodimlar.csv');
    writeFileSync(
      roster,
      'ism;maktab;fan;toifa;soat\nAliyev Vali;12;fizika;yuqori;24\n' +
        'Karimova Oydin;7;ona tili;boshlangich;22,5\nYomon Soat;3;kimyo;yuqori;24abc\n',
    );
    await flow.browser.click('#RosterOpen');
    await flow.browser.setFile('#Roster', roster);
    await flow.browser.waitFor(() => document.getElementById('Staff').dataset.read === 'xodimlar.csv');
    const rows = await flow.browser.evaluate(() =>
      [...document.querySelectorAll('#RosterRows tbody tr')].map((row) => [
        row.dataset.line,
        row.dataset.status,
        row.cells[1].textContent,
      ]),
    );
    assert.deepEqual(rows, [
      ['2', 'ok', 'Aliyev Vali'],
      ['3', 'ok', 'Karimova Oydin'],
      ['4', 'refused', 'Yomon Soat'],
    ]);
    assert.equal(await text('#StaffMessage'), "Tayyor: 2 ta o'qituvchi. Rad etilgan: 1 ta qator.");
    assert.equal(await flow.browser.evaluate(() => document.getElementById('SaveStaffXlsx').disabled), false);
    await flow.browser.evaluate(() => {
      document.getElementById('Staff').hidden = true;
    });
  });
}

// A staff workbook `soatnoma-cli batch` wrote, opened, a teacher corrected and the whole
// workbook saved back (the sheet's XML rewritten by the engine's own parser and serializer).
function staffWorkbookFlow(flow) {
  const { cellText } = flow.reader;

  test("a staff workbook's teacher is opened from its list and saved back into the whole workbook", async () => {
    const book = path.join(flow.scratch, 'maktab.xlsx');
    // The list's refused row is skipped (status 1); its two ready teachers are in the workbook.
    runCliBatch(path.join(flow.scratch, 'xodimlar.csv'), book, year, 1);
    await flow.browser.setFile('#OpenFile', book);
    await flow.browser.waitFor(() => document.getElementById('StaffBook').dataset.listed === 'maktab.xlsx');
    await flow.browser.click('#StaffBook tr[data-sheet="Karimova Oydin"] button');
    await flow.browser.waitFor(() => document.body.dataset.opened === 'maktab.xlsx [Karimova Oydin]');
    const hours = Number(await cellText('C8'));
    await flow.browser.click('[data-cell="C8"] rect.border');
    await flow.browser.type(String(hours + 3));
    await flow.browser.press('Enter');
    await flow.browser.click('#SaveXlsx');
    await flow.browser.waitFor(() => document.getElementById('CellsCheck').open);
    const saved = await flow.browser.download('#CellsCheckGoOn', 'maktab.xlsx');
    const [before, after] = await Promise.all([readFileSync(book), saved].map(readWorkbook));
    const totals = (workbook) => [4, 5, 6].map((row) => Number(workbook.worksheets[0].getCell(row, 9).result));
    // "Jami" holds the two teachers, then the staff: the other teacher's total stays, this one's and the staff's move.
    assert.deepEqual(totals(after), [totals(before)[0], totals(before)[1] + 3, totals(before)[2] + 3]);
    assert.equal(after.getWorksheet('Karimova Oydin').getCell('C8').value, hours + 3);
    assert.equal(after.worksheets.length, before.worksheets.length);
    // Handed over as a download, the report stays kept: offered after a reload, named with its
    // sheet, and let go, so the flows after this one find the page as they left it.
    await flow.browser.reload();
    await flow.browser.waitFor(() => document.body.dataset.offered === 'yes');
    const kept = await flow.browser.evaluate(
      () =>
        [...document.querySelectorAll('#Recovery [data-kept]')].find((line) =>
          line.textContent.includes('(maktab.xlsx, "Karimova Oydin" varag\'i)'),
        )?.dataset.kept ?? null,
    );
    assert.ok(kept, 'the teacher of the staff workbook is offered back');
    await flow.browser.click(`#Recovery [data-kept="${kept}"] button:last-child`);
    await flow.browser.waitFor((id) => !document.querySelector(`#Recovery [data-kept="${id}"]`), kept);
  });
}

// The report on a phone's width.
function phoneFlow(flow) {
  const { rects, assertBoxOnCell } = flow.reader;

  test("on a phone's width the report fits, zooms, and the typing box lands on its cell", async () => {
    await flow.browser.size(360, 740);
    // The page opened anew on the phone, the reports kept before let go: a page short
    // enough to need no scroll bar until the report is shown.
    await flow.browser.reload();
    await flow.browser.waitFor(() => document.body.dataset.offered === 'yes');
    while (await flow.browser.evaluate(() => Boolean(document.querySelector('#Recovery [data-kept]')))) {
      const left = await flow.browser.evaluate(() => document.querySelectorAll('#Recovery [data-kept]').length);
      await flow.browser.tap('#Recovery [data-kept] button:last-child');
      await flow.browser.waitFor((before) => document.querySelectorAll('#Recovery [data-kept]').length < before, left);
    }
    // A report made at this width is fitted to the room left once it is shown. The form
    // comes back as it was last used, so the upper classes are chosen first.
    await flow.browser.tap('#Option2');
    await flow.browser.evaluate(() => {
      document.getElementById('Text2').value = '';
    });
    await flow.browser.tap('#Text2');
    await flow.browser.type('18');
    await flow.browser.tap('#Command1');
    await flow.browser.waitFor(() => document.body.dataset.report === 'drawn');
    // It opens where its months read, scrolling in its box; scrolled to its far side, the
    // rows' short titles stay pinned at the left in place of the printed ones (A:B).
    const pinned = await flow.browser.evaluate(async () => {
      const sheet = document.getElementById('sheet');
      const across = sheet.scrollWidth > sheet.clientWidth;
      sheet.scrollIntoView();
      sheet.scrollLeft = sheet.scrollWidth;
      await new Promise(requestAnimationFrame);
      const frame = sheet.getBoundingClientRect();
      const seen = document.elementFromPoint(
        frame.left + sheet.clientWidth * 0.2,
        frame.top + sheet.clientHeight * 0.6,
      );
      const title = seen?.closest('[data-title-row]');
      return {
        across,
        zoom: document.getElementById('ZoomText').textContent,
        cell: title && `B${title.dataset.titleRow}`,
        pinned: Boolean(title?.closest('.frozen-pane')),
      };
    });
    assert.ok(pinned.across && parseInt(pinned.zoom, 10) >= 80, `opened at ${pinned.zoom}, scrolling across`);
    assert.ok(pinned.pinned && /^B([5-9]|1\d|20)$/.test(pinned.cell), `a row title pinned: ${JSON.stringify(pinned)}`);
    await flow.browser.tap('#ZoomFit');
    const [fitted] = await rects('#sheet .page');
    const sideways = await flow.browser.evaluate(() =>
      [document.documentElement, document.getElementById('sheet')].map((box) => ({
        content: box.scrollWidth,
        room: box.clientWidth,
      })),
    );
    for (const { content, room } of sideways)
      assert.ok(content <= room, `nothing scrolls sideways: ${content} px in ${room}`);
    const sheet = sideways[1].room;
    assert.ok(fitted.width <= sheet && fitted.width > 300, `the page fits: ${fitted.width}`);
    // The title's lines run as long as they were laid out, within the drawing, small as it is.
    const title = await flow.browser.evaluate(() => {
      const drawing = document.querySelector('svg.sheet').getBoundingClientRect();
      return [...document.querySelectorAll('[data-cell="A2"] text')].map((line) => {
        const box = line.getBoundingClientRect();
        return { left: box.left - drawing.left, right: drawing.right - box.right };
      });
    });
    assert.ok(title.length > 0 && title.every(({ left, right }) => left > 0 && right > 0), JSON.stringify(title));
    await flow.browser.tap('[data-cell="C8"] rect.border');
    await flow.browser.press('F2');
    await assertBoxOnCell('C8', 'fitted');
    await flow.browser.press('Escape');
    // A double tap opens the box where the report is, rather than carrying the report away.
    await flow.browser.doubleTap('[data-cell="D9"] rect.border');
    await assertBoxOnCell('D9', 'double tap');
    await flow.browser.press('Escape');
    await flow.browser.tap('#ZoomIn');
    await flow.browser.tap('#ZoomIn');
    await flow.browser.tap('[data-cell="C8"] rect.border');
    await flow.browser.press('F2');
    await assertBoxOnCell('C8', 'zoomed on the phone');
    // The box stays open on its cell while the zoom changes under it.
    await flow.browser.tap('#ZoomOut');
    await assertBoxOnCell('C8', 'zoomed out while typing');
    await flow.browser.press('Escape');
  });
}

// The page served over http.
function servedFlow(flow) {
  test('served over http, the page opens without a fault and describes itself as a web app', async () => {
    const served = await servePage();
    try {
      flow.browser.errors.length = 0;
      await flow.browser.goto(served.url);
      await flow.browser.waitFor(() => document.body.dataset.ready === 'yes');
      await flow.browser.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      assert.deepEqual(flow.browser.errors, []);
      // Nothing but the page and its worker asked for (no /favicon.ico, which the page's own
      // rules would refuse with an error).
      assert.deepEqual([...new Set(served.asked)].sort(), ['/soatnoma.html', '/sw.js']);
      const app = await flow.browser.evaluate(() => {
        const described = document.querySelector('link[rel="manifest"]')?.href;
        if (!described?.startsWith('data:application/manifest+json,')) return null;
        const {
          start_url: start,
          display,
          icons,
        } = JSON.parse(decodeURIComponent(described.slice(described.indexOf(',') + 1)));
        return { start, display, icon: icons[0].src === document.querySelector('link[rel="icon"]').href };
      });
      assert.deepEqual(app, { start: served.url, display: 'standalone', icon: true });
    } finally {
      served.server.close();
      served.server.closeAllConnections();
    }
  });
}

export function flowTests(engine) {
  describe(engine, () => {
    const flow = {
      engine,
      scratch: mkdtempSync(path.join(os.tmpdir(), `soatnoma-${engine}-`)),
    };
    flow.reader = readerOf(flow);

    before(async () => {
      flow.browser = await openBrowser(engine, flow.scratch);
      await flow.browser.size(1280, 900);
      await flow.browser.goto(pathToFileURL(path.join(webBuild, 'soatnoma.html')).href);
      await flow.browser.waitFor(() => document.body.dataset.ready === 'yes');
    });

    after(async () => {
      await flow.browser?.close();
      rmSync(flow.scratch, { recursive: true, force: true });
    });

    formFlows(flow);
    explanationFlows(flow);
    correctionFlows(flow);
    keyboardFlow(flow);
    staffFlow(flow);
    staffWorkbookFlow(flow);
    phoneFlow(flow);
    phoneExplanationFlow(flow);
    servedFlow(flow);
  });
}
