// The page end to end in Debian's Chromium: opened from file://, the form typed and run,
// the drawn cells read, the workbook downloaded, corrected and opened again, the print made
// into a PDF of one A4 landscape page, and not a single request for anything but the file.
// The downloaded workbook is the command line's part for part in every engine's flows
// (with_every_engine/flows.mjs); that the module's parts are the desktop's for every form is
// the C++ tests'.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { cli, loadModule, openForTests, runReport, unmark, webBuild, writeCliReport } from './support.mjs';
import { readWorkbook } from './workbook_parts.mjs';
import { openPageWithDownloads } from './downloads.mjs';
import { storedRecords } from './stored_records.mjs';
import { partsOfZip, zipOf } from './zip_files.mjs';

const pagePath = path.join(webBuild, 'soatnoma.html');
const requests = [];
// The page as a browser without a save picker (Firefox, a phone) shows it: the workbook is
// handed over as a download (web/tests/kept.test.mjs drives the picker).
const opened = openForTests('page', (folder) =>
  openPageWithDownloads(folder, (page) => page.on('request', (request) => requests.push(request.url()))),
);
const { scratch } = opened;
const year = new Date().getFullYear();
// The subject holds what a workbook would read as a code of a character ("_x0041_" as "A")
// unless it is written as the desktop writes it.
const teacher = { name: 'Abdurahmonova Oʻgʻiloyxon', school: '245', subject: "tasviriy san'at va chizmachilik_x0041_" };

let browser;
let page;
let downloads;
before(async () => {
  ({ browser, page, files: downloads } = await opened.ready());
});

async function typeInto(id, text) {
  await page.$eval(`#${id}`, (box) => {
    box.value = '';
  });
  await page.type(`#${id}`, text);
}

const value = (id) => page.$eval(`#${id}`, (box) => box.value);

// The text each drawn cell shows, by its name.
const shownCells = async () =>
  Object.fromEntries(
    await page.$$eval('[data-cell]', (cells) => cells.map((cell) => [cell.dataset.cell, cell.dataset.value])),
  );

// The teacher's report drawn afresh, as Enter in the weekly hours draws it: the texts of the
// cells shown.
async function drawReport(fields = teacher) {
  await page.click('#Option1');
  await page.$eval('#Check1', (box) => {
    box.checked = true;
  });
  await runReport(page, { Text3: fields.name, Text6: fields.school, Text4: fields.subject });
  return shownCells();
}

const workbookName = `${teacher.name} ${year}-${year + 1}.xlsx`;

// "Excel kitobi" pressed, and the file the browser downloaded once it says it is complete;
// question: what the page asks first about cells to check, answered "go on".
async function saveWorkbook(name = workbookName, question = null) {
  const file = downloads.next(name);
  await unmark(page, 'workbook');
  await page.click('#SaveXlsx');
  if (question) {
    await page.waitForSelector('#CellsCheck[open]');
    assert.match(await page.$eval('#CellsCheckQuestion', (p) => p.textContent), question);
    await page.click('#CellsCheckGoOn');
  }
  await page.waitForSelector('body[data-workbook="downloaded"]');
  return file;
}

test('the form adds up the days, sets the rate by category and refuses as the desktop does', async () => {
  const days = { Text7: '4', Text8: '4,5', Text9: '4', Text10: '4', Text11: '3.5', Text12: '4' };
  for (const [id, hours] of Object.entries(days)) await typeInto(id, hours);
  assert.equal(await value('Text2'), '24');
  // A day that is not a number leaves the week as it was (the message line says why: phone.test.mjs).
  await typeInto('Text9', '4x');
  assert.equal(await value('Text2'), '24');
  await typeInto('Text9', '5');
  assert.deepEqual([await value('Text2'), await page.$eval('#Text9', (box) => box.title)], ['25', '']);
  await typeInto('Text9', '4');
  await page.click('#Option1');
  const shown = () => page.evaluate(() => ['Command1', 'Command2'].map((id) => document.getElementById(id).hidden));
  assert.deepEqual([await value('Text1'), await shown()], ['18', [true, false]]);
  await page.click('#Option2');
  assert.deepEqual([await value('Text1'), await shown()], ['20', [false, true]]);
});

