// The page on a phone, in Chromium's emulation of a 360-pixel-wide touch screen: the form
// stacks in reading order without sideways scrolling, everything a finger presses is big
// enough, a report is made by tapping, and the report zooms with its typing box kept over
// the cell being corrected.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import path from 'node:path';

import { KnownDevices } from 'puppeteer-core';

import { launchChromium, openBuiltPage, openForTests, runReport } from './support.mjs';

const opened = openForTests('phone', async (folder) => {
  const browser = await launchChromium(folder);
  const page = await browser.newPage();
  await page.emulate(KnownDevices['Galaxy S5']);
  await openBuiltPage(page);
  return { browser, page };
});
const { scratch } = opened;
const FINGER = 44; // CSS pixels: the least a tapped control should measure
let browser;
let page;
before(async () => {
  ({ browser, page } = await opened.ready());
});

// A page of its own, opened fresh on the phone (or on the screen given) and closed after
// work(page); prepare(page) runs before it is opened.
async function onFreshPhone(work, { viewport, prepare } = {}) {
  const fresh = await browser.newPage();
  try {
    if (viewport) await fresh.setViewport(viewport);
    else await fresh.emulate(KnownDevices['Galaxy S5']);
    await prepare?.(fresh);
    await openBuiltPage(fresh);
    await work(fresh);
  } finally {
    await fresh.close();
  }
}

// The report of 24 weekly hours, run by a tap.
async function tapReport(on) {
  await on.$eval('#Text2', (input) => {
    input.value = '24';
  });
  await on.tap('#Command1');
  await on.waitForSelector('body[data-report="drawn"]');
}

const box = (selector, on = page) => on.$eval(selector, (element) => element.getBoundingClientRect().toJSON());
const sidewaysScroll = (on = page) =>
  on.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);

// Controls shown on the page that a finger presses, smaller than a finger in height.
const tooSmallToTap = (on = page) =>
  on.evaluate(
    (finger) =>
      [...document.querySelectorAll('button, input, label.control:not(.kind-label)')]
        .filter((element) => element.offsetParent !== null && element.type !== 'file')
        .filter((element) => !element.closest('label.control') || element.matches('label.control'))
        .filter((element) => element.getBoundingClientRect().height < finger)
        .map((element) => element.id || element.dataset.control || element.textContent),
    FINGER,
  );

test('the form stacks in reading order within the screen, every control big enough to tap', async () => {
  assert.equal(await sidewaysScroll(), 0);
  assert.deepEqual(await tooSmallToTap(), []);
  // Top to bottom as the window is read: rate, category, name, school, subject, days, week,
  // leadership, the run button.
  const order = ['Text1', 'Option2', 'Text3', 'Text6', 'Text4', 'Text7', 'Text2', 'Check1', 'Command1'];
  const tops = [];
  for (const id of order) tops.push((await box(`#${id}`)).top);
  for (let i = 1; i < tops.length; ++i) assert.ok(tops[i] > tops[i - 1], `${order[i]} below ${order[i - 1]}`);
  // Each label stands above the box it names, not beside it off the screen.
  assert.ok((await box('[data-control="Label1"]')).bottom <= (await box('#Text3')).top + 1);
  // The six days share one row across the screen.
  const days = [];
  for (const id of ['Text7', 'Text8', 'Text9', 'Text10', 'Text11', 'Text12']) days.push(await box(`#${id}`));
  assert.ok(days.every((day) => Math.abs(day.top - days[0].top) < 1));
  assert.ok(days.at(-1).right <= 360);
  // Text of 16 pixels or more, so the phone does not zoom in on the box it focuses.
  assert.ok(await page.$eval('#Text3', (input) => parseFloat(getComputedStyle(input).fontSize) >= 16));
});

const cellText = (ref) =>
  page.$$eval(`[data-cell="${ref}"] text`, (lines) => lines.map((line) => line.textContent).join(' '));

// The report's typing box: open, taking the keys, its keypad, its text and the part chosen.
const typingBox = () =>
  page.$eval('#CellEditor', (editor) => ({
    open: !editor.hidden,
    focused: document.activeElement === editor,
    inputMode: editor.inputMode,
    value: editor.value,
    chosen: editor.value.slice(editor.selectionStart, editor.selectionEnd),
  }));

