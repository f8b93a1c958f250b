// One small driver for the page in each browser engine, so that one set of flow tests runs in
// all of them: Chromium and Firefox ESR through puppeteer-core (Firefox over WebDriver BiDi),
// WebKitGTK through its WebDriver. Each opens the page, clicks or taps, types, runs a function
// in the page, waits for a state the page marks, answers a reload and downloads.
// The faults the page throws are collected where the engine tells them (not in WebKitGTK).
import { existsSync, mkdirSync, readdirSync, readFileSync, watch } from 'node:fs';
import path from 'node:path';

import { launchChromium } from './support.mjs';
import { WebDriverSession } from './webdriver.mjs';

// A download is done once its file is there under its own name, no part of it is still being
// written beside it (Chromium's ".crdownload", Firefox's ".part"), and, as every download here
// is a workbook, its package ends with the record that closes a zip.
const ZIP_END = Buffer.from([0x50, 0x4b, 0x05, 0x06]);

function finished(folder, name) {
  const files = readdirSync(folder);
  if (!files.includes(name) || files.some((file) => file !== name && file.startsWith(name))) return false;
  const bytes = readFileSync(path.join(folder, name));
  return bytes.subarray(-64).includes(ZIP_END);
}

function fileLanding(folder, name) {
  return new Promise((resolve) => {
    const done = () => {
      if (!finished(folder, name)) return;
      watcher.close();
      resolve(readFileSync(path.join(folder, name)));
    };
    const watcher = watch(folder, done);
    done();
  });
}

// The bytes of the file a click on the element chosen downloads under the name given.
async function downloadBy(driver, selector, name) {
  const landing = fileLanding(driver.downloads, name);
  await driver.click(selector);
  return landing;
}

// The pointer events a finger held on the element and lifted makes, handed to the page as a touch
// screen hands them, where the driver makes no touch that is held (headless Firefox, WebKitGTK's
// WebDriver, which lets a touch down only with its lift).
function finger(chosen, types) {
  const target = document.querySelector(chosen);
  target.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  const box = target.getBoundingClientRect();
  const middle = { clientX: box.left + box.width / 2, clientY: box.top + box.height / 2 };
  const at = { bubbles: true, cancelable: true, ...middle };
  for (const type of types) {
    const made =
      type === 'click'
        ? new MouseEvent(type, at)
        : new PointerEvent(type, { ...at, pointerType: 'touch', isPrimary: true });
    target.dispatchEvent(made);
  }
}

const asList = (modifiers) => [...(modifiers.ctrl ? ['Control'] : []), ...(modifiers.shift ? ['Shift'] : [])];

