// Downloads a page makes, waited for by the browser's own word that each is complete
// rather than by looking for the file again and again.
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchChromium, webBuild } from './support.mjs';

// Sends the page's downloads into folder; answers next(), which resolves with the path of
// the next download once the browser has finished writing it.
export async function followDownloads(page, folder) {
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
  const names = new Map();
  const waiting = [];
  const finished = [];
  session.on('Browser.downloadWillBegin', ({ guid, suggestedFilename }) => names.set(guid, suggestedFilename));
  session.on('Browser.downloadProgress', ({ guid, state }) => {
    if (state !== 'completed' && state !== 'canceled') return;
    const file = state === 'completed' ? path.join(folder, names.get(guid)) : null;
    if (waiting.length > 0) waiting.shift()(file);
    else finished.push(file);
  });
  return {
    next: () => (finished.length > 0 ? Promise.resolve(finished.shift()) : new Promise((resolve) => { waiting.push(resolve); })),
  };
}

// The built page in a Chromium of its own (its profile in scratch), ready for input, its
// downloads followed into scratch/downloads and a workbook handed over as a download, as in
// a browser without a save picker: {browser, page, files}.
export async function openPageWithDownloads(scratch) {
  const downloads = path.join(scratch, 'downloads');
  mkdirSync(downloads);
  const browser = await launchChromium(scratch);
  const page = await browser.newPage();
  const files = await followDownloads(page, downloads);
  await page.evaluateOnNewDocument(() => { delete window.showSaveFilePicker; });
  await page.goto(pathToFileURL(path.join(webBuild, 'soatnoma.html')).href);
  await page.waitForSelector('body[data-ready="yes"]', { timeout: 20000 });
  return { browser, page, files };
}
