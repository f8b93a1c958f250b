// What the browser edition's tests share: where the built parts are, and the module.
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, '../..');
export const webBuild = process.env.SOATNOMA_WEB_BUILD ?? path.join(root, 'build-web');
export const cli = process.env.SOATNOMA_CLI ?? path.join(root, 'build/cli/soatnoma-cli');

// The command line's report of the teacher of the form given, written to output, to hold the
// page's workbook against: unless the form says otherwise, the page tests' primary-class
// leader (24 hours a week at tariff 18).
export function writeCliReport(form, year, output) {
  const { name, school, subject, category = 'primary', weekly = '24', rate = '18', leader = true } = form;
  const facts = ['--category', category, '--weekly', weekly, '--rate', rate, ...(leader ? ['--leader'] : [])];
  const teacher = ['--name', name, '--school', school, '--subject', subject, '--year', String(year)];
  execFileSync(cli, ['report', ...facts, ...teacher, '-o', output], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
  });
}

// `soatnoma-cli batch` on the staff list, writing output (a workbook or a PDF) for the school
// year given: its run, held to the exit status expected (1: a row of the list refused).
export function runCliBatch(list, output, year, status = 0) {
  const run = spawnSync(cli, ['batch', list, '-o', output, '--year', String(year)], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
    encoding: 'utf8',
  });
  assert.equal(run.status, status, run.stderr);
  return run;
}

// The page's module, and the test module: the same bindings and what only the tests ask
// (the table as the command line prints it, the report's file name).
export const moduleJs = path.join(webBuild, 'module/web/soatnoma_module.js');
export const testModuleJs = path.join(webBuild, 'module/web/soatnoma_test_module.js');
// A module's WebAssembly code, beside its JavaScript.
export const moduleCode = (js = moduleJs) => readFileSync(js.replace(/\.js$/, '.wasm'));

// The test module with its code handed over, as the page does: its loader would fetch the file.
export async function loadModule() {
  const factory = createRequire(import.meta.url)(testModuleJs);
  return factory({ wasmBinary: moduleCode(testModuleJs) });
}

// A measure as plain as can be, for tests that look at what the form says rather than at
// where its lines break: every character 0.6 of the font size wide.
export const plainMeasure = {
  fontMeasures: (family, size) => ({ ascent: size * 0.93, descent: size * 0.24, lineSpacing: size * 1.17 }),
  width: (family, size, bold, text) => [...text].length * size * 0.6,
  rightOverhang: () => 0,
};

// Debian's Chromium, headless, with a profile of its own in the folder given and nothing
// fetched on the side.
export async function launchChromium(scratch) {
  const { default: puppeteer } = await import('puppeteer-core');
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox',
      '--headless',
      '--disable-gpu',
      '--disable-background-networking',
      '--disable-component-update',
      '--no-first-run',
      `--user-data-dir=${path.join(scratch, 'profile')}`,
    ],
  });
}

// A Chromium of its own (its profile in scratch) with the built page open, ready for input:
// {browser, page}.
export async function launchBuiltPage(scratch) {
  const browser = await launchChromium(scratch);
  const page = await browser.newPage();
  await openBuiltPage(page);
  return { browser, page };
}

// A test file's own scratch folder (soatnoma-<name>- among the system's), and what open(scratch)
// opens there before the file's first test ({browser, page, ...}: by default the built page in
// a Chromium of its own, ready for input), filled into the object handed back; ready() resolves
// with it once it is open, for a hook of the file's own (the hooks of a file run side by side).
// After the last test the browser is closed and the folder removed.
export function openForTests(name, open = launchBuiltPage) {
  let opening = null;
  const opened = { scratch: mkdtempSync(path.join(os.tmpdir(), `soatnoma-${name}-`)) };
  opened.ready = () => {
    opening ??= open(opened.scratch).then((made) => Object.assign(opened, made));
    return opening;
  };
  before(opened.ready);
  after(async () => {
    await opened.browser?.close();
    rmSync(opened.scratch, { recursive: true, force: true });
  });
  return opened;
}