class PuppeteerDriver {
  static async launch(engine, scratch, downloads) {
    let browser;
    if (engine === 'chromium') {
      browser = await launchChromium(scratch);
    } else {
      const { default: puppeteer } = await import('puppeteer-core');
      browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        userDataDir: path.join(scratch, 'profile'),
        extraPrefsFirefox: {
          // Scroll bars that take room, as on a desktop where they are always shown.
          'widget.gtk.overlay-scrollbars.enabled': false,
          'browser.download.folderList': 2,
          'browser.download.dir': downloads,
          'browser.download.useDownloadDir': true,
          // Firefox opens its downloads panel over the page at every download, and the page
          // keeps no focus behind it: the keys after a download would go nowhere.
          'browser.download.alwaysOpenPanel': false,
        },
      });
    }
    const page = await browser.newPage();
    if (engine === 'chromium') {
      const session = await page.createCDPSession();
      await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
      // The workbook goes out as a download in every engine; Chromium's save picker is
      // tested on its own (kept.test.mjs).
      await page.evaluateOnNewDocument(() => {
        delete window.showSaveFilePicker;
      });
    }
    return new PuppeteerDriver(engine, browser, page, downloads);
  }

  constructor(engine, browser, page, downloads) {
    Object.assign(this, { engine, browser, page, downloads, errors: [] });
    page.on('pageerror', (fault) => this.errors.push(String(fault.message ?? fault)));
    // Every question the page asks (before it is left with unsaved work) is answered yes.
    this.asked = [];
    page.on('dialog', async (dialog) => {
      this.asked.push(dialog.type());
      await dialog.accept();
    });
    this.asksBeforeLeaving = true;
  }

  async size(width, height) {
    // Chromium takes taps only on a touch screen, which it cannot be made into without a reload.
    await this.page.setViewport({ width, height, hasTouch: this.engine === 'chromium' });
  }

  goto = (url) => this.page.goto(url);
  evaluate = (fn, ...args) => this.page.evaluate(fn, ...args);
  async waitFor(fn, ...args) {
    return (await this.page.waitForFunction(fn, { timeout: 60000 }, ...args)).jsonValue();
  }

  click = (selector) => this.page.click(selector);
  // Headless Firefox cannot make touches (its driver refuses them), so a tap is a click there.
  tap = (selector) => (this.engine === 'chromium' ? this.page.tap(selector) : this.page.click(selector));
  // A finger held on the element until the page shows what until() waits for, then lifted.
  // Headless Firefox makes no touches: there the page is handed the pointer events a finger makes.
  async longPress(selector, until) {
    if (this.engine === 'chromium') {
      const element = await this.page.$(selector);
      await element.scrollIntoView();
      const box = await element.boundingBox();
      await this.page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height / 2);
      await this.waitFor(until);
      await this.page.touchscreen.touchEnd();
      return;
    }
    await this.page.evaluate(finger, selector, ['pointerdown']);
    await this.waitFor(until);
    await this.page.evaluate(finger, selector, ['pointerup', 'click']);
  }
  // Puppeteer has no double tap; two clicks in a row stand in for it.
  doubleTap = (selector) => this.page.click(selector, { count: 2 });
  type = (text) => this.page.keyboard.type(text);
  async press(key, modifiers = {}) {
    for (const held of asList(modifiers)) await this.page.keyboard.down(held);
    await this.page.keyboard.press(key);
    for (const held of asList(modifiers)) await this.page.keyboard.up(held);
  }

  async setFile(selector, file) {
    await (await this.page.$(selector)).uploadFile(file);
  }

  // Reloads; hands back the questions the page asked first.
  async reload() {
    this.asked = [];
    await this.page.reload();
    return this.asked;
  }

  download = (selector, name) => downloadBy(this, selector, name);

  close = () => this.browser.close();
}

// WebKitGTK through its WebDriver session. It shows no question before a page with unsaved work
// is left while it is driven so, so whether the page asks cannot be seen there.
class WebKitDriver extends WebDriverSession {
  engine = 'webkit';
  errors = [];
  asksBeforeLeaving = false;

  size = (width, height) => this.command('POST', '/window/rect', { width, height });
  goto = (url) => this.command('POST', '/url', { url });
  evaluate = (fn, ...args) => this.run(fn, args);
  waitFor = (fn, ...args) => this.waitUntil(fn, args);

  click = (selector) => this.pointer(selector, 'mouse', 1);
  tap = (selector) => this.pointer(selector, 'touch', 1);
  doubleTap = (selector) => this.pointer(selector, 'touch', 2);
  async longPress(selector, until) {
    await this.run(finger, [selector, ['pointerdown']]);
    await this.waitUntil(until, []);
    await this.run(finger, [selector, ['pointerup', 'click']]);
  }
  type = (text) => this.keys([...text]);
  press = (key, modifiers = {}) => this.keys([key], asList(modifiers));

  async reload() {
    await this.command('POST', '/refresh');
    return null;
  }

  download = (selector, name) => downloadBy(this, selector, name);
  close = () => this.quit();
}

// The engine named, its downloads in scratch/downloads.
export async function openBrowser(engine, scratch) {
  const downloads = path.join(scratch, 'downloads');
  if (!existsSync(downloads)) mkdirSync(downloads, { recursive: true });
  if (engine === 'webkit') return WebKitDriver.start(scratch, downloads);
  return PuppeteerDriver.launch(engine, scratch, downloads);
}