test(
  "the page is built with the module's names on its " + "buttons and its form's controls in the window's order",
  async () => {
    const module = await loadModule();
    const labels = JSON.parse(module.actionLabels());
    const named = await page.$$eval('[data-label]', (elements) =>
      elements.map((element) => ({
        label: element.dataset.label,
        more: element.dataset.more ?? '',
        text: element.textContent,
        title: element.title,
      })),
    );
    assert.ok(named.length >= 15);
    for (const { label, more, text, title } of named) {
      assert.equal(text, labels[label].text + more);
      if (labels[label].toolTip) assert.equal(title, labels[label].toolTip);
    }
    // Signs name what they do in their tool tip and to a reader of the screen.
    const signs = await page.$$eval('[data-label-title]', (elements) =>
      elements.map((element) => [element.dataset.labelTitle, element.title, element.getAttribute('aria-label')]),
    );
    for (const [label, title, spoken] of signs)
      assert.deepEqual([title, spoken], [labels[label].text, labels[label].text]);
    const controls = JSON.parse(module.formControls()).controls.filter((spec) => spec.inPage);
    const shown = await page.$$eval('#Form1 [id]:not(.spoken)', (elements) =>
      elements.map((element) => ({
        id: element.id,
        caption: element.matches('input')
          ? (element.closest('label')?.textContent.trim() ?? null)
          : (element.querySelector('legend') ?? element).textContent,
      })),
    );
    assert.deepEqual(shown.map((control) => control.id).sort(), controls.map((spec) => spec.name).sort());
    // Each control carries what it is for, by which the page's scripts find it.
    const roles = await page.$$eval('#Form1 [data-role]', (elements) =>
      elements.map((element) => [element.id, element.dataset.role]),
    );
    assert.deepEqual(
      Object.fromEntries(roles),
      Object.fromEntries(controls.filter((spec) => spec.role).map((spec) => [spec.name, spec.role])),
    );
    for (const spec of controls.filter((control) => control.kind !== 'textBox')) {
      assert.equal(shown.find((control) => control.id === spec.name).caption, spec.caption, spec.name);
    }
    // No control is put out of the markup's order, which Tab follows: the window's order, class
    // leadership after the frame's boxes it stands beside, one stop for the category's options.
    const putOut = await page.$$eval('[tabindex]', (elements) =>
      elements.filter((element) => element.tabIndex > 0).map((element) => element.id),
    );
    assert.deepEqual(putOut, []);
    await page.focus('#Text3');
    const visited = [];
    for (let step = 0; step < 14; step += 1) {
      visited.push(await page.evaluate(() => document.activeElement.id));
      await page.keyboard.press('Tab');
    }
    const boxes = ['Text3', 'Text6', 'Text4', 'Text7', 'Text8', 'Text9', 'Text10', 'Text11', 'Text12', 'Text2'];
    const run = await page.$eval('[data-role^="run"]:not([hidden])', (button) => button.id);
    const category = await page.$eval('input[name="category"]:checked', (option) => option.id);
    assert.deepEqual(visited, [...boxes, 'Check1', run, category, 'Text1']);
    // Every box is named to a reader of the screen by the caption beside it (its colon aside, as
    // the module names it), and says what the module adds.
    for (const spec of controls.filter((control) => control.kind === 'textBox')) {
      const spoken = await page.accessibility.snapshot({ root: await page.$(`#${spec.name}`) });
      const said = [spoken.name.replace(/:$/, ''), spoken.description ?? ''];
      assert.deepEqual(said, [spec.spokenName, spec.description], spec.name);
      assert.equal(await page.$eval(`label[for="${spec.name}"]`, (label) => label.id), spec.label, spec.name);
    }
  },
);

test('the form is drawn and takes input before the module has started; Enter meanwhile runs once it has', async () => {
  const early = await browser.newPage();
  // The module's code is held back until the test lets it compile.
  await early.evaluateOnNewDocument(() => {
    const compile = WebAssembly.compile;
    const released = new Promise((release) => {
      window.releaseModule = release;
    });
    WebAssembly.compile = (bytes) => released.then(() => compile(bytes));
  });
  await early.goto(pathToFileURL(pagePath).href, { waitUntil: 'domcontentloaded' });
  await early.waitForSelector('body[data-form="yes"]');
  assert.equal(
    await early.$eval('#Open', (button) => button.textContent),
    await page.$eval('#Open', (button) => button.textContent),
  );
  assert.equal(await early.evaluate(() => document.activeElement.id), 'Text3');
  await early.keyboard.type('Karimova Dilnoza');
  await early.type('#Text7', '4');
  await early.type('#Text2', '24');
  await early.keyboard.press('Enter');
  const waiting = await early.evaluate(() => ({
    ready: document.body.dataset.ready ?? 'no',
    report: document.getElementById('report').hidden,
  }));
  assert.deepEqual(waiting, { ready: 'no', report: true });
  await early.evaluate(() => window.releaseModule());
  await early.waitForSelector('body[data-report="drawn"]');
  // The rate is the category's, and the days typed meanwhile are not added over the weekly
  // hours typed after them.
  assert.equal(await early.$eval('#Text1', (box) => box.value), '20');
  assert.equal(
    await early.$eval('[data-cell="S20"]', (cell) => cell.dataset.value),
    await (async () => {
      await typeInto('Text2', '24');
      await page.keyboard.press('Enter');
      return page.$eval('[data-cell="S20"]', (cell) => cell.dataset.value);
    })(),
  );
  assert.match(await early.$eval('[data-cell="A2"]', (cell) => cell.dataset.value), /Dilnoza/);
  await early.close();
});

