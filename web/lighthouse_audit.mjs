// Lighthouse's audit of the page's first load, as a phone on a slow network would see it:
// its default mobile settings (a moto g power: the processor slowed four times, slow 4G
// simulated), the page served with gzip on 127.0.0.1, in Debian's Chromium.
import { mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { launch } from 'chrome-launcher';
import lighthouse from 'lighthouse';

import { serveGzipped } from './tests/gzip_server.mjs';

const CATEGORIES = ['performance', 'accessibility', 'best-practices'];
const FIGURES = {
  fcp: 'first-contentful-paint',
  lcp: 'largest-contentful-paint',
  tbt: 'total-blocking-time',
  cls: 'cumulative-layout-shift',
  si: 'speed-index',
};

// The scores (0 to 100) and figures (milliseconds; layout shift as Lighthouse counts it) of
// one audit of the page in folder, and the audits that fell short of a full score.
export async function auditFirstLoad(folder) {
  const served = await serveGzipped(folder);
  const profile = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-lighthouse-'));
  const chrome = await launch({
    chromePath: '/usr/bin/chromium',
    userDataDir: profile,
    chromeFlags: [
      '--headless=new',
      '--no-sandbox',
      '--disable-gpu',
      '--disable-background-networking',
      '--disable-component-update',
      '--no-first-run',
    ],
  });
  try {
    const { lhr } = await lighthouse(served.url, { port: chrome.port, logLevel: 'error', onlyCategories: CATEGORIES });
    const scores = Object.fromEntries(CATEGORIES.map((name) => [name, Math.round(lhr.categories[name].score * 100)]));
    const figures = Object.fromEntries(Object.entries(FIGURES).map(([key, id]) => [key, lhr.audits[id].numericValue]));
    const failed = CATEGORIES.filter((name) => name !== 'performance')
      .flatMap((name) => lhr.categories[name].auditRefs)
      .map(({ id }) => lhr.audits[id])
      .filter((audit) => audit.score !== null && audit.score < 1 && audit.scoreDisplayMode !== 'informative')
      .map((audit) => `${audit.id}: ${audit.title}`);
    return { scores, figures, failed, runtimeError: lhr.runtimeError };
  } finally {
    await chrome.kill();
    await served.close();
    rmSync(profile, { recursive: true, force: true });
  }
}
