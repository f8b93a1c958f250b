// Reports kept in the browser's storage, in Debian's Chromium: only a save the browser
// confirmed lets a kept report go; one handed over as a download stays kept and is offered
// as such; a cancelled or failed save keeps it and says so; each kept record is checked on
// its own, a damaged one listed as such beside the good ones.
import { test, before } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { keepOnly, keptRecords } from './stored_records.mjs';
import { launchChromium, openForTests, runReport, unmark, webBuild } from './support.mjs';

const year = new Date().getFullYear();
// The kinds of dialog the page asked for (a "beforeunload" asks before leaving), answered yes.
const asked = [];

const opened = openForTests('kept', async (folder) => {
  const browser = await launchChromium(folder);
  const page = await browser.newPage();
  // The teacher's clock is Tashkent's, whatever the machine's.
  await page.emulateTimezone('Asia/Tashkent');
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  page.on('dialog', async (dialog) => {
    asked.push(dialog.type());
    await dialog.accept();
  });
  await page.goto(pathToFileURL(path.join(webBuild, 'soatnoma.html')).href);
  await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
  return { browser, page };
});
let page;
before(async () => {
  ({ page } = await opened.ready());
});

// The page loaded again; as a browser without a save picker (Firefox, a phone) has it unless
// withPicker.
async function loadPage(withPicker = false) {
  asked.length = 0;
  await page.reload();
  await page.waitForSelector('body[data-offered="yes"]', { timeout: 20000 });
  if (!withPicker)
    await page.evaluate(() => {
      delete window.showSaveFilePicker;
    });
}

const stored = () => keptRecords(page);

// The box's text replaced, as typing it would (the days add up into the weekly hours).
async function typeInto(id, text) {
  await page.$eval(
    `#${id}`,
    (box, typed) => {
      box.value = typed;
      box.dispatchEvent(new Event('input'));
    },
    text,
  );
}

// A report run from the form and kept.
async function runAndKeep(name) {
  const keeps = await page.$eval('body', (body) => Number(body.dataset.keeps ?? 0));
  await runReport(page, { Text3: name });
  await page.waitForFunction((before) => Number(document.body.dataset.keeps ?? 0) > before, {}, keeps);
}

// "Excel kitobi" pressed; answers how the save ended and what the line beside the button
// says, in red or not.
async function save() {
  await unmark(page, 'workbook');
  await page.click('#SaveXlsx');
  await page.waitForSelector('body[data-workbook]');
  return page.$eval('body', (body) => ({
    outcome: body.dataset.workbook,
    said: document.getElementById('ReportNotice').textContent,
    refused: document.getElementById('ReportNotice').classList.contains('refused'),
  }));
}

const offered = () =>
  page.$$eval('#Recovery [data-kept]', (lines) =>
    lines.map((line) => ({
      id: line.dataset.kept,
      damaged: line.dataset.damaged === 'yes',
      text: line.querySelector('span').textContent,
      buttons: [...line.querySelectorAll('button')].map((button) => button.textContent),
    })),
  );

test(
  'a report handed to the browser as a download stays kept, ' +
    'marked, until a newer version or the teacher removes it',
  async () => {
    await loadPage();
    // A name whose file name is more than a disk takes: the browser drops such a download.
    const name = 'Ж'.repeat(200);
    await runAndKeep(name);
    const { outcome, said, refused } = await save();
    assert.equal(outcome, 'downloaded');
    assert.equal(refused, false);
    assert.match(said, /yuklab olishga berildi/);
    assert.doesNotMatch(said, /saqlandi/i);
    const [record] = await stored();
    assert.equal(record.request.name, name);
    assert.match(record.downloaded, new RegExp(`^Ж{114} ${year}-${year + 1}\\.xlsx$`));

    // Leaving asks nothing; the offer names it as handed over, to be taken back or removed.
    await loadPage();
    assert.deepEqual(asked, []);
    const [line, ...others] = await offered();
    assert.deepEqual(others, []);
    assert.match(line.text, /yuklab olishga berilgan/);
    assert.deepEqual(line.buttons, ['Tiklash', "O'chirib tashlash"]);

    // Taken back it is still the one handed over; a change makes it a newer version, unsaved.
    await page.click('#Recovery [data-kept] button');
    await page.waitForSelector('[data-cell="S20"]');
    assert.ok((await stored())[0].downloaded);
    const keeps = await page.$eval('body', (body) => Number(body.dataset.keeps ?? 0));
    await page.click('[data-cell="D8"] rect.border');
    await page.keyboard.type('3');
    await page.keyboard.press('Enter');
    await page.waitForFunction((before) => Number(document.body.dataset.keeps ?? 0) > before, {}, keeps);
    const [newer] = await stored();
    assert.equal(newer.id, record.id);
    assert.equal(newer.downloaded, undefined);
    await loadPage();
    assert.deepEqual(asked, ['beforeunload']);
    const [unsaved] = await offered();
    assert.doesNotMatch(unsaved.text, /yuklab olishga berilgan/);

    await page.click('#Recovery [data-kept] button:last-child');
    await page.waitForFunction(() => !document.querySelector('#Recovery [data-kept]'));
    assert.deepEqual(await stored(), []);
  },
);

