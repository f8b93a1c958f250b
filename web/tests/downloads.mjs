// The page opened for a test of what it downloads, and what such a test does on it: a cell
// corrected, the workbook saved, the download set apart.
import { mkdirSync, renameSync } from 'node:fs';
import path from 'node:path';

import { launchChromium, openBuiltPage, watchDownloads } from './support.mjs';

// The built page in a Chromium of its own (its profile in scratch), ready for input, its
// downloads followed into scratch/downloads and a workbook handed over as a download, as in
// a browser without a save picker: {browser, page, files}. prepare(page) runs before it is opened.
export async function openPageWithDownloads(scratch, prepare) {
  const downloads = path.join(scratch, 'downloads');
  mkdirSync(downloads);
  const browser = await launchChromium(scratch);
  const page = await browser.newPage();
  const files = await watchDownloads(page, downloads);
  await page.evaluateOnNewDocument(() => {
    delete window.showSaveFilePicker;
  });
  await prepare?.(page);
  await openBuiltPage(page);
  return { browser, page, files };
}

// The next download moved to folder/as, so that a later one of the same name is its own:
// {name: the name it came under, file}.
export async function downloadedAs(files, folder, as) {
  const file = await files.next();
  renameSync(file, path.join(folder, as));
  return { name: path.basename(file), file: path.join(folder, as) };
}

// A cell typed over in its box and taken, once it is marked corrected.
export async function correctCell(page, ref, hours) {
  await page.click(`[data-cell="${ref}"] rect.border`);
  await page.keyboard.type(String(hours));
  await page.keyboard.press('Enter');
  await page.waitForSelector(`[data-cell="${ref}"] .mark.corrected`);
}

// "Excel kitobi", going on despite the cells to check it asks about first.
export async function saveGoingOn(page) {
  await page.click('#SaveXlsx');
  await page.waitForSelector('#CellsCheck[open]');
  await page.click('#CellsCheckGoOn');
}