// A tap in the middle of a number puts the caret between its digits; the boxes that take
// numbers choose their whole text instead, so that what is typed replaces it. Other boxes
// keep the caret where it is tapped.
test('a tapped number box is typed over, a tapped text box is added to', async () => {
  const cases = [
    { id: 'Text1', old: '24', typed: '18', after: '18' },
    { id: 'Text2', old: '24', typed: '18', after: '18' },
    { id: 'Text7', old: '4', typed: '5', after: '5' },
    { id: 'Text4', old: 'Fizika', typed: 'x', after: 'Fizikax', atEnd: true },
  ];
  for (const { id, old, typed, after, atEnd } of cases) {
    await page.$eval(
      `#${id}`,
      (input, value) => {
        input.value = value;
        input.blur();
      },
      old,
    );
    const where = await box(`#${id}`);
    await page.touchscreen.tap(atEnd ? where.right - 12 : where.x + 12, where.y + where.height / 2);
    await page.keyboard.type(typed);
    assert.equal(await page.$eval(`#${id}`, (input) => input.value), after, id);
  }
  for (const id of ['Text7', 'Text4'])
    await page.$eval(`#${id}`, (input) => {
      input.value = '';
      input.dispatchEvent(new Event('input'));
    });
});

// The cell seen at a point of the report's box, given as shares of its width and height:
// its name, whether it is a pinned copy, and the point on the screen.
// A share of null down: just below the top of the heading row, where it stands in the box.
const pinnedAt = (across, down) =>
  page.$eval(
    '#sheet',
    (sheet, shares) => {
      const frame = sheet.getBoundingClientRect();
      const heading = document.querySelector('#sheet svg.sheet [data-cell="A4"] rect.border').getBoundingClientRect();
      // A share of null across: just inside the right of the last column, where it stands.
      const last = document.querySelector('#sheet svg.sheet [data-cell="S20"] rect.border').getBoundingClientRect();
      const x = shares[0] === null ? last.right - 4 : frame.left + sheet.clientWidth * shares[0];
      const y = shares[1] === null ? Math.max(frame.top, heading.top) + 4 : frame.top + sheet.clientHeight * shares[1];
      const seen = document.elementFromPoint(x, y);
      // A phone pins each row's short title in place of its printed one (column B).
      const title = seen?.closest('[data-title-row]');
      const cell = title ? `B${title.dataset.titleRow}` : (seen?.closest('g[data-cell]')?.dataset.cell ?? null);
      return { cell, pinned: Boolean(seen?.closest('.frozen-pane')), x, y };
    },
    [across, down],
  );

// Scrolled to its far corner, the report shows the heading row along its top, pinned, and
// the hours of the last columns beside the pinned row titles (which every engine's flow finds).
async function assertPinned() {
  const heading = await pinnedAt(null, null);
  assert.ok(heading.pinned && heading.cell === 'S4', `the heading row along the top: ${JSON.stringify(heading)}`);
  const hours = await pinnedAt(null, 0.6);
  assert.ok(
    !hours.pinned && /^S([5-9]|1\d|20)$/.test(hours.cell),
    `the last hours beside them: ${JSON.stringify(hours)}`,
  );
}

// A refusal stays only while it speaks of what the form holds; a day that is not a number
// says why on the message line, as a phone shows no tool tips.
test('the message line says why a day is red and lets go of a refusal once the form changes', async () => {
  const message = () => page.$eval('#message', (line) => line.textContent);
  await page.$eval('#Text2', (input) => {
    input.value = '';
  });
  await page.tap('#Command1');
  assert.equal(await message(), 'Ajratilgan dars soati kiritilmadi!');
  await page.tap('#Text8');
  await page.keyboard.type('2x');
  assert.deepEqual(await page.$eval('#Text8', (input) => [input.classList.contains('not-a-number'), input.title]), [
    true,
    await message(),
  ]);
  assert.match(await message(), /son/);
  await page.keyboard.press('Backspace');
  assert.equal(await message(), '');
  await page.keyboard.press('Backspace');
  assert.equal(await page.$eval('#Text8', (input) => input.value), '');
});