// A save picker of the page's own, in place of the browser's: the teacher cancels it
// ('cancel'), the disk refuses the write ('write'), or it writes, the bytes' first two
// characters into window.written.
const installPicker = (failing) =>
  page.evaluate((failing) => {
    window.showSaveFilePicker = async (options) => {
      if (failing === 'cancel') throw new DOMException('The user aborted a request.', 'AbortError');
      return {
        name: options.suggestedName,
        createWritable: async () => {
          const parts = [];
          return {
            write: async (bytes) => {
              if (failing === 'write') throw new DOMException('Diskda joy qolmadi', 'QuotaExceededError');
              parts.push(bytes);
            },
            close: async () => {
              window.written = parts.map((bytes) => String.fromCharCode(...bytes.slice(0, 2)));
            },
            abort: async () => {
              window.aborted = true;
            },
          };
        },
      };
    };
  }, failing);

test(
  "only a write the browser's picker confirmed lets the " + 'kept report go; a cancelled or failed one keeps it',
  async () => {
    await loadPage(true);
    await runAndKeep('Karimova Dilnoza');
    const id = (await stored())[0].id;
    const fileName = `Karimova Dilnoza ${year}-${year + 1}.xlsx`;
    for (const [failing, outcome, words] of [
      ['cancel', 'cancelled', /^Saqlash bekor qilindi: fayl yozilmadi, hisobot brauzerda saqlanib turibdi\.$/],
      ['write', 'failed', /^Ish kitobini saqlab bo'lmadi, hisobot brauzerda saqlanib turibdi: Diskda joy qolmadi$/],
    ]) {
      await installPicker(failing);
      const answer = await save();
      assert.equal(answer.outcome, outcome, failing);
      assert.match(answer.said, words);
      assert.equal(answer.refused, outcome === 'failed', failing);
      const kept = await stored();
      assert.deepEqual(
        kept.map((record) => [record.id, record.downloaded]),
        [[id, undefined]],
        failing,
      );
    }
    assert.equal(await page.evaluate(() => window.aborted), true);

    await installPicker(null);
    const answer = await save();
    assert.equal(answer.outcome, 'saved');
    assert.equal(answer.said, `Saqlandi: ${fileName}`);
    assert.deepEqual(await page.evaluate(() => window.written), ['PK']);
    assert.deepEqual(await stored(), []);
    await loadPage();
    assert.deepEqual(asked, []);
    assert.deepEqual(await offered(), []);
  },
);

const message = () => page.$eval('#message', (line) => line.textContent);

test(
  'each kept record is checked on its own: a damaged one ' + 'is listed as such and removable, the others offered',
  async () => {
    const teacher = { name: 'Karimova Dilnoza', school: '12', subject: 'fizika' };
    const request = { category: 'upper', weekly: '24', rate: '20', leader: true, year: 2026, ...teacher };
    // Kept at 06:49:14 in Tashkent, the latest of all.
    const good = {
      id: 1,
      request,
      entries: [{ row: 8, column: 4, hours: 3 }],
      keptAt: Date.UTC(2026, 11, 7, 1, 49, 14),
    };
    // One of each way a record goes wrong: no report, a workbook that no longer opens, a
    // correction of the wrong shape. Every reason is the module's.
    const damaged = [
      [{ request: null, entries: [] }, /^buzilgan: hisobotning ma'lumotlari yo'q\.$/],
      [{ opened: { fileName: 'eski.xlsx', workbook: null }, entries: [] }, /^buzilgan: "eski\.xlsx" ochilmadi: /],
      [{ request, entries: [{ row: 8, column: 4, hours: 'NaN' }] }, /^buzilgan: Oktabr · Dars soatlari: .*son emas/],
    ];
    await keepOnly(page, [
      good,
      ...damaged.map(([record], index) => ({ id: index + 2, keptAt: index + 2, ...record })),
    ]);
    await loadPage();
    assert.equal(await message(), '');
    const lines = await offered();
    assert.equal(lines.length, damaged.length + 1);
    const heading = () => page.$eval('#Recovery p', (line) => line.textContent);
    assert.equal(await heading(), `Oldingi safardan ${damaged.length + 1} ta hisobot saqlab qo'yilgan:`);
    const goodLine = lines[0];
    assert.equal(goodLine.damaged, false);
    assert.deepEqual(goodLine.buttons, ['Tiklash', "O'chirib tashlash"]);
    // Named as the desktop names it: the teacher, the school year, the moment to the minute.
    assert.equal(goodLine.text, "Karimova Dilnoza, 2026/2027 o'quv yili, 07.12.2026 06:49");
    for (const [index, [, reason]] of damaged.entries()) {
      const line = lines.find((shown) => shown.id === String(index + 2));
      assert.equal(line.damaged, true, line.text);
      assert.deepEqual(line.buttons, ["O'chirib tashlash"], line.text);
      // Damaged records name what they can: the one without a request is a report without a name.
      assert.match(line.text.replace(/^.* — (?=buzilgan)/, ''), reason, line.text);
    }

    // The good one is taken back with its correction; the damaged ones are removed one by one.
    await page.click('#Recovery [data-kept="1"] button');
    await page.waitForSelector('[data-cell="S20"]');
    assert.equal(await message(), '');
    assert.equal(await page.$eval('[data-cell="D8"]', (cell) => cell.dataset.value), '3');
    assert.equal(await page.$eval('#Command1', (button) => button.hidden), false);
    assert.equal(await heading(), `Oldingi safardan ${damaged.length} ta hisobot saqlab qo'yilgan:`);
    // One at a time, each found anew: the offer is written again after each removal.
    for (let left = damaged.length; left > 0; left -= 1) {
      await page.click('#Recovery [data-damaged] button');
      await page.waitForFunction(
        (count) => document.querySelectorAll('#Recovery [data-damaged]').length < count,
        {},
        left,
      );
    }
    await page.waitForFunction(() => !document.querySelector('#Recovery [data-kept]'));
    assert.deepEqual(
      (await stored()).map((record) => record.id),
      [1],
    );
    await loadPage();
    assert.deepEqual(
      (await offered()).map((line) => [line.id, line.damaged]),
      [['1', false]],
    );
    assert.equal(await message(), '');
  },
);

const boxes = (ids) =>
  page.evaluate(
    (ids) =>
      ids.map((id) => {
        const box = document.getElementById(id);
        return box.type === 'text' ? box.value : box.checked;
      }),
    ids,
  );
const DAYS = ['Text7', 'Text8', 'Text9', 'Text10', 'Text11', 'Text12'];

test("the form's last entries come back when the page is opened again, and a kept report brings its days", async () => {
  await keepOnly(page, []);
  await loadPage();
  const typed = ['Yoqubova Oʻgʻiloy', '7', 'kimyo'];
  for (const [index, id] of ['Text3', 'Text6', 'Text4', ...DAYS].entries()) await typeInto(id, typed[index] ?? '4');
  await page.click('#Option1');
  await page.$eval('#Check1', (box) => {
    box.checked = true;
  });
  assert.equal(await page.$eval('#Text2', (box) => box.value), '24');
  const keeps = await page.$eval('body', (body) => Number(body.dataset.keeps ?? 0));
  await page.click('#Command2');
  await page.waitForSelector('[data-cell="S20"]');
  await page.waitForFunction((before) => Number(document.body.dataset.keeps ?? 0) > before, {}, keeps);
  // Typed after the run: the form's last entries, not the report's.
  await page.click('#Text7', { clickCount: 3 });
  await page.keyboard.type('5');

  await loadPage();
  const form = ['Text3', 'Text6', 'Text4', ...DAYS, 'Text2', 'Text1', 'Option1', 'Check1'];
  const last = [...typed, '5', '4', '4', '4', '4', '4', '25', '18', true, true];
  assert.deepEqual(await boxes(form), last);
  assert.equal(await page.$eval('#Command2', (button) => button.hidden), false);

  await page.click('#Recovery [data-kept] button');
  await page.waitForSelector('[data-cell="S20"]');
  const reported = [...typed, '4', '4', '4', '4', '4', '4', '24', '18', true, true];
  assert.deepEqual(await boxes(form), reported);
});

// The page opened again (what it remembers of earlier answers forgotten unless kept), the
// browser answering its asking to keep the storage as granted says, counted in
// window.persistAsked, and a report run and kept: once the page has the answer.
async function keepAnswered(granted, remembered = false) {
  await loadPage();
  if (!remembered) await page.evaluate(() => localStorage.clear());
  await page.evaluate((answer) => {
    window.persistAsked = 0;
    navigator.storage.persisted = async () => false;
    navigator.storage.persist = async () => {
      window.persistAsked += 1;
      return answer;
    };
  }, granted);
  await runAndKeep('Aliyev Vali');
  await page.waitForFunction(() => document.getElementById('StorageNote').dataset.persisted);
}
const storageNote = () =>
  page.$eval('#StorageNote', (note) => ({
    shown: !note.hidden,
    text: note.textContent,
    persisted: note.dataset.persisted,
  }));

test(
  'the storage is asked to be kept when a report is ' + 'first kept; a refusal is said once, beside the offer',
  async () => {
    await keepAnswered(false);
    await runAndKeep('Aliyev Vali');
    assert.equal(await page.evaluate(() => window.persistAsked), 1);
    const refused = await storageNote();
    assert.deepEqual([refused.shown, refused.persisted], [true, 'no']);
    assert.match(refused.text, /^Brauzer bu sahifaning xotirasini doimiy saqlashga ruxsat bermadi/);

    // Said once: the next time it is refused again, the page says nothing more.
    await keepAnswered(false, true);
    assert.deepEqual(await storageNote(), { shown: false, text: '', persisted: 'no' });

    await keepAnswered(true);
    assert.deepEqual(await storageNote(), { shown: false, text: '', persisted: 'yes' });
    assert.equal(await page.evaluate(() => window.persistAsked), 1);
  },
);