// While the teacher types, the page makes, corrects and saves a report unseen, to have its
// code and the fonts' measures ready: none of it stays on the page, is shown, or is kept.
// A page only opened does none of it.
test('the page warms up unseen once the teacher starts and leaves nothing of it behind', async () => {
  const context = await browser.createBrowserContext();
  const fresh = await context.newPage();
  await fresh.goto(pathToFileURL(pagePath).href);
  await fresh.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
  await fresh.evaluate(
    () =>
      new Promise((idle) => {
        requestIdleCallback(() => requestIdleCallback(idle));
      }),
  );
  assert.equal(await fresh.evaluate(() => document.body.dataset.warm), undefined);
  await fresh.keyboard.press('Shift');
  await fresh.waitForSelector('body[data-warm="yes"]', { timeout: 20000 });
  const left = await fresh.evaluate(() => ({
    unseen: document.querySelectorAll('.unseen, svg.sheet').length,
    editors: document.querySelectorAll('#CellEditor').length,
    reportHidden: document.getElementById('report').hidden,
    marks: ['report', 'corrected', 'workbook'].filter((name) => name in document.body.dataset),
    status: ['YearTotal', 'StatusMessage', 'CorrectionsCount']
      .map((id) => document.getElementById(id).textContent)
      .join(''),
  }));
  left.kept = Object.values(await storedRecords(fresh)).flat().length;
  assert.deepEqual(left, { unseen: 0, editors: 0, reportHidden: true, marks: [], status: '', kept: 0 });
  await context.close();
});

// The command line's workbook of the teacher's report, written once for the tests that open it.
let cliMade = null;
function cliWorkbook() {
  if (!cliMade) writeCliReport(teacher, year, (cliMade = path.join(scratch, 'cli.xlsx')));
  return cliMade;
}

// The print leaves out a cell's explanation and the hours before rounding shown beside the report.
test('"Chop etish" prints one A4 landscape page with the title and the year total, and nothing beside it', async () => {
  const shown = await drawReport();
  await page.click('[data-cell="D8"] rect.border');
  await page.keyboard.press('F1');
  await page.waitForSelector('#Explanation[data-cell="D8"]:not([hidden])');
  await page.click('#BeforeRounding');
  await page.waitForSelector('#BeforeRoundingView:not([hidden])');
  await page.emulateMediaType('print');
  const pdf = path.join(scratch, 'print.pdf');
  try {
    await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
  } finally {
    await page.emulateMediaType('screen');
    await page.click('#BeforeRounding');
    await page.click('#Explanation .close');
  }
  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  assert.match(info, /^Pages:\s+1$/m);
  // A4 turned, as the browser rounds it to its own units.
  assert.match(info, /^Page size:\s+841\.\d+ x 59[45]\.\d+ pts \(A4\)$/m);
  const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
  // The text extractor closes up letter-spaced words, so spaces are left out of the match.
  const compact = text.replace(/\s+/g, '');
  assert.ok(compact.includes('YILLIKTAQSIMOTI'));
  assert.ok(compact.includes(`${year}/${year + 1}o'quvyili`));
  assert.match(text, new RegExp(`(^|\\s)${shown.S5}(\\s|$)`), `year total ${shown.S5}`);
  for (const word of ['Yaxlitlangani', 'Hisobtafsiloti', 'yaxlitlashdanoldin']) {
    assert.ok(!compact.includes(word), `${word} is not printed`);
  }
});

const cellText = (ref) =>
  page.$$eval(`[data-cell="${ref}"] text`, (lines) => lines.map((line) => line.textContent).join(' '));
// The workbook of the corrected cell's test, which "Ochish" opens again.
const corrected = path.join(scratch, 'tuzatilgan.xlsx');
const statusLine = () => page.$eval('#status', (status) => status.textContent.replace(/\s+/g, ' ').trim());