test('a report made by tapping comes into view, pins its panes, and opens its typing box by a tap', async () => {
  await page.tap('#Text3');
  await page.keyboard.type('Karimova Dilnoza');
  await page.tap('#Text2');
  await page.keyboard.type('18');
  await page.tap('#Command1');
  await page.waitForSelector('body[data-report="drawn"]');
  // The screen answers the tap: the report, drawn below the form, is brought into view.
  const height = await page.evaluate(() => window.innerHeight);
  const shown = await box('#report');
  assert.ok(shown.top >= 0 && shown.top < height / 3, `the report starts near the top of the screen: ${shown.top}`);
  assert.ok((await box('#sheet')).top < height, 'the drawn page is in sight');
  assert.equal(await sidewaysScroll(), 0);
  assert.deepEqual(await tooSmallToTap(), []);

  // It opens at a zoom where the row titles read, scrolling inside its own box, which is no
  // taller than the screen; the heading row and the row titles stay in view as it scrolls.
  const titleText = await page.$eval('[data-cell="B8"] text', (line) => line.getBoundingClientRect().height);
  assert.ok(titleText >= 11, `the row titles are ${titleText} px high`);
  const view = await page.$eval('#sheet', (sheet) => ({
    across: sheet.scrollWidth > sheet.clientWidth,
    down: sheet.scrollHeight > sheet.clientHeight,
    height: sheet.offsetHeight,
  }));
  assert.deepEqual({ ...view, height: view.height <= height }, { across: true, down: true, height: true });
  await page.$eval('#sheet', (sheet) => {
    sheet.scrollIntoView();
    sheet.scrollTo(sheet.scrollWidth, sheet.scrollHeight);
  });
  // The panes follow once the browser has told the scroll, before its next frame.
  await page.evaluate(() => new Promise(requestAnimationFrame));
  await assertPinned();

  // A tap on a pinned short title says the whole title, which the grid's row heading holds.
  await page.$eval('#StatusMessage', (status) => {
    status.textContent = '';
  });
  const pinnedTitle = await pinnedAt(0.2, 0.6);
  await page.touchscreen.tap(pinnedTitle.x, pinnedTitle.y);
  assert.equal(
    await page.$eval('#StatusMessage', (status) => status.textContent),
    await page.$eval(`[data-grid-cell="${pinnedTitle.cell}"]`, (heading) => heading.getAttribute('aria-label')),
  );

  // Fitted, zoomed and typed into while zoomed, the box on its cell, as every engine's phone flow has it.
  await page.$eval('#sheet', (sheet) => sheet.scrollTo(0, 0));
  // One tap on a cell of hours opens its box with the keypad of digits, the old value chosen,
  // so that what is typed replaces it (a double tap too: every engine's phone flow).
  const before = await cellText('D8');
  await page.tap('[data-cell="D8"] rect.border');
  assert.deepEqual(await typingBox(), {
    open: true,
    focused: true,
    inputMode: 'decimal',
    value: before,
    chosen: before,
  });
  // The status line gains the corrections' count and the cells to check (the report below it
  // standing still, as the status line's own test has it).
  const statusBefore = await page.$eval('#status', (status) => status.textContent);
  await page.keyboard.type('7');
  await page.keyboard.press('Enter');
  assert.equal(await cellText('D8'), '7');
  assert.equal((await typingBox()).open, false);
  assert.ok((await page.$eval('#status', (status) => status.textContent)).length > statusBefore.length + 20);

  // Fitted, a tap on a title opens nothing; the status line says why.
  await page.tap('#ZoomFit');
  await page.tap('[data-cell="A8"]');
  assert.equal((await typingBox()).open, false);
  assert.notEqual(await page.$eval('#StatusMessage', (status) => status.textContent), '');

  // The editing buttons are one bar, and "Excel kitobi" says beside it what it did, naming
  // the file.
  assert.ok((await box('.toolbar.edit')).height <= 60, 'the editing buttons take one bar');
  // The bar fades at the end past which more buttons lie, and at the start once swiped.
  const fades = () =>
    page.$eval('.toolbar.edit', (bar) => ({
      ends: bar.dataset.hiddenEnds,
      masked: getComputedStyle(bar).maskImage !== 'none',
    }));
  assert.deepEqual(await fades(), { ends: 'end', masked: true });
  await page.$eval('.toolbar.edit', (bar) => bar.scrollTo(bar.scrollWidth, 0));
  await page.waitForFunction(() => document.querySelector('.toolbar.edit').dataset.hiddenEnds === 'start');
  assert.deepEqual(await fades(), { ends: 'start', masked: true });
  await page.$eval('.toolbar.edit', (bar) => bar.scrollTo(0, 0));
  await page.evaluate(() => {
    delete window.showSaveFilePicker;
  });
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'deny' });
  await page.tap('#SaveXlsx');
  // The corrections made above are asked about first, as the desktop asks before saving.
  await page.waitForSelector('#CellsCheck[open]');
  await page.tap('#CellsCheckGoOn');
  await page.waitForSelector('body[data-workbook]');
  const notice = await box('#ReportNotice');
  assert.match(
    await page.$eval('#ReportNotice', (line) => line.textContent),
    /"Karimova Dilnoza \d{4}-\d{4}\.xlsx" yuklab olishga berildi/,
  );
  assert.ok(
    notice.top >= 0 && notice.bottom <= (await page.evaluate(() => window.innerHeight)),
    'the notice is in sight',
  );
});

