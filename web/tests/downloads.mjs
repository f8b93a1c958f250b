// The page opened for a test of what it downloads.
import { mkdirSync } from 'node:fs';
import path from 'node:path';

import { launchChromium, openBuiltPage, watchDownloads } from './support.mjs';

// The built page in a Chromium of its own (its profile in scratch), ready for input, its
// downloads followed into scratch/downloads and a workbook handed over as a download, as in
// a browser without a save picker: {browser, page, files}.
export async function openPageWithDownloads(scratch) {
  const downloads = path.join(scratch, 'downloads');
  mkdirSync(downloads);
  const browser = await launchChromium(scratch);
  const page = await browser.newPage();
  const files = await watchDownloads(page, downloads);
  await page.evaluateOnNewDocument(() => {
    delete window.showSaveFilePicker;
  });
  await openBuiltPage(page);
  return { browser, page, files };
}