// That a correction moves the year total and is marked, and the keys undo and redo it, is
// every engine's flow's; here the marks of the rows it changes, and the exact hours saved.
test('a corrected cell marks its row, goes and comes with undo and redo, and is taken back', async () => {
  await drawReport();
  const total = Number(await cellText('S5'));
  const computed = Number(await cellText('D8'));
  await page.click('[data-cell="D8"] rect.border');
  await page.keyboard.type('2,25');
  await page.keyboard.press('Enter');
  assert.ok(await page.$('[data-cell="S8"] .mark.yearDiffers'));
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  assert.equal(await page.$('[data-cell="D8"] .mark'), null);
  await page.keyboard.press('y');
  await page.keyboard.up('Control');
  assert.ok(await page.$('[data-cell="S8"] .mark.corner'));

  // The workbook keeps the hours as typed, which the form shows whole (the computed hours
  // beside them, as "Ochish" below finds them); D8's fraction is asked about first.
  const saved = await saveWorkbook(workbookName, /butun son emas \(1 ta\): Oktabr · Dars soatlari\n/);
  writeFileSync(corrected, readFileSync(saved));
  const sheet = (await readWorkbook(saved)).worksheets[0];
  assert.equal(sheet.getCell('D8').value, 2.25);
  assert.equal(sheet.getCell('S5').result, total - computed + 2.25);

  await page.click('#ResetAll');
  assert.equal(Number(await cellText('S5')), total);
  assert.match(await statusLine(), /hisoblangani bilan bir xil/);
});

// The page does what the module's table of editing keys (tests/report_editing/
// editing_keys_test.cpp) names for a key; the keyboard's flow in every engine moves, opens,
// takes down, undoes and redoes. Here each other step: a press and what the page shows after
// it (the cell chosen, whether the box is open, what of its text is chosen), and a cell's text.
test("the report's keys move left, take the entry up, right and left, and leave the box", async () => {
  const state = () =>
    page.evaluate(() => {
      const editor = document.getElementById('CellEditor');
      return [
        document.querySelector('#sheet svg.sheet .current')?.parentElement.dataset.cell ?? null,
        !editor.hidden,
        editor.hidden ? '' : editor.value.slice(editor.selectionStart, editor.selectionEnd),
      ];
    });
  await page.click('[data-cell="D10"] rect.border');
  const [c9, c10] = [await cellText('C9'), await cellText('C10')];
  const steps = [
    { key: 'ArrowLeft', after: ['C10', false, ''] },
    { key: 'Enter', after: ['C10', true, c10] },
    { type: '5', key: 'Enter', held: 'Shift', after: ['C9', false, ''], cell: ['C10', '5'] },
    { key: 'Enter', after: ['C9', true, c9] },
    { type: '6', key: 'Tab', after: ['D9', false, ''], cell: ['C9', '6'] },
    { key: 'Enter', after: ['D9', true, await cellText('D9')] },
    { type: '7', key: 'Tab', held: 'Shift', after: ['C9', false, ''], cell: ['D9', '7'] },
    { key: 'Enter', after: ['C9', true, '6'] },
    { type: '8', key: 'Escape', after: ['C9', false, ''], cell: ['C9', '6'] },
  ];
  for (const { type, key, held, after, cell } of steps) {
    const what = `${type ?? ''} ${held ?? ''} ${key}`;
    if (type) await page.keyboard.type(type);
    if (held) await page.keyboard.down(held);
    await page.keyboard.press(key);
    if (held) await page.keyboard.up(held);
    assert.deepEqual(await state(), after, what);
    if (cell) assert.equal(await cellText(cell[0]), cell[1], what);
  }

  // A character typed opens the box with it; the focus leaving the open box takes the entry,
  // the choice staying on its cell.
  await page.keyboard.type('9');
  await page.click('#Text3');
  assert.equal(await cellText('C9'), '9');
  assert.deepEqual(await state(), ['C9', false, '']);
  await page.click('#ResetAll');
});