// The page's cells as drawn, and what the body says of the report.
const drawnCells = (on) =>
  on.evaluate(() => ({
    report: document.body.dataset.report,
    cells: [...document.querySelectorAll('#sheet .page-room > .page g[data-cell]')]
      .map((cell) => cell.dataset.cell)
      .sort(),
  }));

// Enter in the weekly hours and, in the same go (no frame between), what is drawn then and
// after a print is asked for.
const enterAndPrint = (on) =>
  on.evaluate(() => {
    const cells = () =>
      [...document.querySelectorAll('#sheet .page-room > .page g[data-cell]')].map((cell) => cell.dataset.cell).sort();
    const weekly = document.getElementById('Text2');
    weekly.value = '24';
    weekly.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
    const seen = { report: document.body.dataset.report, cells: cells() };
    window.dispatchEvent(new Event('beforeprint'));
    return { seen, printed: { report: document.body.dataset.report, cells: cells() } };
  });

// The screen of a phone shows part of the page: the cells in sight are drawn first and the
// rest right after that frame, so the report is whole once it says so; a print asked for
// meanwhile takes the whole page. A screen that shows the whole page draws it in one go.
test('on a phone the cells in sight are drawn first and the rest after; a print draws the rest at once', async () => {
  await onFreshPhone(async (fresh) => {
    const { seen, printed } = await enterAndPrint(fresh);
    assert.equal(seen.report, 'seen');
    assert.ok(
      ['C8', 'D8'].every((ref) => seen.cells.includes(ref)),
      'the first hours in sight',
    );
    assert.ok(!seen.cells.includes('S8'), 'the year total, off the screen to the right, comes later');
    assert.equal(printed.report, 'drawn');
    assert.ok(printed.cells.length > seen.cells.length);
    assert.equal(new Set(printed.cells).size, printed.cells.length, 'no cell drawn twice');

    // Left alone, the rest comes after the frame, and the page holds the cells the print drew.
    await fresh.evaluate(() => {
      document.getElementById('Text2').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
    });
    await fresh.waitForSelector('body[data-report="drawn"]');
    assert.deepEqual(await drawnCells(fresh), printed);
    await fresh.tap('[data-cell="S8"] rect.border');

    // Where the whole page is in sight, Enter draws it all in one go: the very same cells.
    await fresh.setViewport({ ...KnownDevices['Galaxy S5'].viewport, width: 1280, height: 2400 });
    await fresh.$eval('#ZoomFit', (button) => button.click());
    const wide = await enterAndPrint(fresh);
    assert.deepEqual(wide.seen, printed);
  });
});