// The marks named let go from the page's body, so that a test waits for them to be set anew.
export const unmark = (page, ...names) =>
  page.evaluate((marks) => marks.forEach((name) => delete document.body.dataset[name]), names);

// The form's boxes given ({id: text}, the weekly hours 24 unless given) set as typing them
// would set them, and the report run from the weekly hours with Enter: resolves once it is drawn.
export async function runReport(page, boxes = {}) {
  const given = { Text2: '24', ...boxes };
  await page.evaluate((texts) => {
    delete document.body.dataset.report;
    for (const [id, text] of Object.entries(texts)) {
      document.getElementById(id).value = text;
      document.getElementById(id).dispatchEvent(new Event('input'));
    }
  }, given);
  await page.focus('#Text2');
  await page.keyboard.press('Enter');
  await page.waitForSelector('body[data-report="drawn"]');
}

// The built page opened in the browser's page given, ready for input.
export async function openBuiltPage(page) {
  await page.goto(pathToFileURL(path.join(webBuild, 'soatnoma.html')).href);
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
}

// Sends the page's downloads into folder, each waited for by the browser's own word that it
// is complete rather than by looking for the file again and again. next(name) resolves with
// the path of the next download (asked for before or after it began) once it is written,
// and fails when it was cancelled or, name given, is named otherwise; handed() counts the
// downloads begun.
export async function watchDownloads(page, folder) {
  const session = await page.createCDPSession();
  const names = new Map();
  const waiting = [];
  const finished = [];
  session.on('Browser.downloadWillBegin', ({ guid, suggestedFilename }) => names.set(guid, suggestedFilename));
  session.on('Browser.downloadProgress', ({ guid, state }) => {
    if (state !== 'completed' && state !== 'canceled') return;
    const ended = { name: names.get(guid), state };
    if (waiting.length > 0) waiting.shift()(ended);
    else finished.push(ended);
  });
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
  const next = () =>
    finished.length > 0
      ? Promise.resolve(finished.shift())
      : new Promise((done) => {
          waiting.push(done);
        });
  return {
    next: async (name) => {
      const ended = await next();
      if (ended.state !== 'completed') throw new Error(`${ended.name}: ${ended.state}`);
      if (name !== undefined && ended.name !== name) throw new Error(`${ended.name} downloaded, ${name} expected`);
      return path.join(folder, ended.name);
    },
    handed: () => names.size,
  };
}

// The page published as a school would: the page and its worker on a plain web server, here
// on this machine only, every other path not found. Hands back the server, the page's
// address and the paths asked for.
export async function servePage() {
  const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript' };
  const asked = [];
  const server = createServer((request, response) => {
    const { pathname } = new URL(request.url, 'http://localhost');
    asked.push(pathname);
    const name = path.basename(pathname);
    if (!['soatnoma.html', 'sw.js'].includes(name)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(name)] }).end(readFileSync(path.join(webBuild, name)));
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return { server, url: `http://127.0.0.1:${server.address().port}/soatnoma.html`, asked };
}

// LibreOffice headless converts the files into the folder out with the filter given, every
// formula recalculated as the file is loaded; its profile lives in scratch.
export function convertInLibreOffice(scratch, filter, out, files) {
  const profile = path.join(scratch, 'office', 'user');
  mkdirSync(profile, { recursive: true });
  writeFileSync(
    path.join(profile, 'registrymodifications.xcu'),
    `<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load">
<prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
`,
  );
  execFileSync(
    'soffice',
    [
      `-env:UserInstallation=${pathToFileURL(path.join(scratch, 'office')).href}`,
      '--headless',
      '--convert-to',
      filter,
      '--outdir',
      out,
      ...files,
    ],
    { stdio: 'ignore' },
  );
}