// Half of a character (a lone surrogate) would swallow the character after it on its way
// to the module ("\ud800bad" gave a file name "𐁢ad ..."): the page refuses it in the
// field's own words, and a whole character made of two halves is taken.
test('text that is not valid Unicode is refused before it reaches the module; markup is shown as typed', async () => {
  const setBox = (id, text) =>
    page.$eval(
      `#${id}`,
      (box, typed) => {
        box.value = typed;
      },
      text,
    );
  // In the field's own words, from the module.
  // A whole character made of two halves, and the marks of markup.
  const named = 'Ali <b>Vali</b> & "Soli" \'O\' \ud83d\ude00';
  const half = (field) => `${field} chala belgi bor (Unicode belgisining yarmi): uni o'chirib, qayta yozing.`;
  const cases = [
    ['Text3', '\ud800bad', half('Familiya va ismda')],
    ['Text4', '\udfff\ud800fizika', half('Fan nomida')],
    ['Text3', named, ''],
  ];
  await typeInto('Text2', '24');
  for (const [id, text, refusal] of cases) {
    await setBox('Text3', teacher.name);
    await setBox('Text6', teacher.school);
    await setBox('Text4', teacher.subject);
    await setBox(id, text);
    await unmark(page, 'report');
    await page.$eval('#message', (message) => {
      message.textContent = 'avvalgi';
    });
    await page.focus('#Text2');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.querySelector('#message').textContent !== 'avvalgi');
    assert.equal(await page.$eval('#message', (message) => message.textContent), refusal, JSON.stringify(text));
    assert.equal(await page.$eval('body', (body) => body.dataset.report ?? ''), refusal ? '' : 'drawn');
    if (refusal) assert.equal(await page.evaluate(() => document.activeElement.id), id);
  }
  // Taken, the name is shown as typed, its marks of markup never read as markup.
  const shown = await shownCells();
  assert.ok(shown.A22.includes(named) && shown.A2.includes(`${named}ning`));
  assert.equal(await page.$$eval('[data-cell] b', (bold) => bold.length), 0);
  assert.ok((await page.$eval('[data-cell="A2"] text', (line) => line.textContent)).includes('Ali <b>Vali</b>'));
});

async function openInPage(file) {
  await unmark(page, 'opened');
  await page.$eval('#message', (message) => {
    message.textContent = '';
  });
  await (await page.$('#OpenFile')).uploadFile(file);
  await page.waitForFunction(() => document.body.dataset.opened || document.querySelector('#message').textContent);
  return page.$eval('#message', (message) => message.textContent);
}

test(
  '"Ochish" opens a workbook either edition saved, with its corrections marked; "To\'xtatish" stops one',
  { skip: !existsSync(cli) },
  async () => {
    const shown = await drawReport();
    // The desktop's workbook: the same report, nothing corrected.
    assert.equal(await openInPage(cliWorkbook()), '');
    assert.equal(await cellText('S5'), shown.S5);
    assert.equal(await page.$('.sheet .mark'), null);
    assert.match(await statusLine(), /hisoblangani bilan bir xil/);

    // The page's own corrected workbook: the correction marked against the computed hours.
    assert.equal(await openInPage(corrected), '');
    assert.ok(await page.$('[data-cell="D8"] .mark.corrected'));
    assert.match(
      await page.$eval('[data-cell="D8"] title', (tip) => tip.textContent),
      /^Tuzatilgan\. Hisoblangan: \d+ soat\./,
    );
    assert.match(await statusLine(), /Tuzatilgan: 1 ta katak\./);

    // A workbook within every limit that still takes a while, 15 MB of shared texts, is
    // stopped while it is read, and the report shown stays.
    const parts = await partsOfZip(readFileSync(cliWorkbook()));
    const strings = parts.find((part) => part.name === 'xl/sharedStrings.xml');
    const text = '<si><t>Familiya Ism</t></si>';
    const more = text.repeat(Math.floor((15 * 1024 * 1024) / text.length));
    strings.bytes = new TextEncoder().encode(
      new TextDecoder().decode(strings.bytes).replace('</sst>', `${more}</sst>`),
    );
    const slow = path.join(scratch, 'sekin.xlsx');
    writeFileSync(slow, zipOf(parts));
    await page.$eval('#message', (message) => {
      message.textContent = '';
    });
    await (await page.$('#OpenFile')).uploadFile(slow);
    await page.waitForSelector('#StopOpening:not([hidden])');
    await page.click('#StopOpening');
    assert.equal(await page.$eval('#message', (message) => message.textContent), "To'xtatildi, fayl ochilmadi.");
    assert.equal(await page.$eval('#StopOpening', (button) => button.hidden), true);
    assert.ok(await page.$('[data-cell="D8"] .mark.corrected'));
  },
);

test('nothing but the file itself was asked for', () => {
  const others = requests.filter(
    (url) => url !== pathToFileURL(pagePath).href && !url.startsWith('data:') && !url.startsWith('blob:'),
  );
  assert.deepEqual(others, []);
});