// The staff list on a phone, opened on a page with no report below it: it takes the screen,
// its cards part of the page, and a ready teacher's card tapped opens that teacher's report.
test('a staff list takes the screen, and a tapped ready teacher opens the report', async () => {
  await onFreshPhone(async (fresh) => {
    const list = path.join(scratch, 'xodimlar.csv');
    writeFileSync(
      list,
      'ism;maktab;fan;toifa;soat;stavka;rahbar\nAliyev Vali;12;fizika;yuqori;24;;ha\n' +
        'Yomon Soat;3;kimyo;yuqori;24abc;;\nKarimova Oygul;7;ona tili;boshlangich;22,5;;0\n',
    );
    const [chooser] = await Promise.all([fresh.waitForFileChooser(), fresh.tap('#RosterOpen')]);
    await chooser.accept([list]);
    await fresh.waitForSelector('#Staff[data-read="xodimlar.csv"]');
    const panel = await box('#Staff', fresh);
    assert.ok(Math.abs(panel.top) < 2, `the list at the top of the screen: ${panel.top}`);
    assert.ok(
      await fresh.$eval('#RosterRows', (rows) => rows.scrollHeight <= rows.clientHeight + 1),
      'no box of its own scrolls',
    );
    // A refused row opens nothing.
    await fresh.tap('#RosterRows tr[data-line="3"]');
    assert.equal(await fresh.$eval('body', (body) => body.dataset.report ?? ''), '');
    await fresh.tap('#RosterRows tr[data-line="4"]');
    await fresh.waitForSelector('body[data-report="drawn"]');
    const boxes = ['#Text3', '#Text6', '#Text4', '#Text2'].join(',');
    assert.deepEqual(await fresh.$$eval(boxes, (found) => found.map((input) => input.value)), [
      'Karimova Oygul',
      '7',
      'ona tili',
      '22,5',
    ]);
    assert.equal(await fresh.$eval('#Option1', (radio) => radio.checked), true);
    assert.match(await fresh.$eval('[data-cell="A2"]', (cell) => cell.dataset.value), /Karimova Oygul/);
    assert.ok((await box('#report', fresh)).top < 240, 'the report is in view');
  });
});

// "Ulashish" stands only where the browser can share files, and shares the report's workbook
// under its name.
test('"Ulashish" shares the workbook where files can be shared, and is hidden elsewhere', async () => {
  assert.equal(await page.$eval('#ShareXlsx', (button) => button.hidden), true);
  const prepare = (fresh) =>
    fresh.evaluateOnNewDocument(() => {
      navigator.canShare = (data) => data.files?.every((file) => file instanceof File) ?? false;
      navigator.share = async (data) => {
        const [file] = data.files;
        window.sharedFile = {
          name: file.name,
          type: file.type,
          start: new TextDecoder().decode(new Uint8Array(await file.arrayBuffer()).slice(0, 2)),
        };
      };
    });
  await onFreshPhone(
    async (fresh) => {
      // The form comes back as it was last used: another teacher, the primary classes.
      await fresh.tap('#Option2');
      await runReport(fresh, { Text3: 'Ali Vali', Text2: '20' });
      assert.equal(await fresh.$eval('#ShareXlsx', (button) => button.hidden), false, 'offered');
      await fresh.tap('#ShareXlsx');
      await fresh.waitForSelector('body[data-shared]');
      const year = new Date().getFullYear();
      assert.deepEqual(await fresh.evaluate(() => window.sharedFile), {
        name: `Ali Vali ${year}-${year + 1}.xlsx`,
        type: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
        start: 'PK',
      });
      assert.match(await fresh.$eval('#ReportNotice', (line) => line.textContent), /ulashildi/);
    },
    { prepare },
  );
});

// The keys of a keyboard joined to the phone move the choice as on the desktop: a cell chosen
// off the screen is brought into view by the next frame drawn, clear of the pinned heading
// row and row titles.
test('a cell chosen by the keys is brought into view clear of the pinned panes', async () => {
  for (let step = 0; step < 4; ++step) await page.tap('#ZoomIn');
  await page.$eval('#sheet', (sheet) => {
    sheet.scrollIntoView();
    sheet.scrollTo(0, 0);
  });
  await page.tap('[data-cell="D8"] rect.border');
  await page.keyboard.press('Escape');
  for (let step = 0; step < 14; ++step) await page.keyboard.press('ArrowRight');
  for (let step = 0; step < 11; ++step) await page.keyboard.press('ArrowDown');
  await page.evaluate(() => new Promise(requestAnimationFrame));
  const seen = await page.$eval('#sheet', (sheet) => {
    const current = sheet.querySelector('svg.sheet .current');
    const frame = sheet.getBoundingClientRect();
    const titles = sheet.querySelector('.phone-titles [data-title-row="8"]')?.getBoundingClientRect();
    const heading = sheet.querySelector('.frozen-pane [data-cell="R4"] rect.border')?.getBoundingClientRect();
    const cell = current.getBoundingClientRect();
    return {
      cell: current.parentElement.dataset.cell,
      inView:
        cell.left >= frame.left - 1 &&
        cell.right <= frame.left + sheet.clientWidth + 1 &&
        cell.top >= frame.top - 1 &&
        cell.bottom <= frame.top + sheet.clientHeight + 1,
      clearOfPanes: Boolean(titles && heading) && cell.left >= titles.right - 1 && cell.top >= heading.bottom - 1,
      onScreen: cell.top >= 0 && cell.bottom <= window.innerHeight,
      scrolled: sheet.scrollLeft > 0,
    };
  });
  assert.deepEqual(seen, { cell: 'R19', inView: true, clearOfPanes: true, onScreen: true, scrolled: true });
  await page.tap('#ZoomFit');
});

// What a phone held as viewport shows of a report just made: the short titles' column, the
// table's months and quarters wholly in sight beside it (their headings as the pinned row
// shows them), and the smallest text of both on the screen, CSS pixels.
async function yearAtAGlance(on) {
  return on.$eval('#sheet', (sheet) => {
    const frame = sheet.getBoundingClientRect();
    const titles = sheet.querySelector('.phone-titles:not(.corner)').getBoundingClientRect();
    const right = frame.left + sheet.clientWidth;
    const headings = [...sheet.querySelectorAll('.frozen-pane g[data-cell$="4"]')].filter((cell) => {
      const box = cell.querySelector('rect.border').getBoundingClientRect();
      return box.left >= titles.right - 1 && box.right <= right + 1;
    });
    const sizes = [...sheet.querySelectorAll('.page-room > .page g[data-cell="C8"] text, .phone-title')].map((text) =>
      text.tagName === 'text' ? text.getBoundingClientRect().height : parseFloat(getComputedStyle(text).fontSize),
    );
    return {
      titlesWidth: titles.width,
      shown: headings.map((cell) => cell.querySelector('text')?.textContent ?? ''),
      smallest: Math.min(...sizes),
    };
  });
}

// Upright at 360 by 740 and sideways at 740 by 360, four months or more read beside the
// short row titles; a swipe across moves by a column or two, and a message coming or going
// moves nothing.
test('four months or more read beside the short titles, upright and sideways; a swipe moves a column', async () => {
  for (const viewport of [
    { width: 360, height: 740 },
    { width: 740, height: 360 },
  ]) {
    const screen = { ...viewport, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };
    await onFreshPhone(
      async (fresh) => {
        // Held sideways, a phone is still a touch screen: the form keeps finger-sized controls.
        const sideways = viewport.width > viewport.height;
        if (sideways) assert.deepEqual([await sidewaysScroll(fresh), await tooSmallToTap(fresh)], [0, []]);
        await tapReport(fresh);
        await fresh.$eval('#sheet', (sheet) => sheet.scrollIntoView());
        const seen = await yearAtAGlance(fresh);
        const where = `${viewport.width}x${viewport.height}: ${JSON.stringify(seen)}`;
        assert.ok(seen.shown.length >= 4 && seen.shown[0] === 'Sentabr', where);
        assert.ok(seen.smallest >= 12, where);
        assert.ok(seen.titlesWidth <= viewport.width * 0.45, where);

        // A quick swipe across the report stops at the next column or the one after, that column
        // right beside the short titles.
        const before = await fresh.$eval('#sheet', (sheet) => sheet.scrollLeft);
        const column = await fresh.$eval('#sheet', (sheet) => {
          const [first, second] = ['C4', 'D4'].map((ref) =>
            sheet.querySelector(`.frozen-pane [data-cell="${ref}"] rect.border`).getBoundingClientRect(),
          );
          return second.left - first.left;
        });
        const view = await fresh.$eval('#sheet', (sheet) => sheet.getBoundingClientRect().toJSON());
        const ended = fresh.$eval(
          '#sheet',
          (sheet) => new Promise((done) => sheet.addEventListener('scrollend', done, { once: true })),
        );
        const session = await fresh.createCDPSession();
        const from = { x: Math.round(view.x + view.width * 0.8), y: Math.round(Math.max(0, view.y) + 200) };
        await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
        for (const step of [1, 2, 3]) {
          const touchPoints = [{ ...from, x: from.x - step * 20 }];
          await session.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints });
        }
        await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        await ended;
        const moved = (await fresh.$eval('#sheet', (sheet) => sheet.scrollLeft)) - before;
        const columns = moved / column;
        assert.ok(
          columns > 0.95 && columns < 2.05 && Math.abs(columns - Math.round(columns)) < 0.05,
          `${where}: swiped ${moved} px, a column is ${column}`,
        );
        if (!sideways) return;
        // Sideways, the report's editing and zoom buttons share one row, leaving the short
        // screen to it; and every size follows the reader's own text size.
        const [editing, zooming] = [await box('.toolbar.edit', fresh), await box('.toolbar.zoom', fresh)];
        assert.ok(
          Math.abs(editing.top - zooming.top) < 1 && editing.right <= zooming.left,
          `${JSON.stringify(editing)} ${JSON.stringify(zooming)}`,
        );
        assert.equal(await sidewaysScroll(fresh), 0);
        assert.deepEqual(await tooSmallToTap(fresh), []);
        const radio = await box('#Option1', fresh);
        assert.ok(radio.width >= 20, `a radio button of ${radio.width} px`);
        const sizes = () =>
          fresh.evaluate(() => ({
            button: document.getElementById('Command1').getBoundingClientRect().height,
            text: parseFloat(getComputedStyle(document.getElementById('Text3')).fontSize),
          }));
        const usual = await sizes();
        await fresh.evaluate(() => {
          document.documentElement.style.fontSize = '20px';
        });
        const larger = await sizes();
        for (const size of ['button', 'text'])
          assert.ok(larger[size] >= usual[size] * 1.2, `${size}: ${usual[size]} to ${larger[size]}`);
      },
      { viewport: screen },
    );
  }
});

// On a phone the status line holds two lines, its rest a tap away, and the report below it
// stays where it is as messages come and go; a refusal goes with the next entry taken.
test('on a phone the hours are typed over after Enter; the status line is two lines, the rest a tap away', async () => {
  await onFreshPhone(async (fresh) => {
    // The weekly hours keep the keys after Enter ran the report from them: tapped again, once
    // the teacher is back from the report, the number is replaced rather than typed into.
    await fresh.tap('#Text2');
    await fresh.keyboard.type('24');
    await fresh.keyboard.press('Enter');
    await fresh.waitForSelector('body[data-report="drawn"]');
    assert.equal(await fresh.evaluate(() => document.activeElement.id), 'Text2');
    await fresh.$eval('#Text2', (input) => input.scrollIntoView({ block: 'center' }));
    const weekly = await fresh.$eval('#Text2', (input) => input.getBoundingClientRect().toJSON());
    await fresh.touchscreen.tap(weekly.x + weekly.width / 2, weekly.y + weekly.height / 2);
    await fresh.keyboard.type('25');
    assert.equal(await fresh.$eval('#Text2', (input) => input.value), '25');
    const reportAt = () => fresh.$eval('#sheet', (sheet) => sheet.getBoundingClientRect().top + window.scrollY);
    const lines = () =>
      fresh.$eval('#status', (status) =>
        Math.round(status.getBoundingClientRect().height / parseFloat(getComputedStyle(status).lineHeight)),
      );
    const at = await reportAt();
    // Four cells to check and a refusal: far more than two lines of words.
    for (const ref of ['C8', 'D9', 'E10', 'G11']) {
      await fresh.tap(`[data-cell="${ref}"] rect.border`);
      await fresh.keyboard.type('-1');
      await fresh.keyboard.press('Enter');
    }
    await fresh.tap('[data-cell="F8"] rect.border');
    const refusal = await fresh.$eval('#StatusMessage', (status) => status.textContent);
    assert.match(refusal, /jami: u oylardagi soatlarga ergashadi/);
    assert.ok((await lines()) <= 2, `${await lines()} lines`);
    assert.equal(await reportAt(), at);
    await fresh.tap('#status');
    assert.ok((await lines()) > 2, 'a tap shows the rest');
    assert.equal(await reportAt(), at);
    await fresh.tap('#status');
    // The next entry taken lets the refusal go.
    await fresh.tap('[data-cell="C8"] rect.border');
    await fresh.keyboard.type('5');
    await fresh.keyboard.press('Enter');
    assert.equal(await fresh.$eval('#StatusMessage', (status) => status.textContent), '');
    assert.equal(await reportAt(), at);
  });
});
