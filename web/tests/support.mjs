// What the browser edition's tests share: where the built parts are, and the module.
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, '../..');
export const webBuild = process.env.SOATNOMA_WEB_BUILD ?? path.join(root, 'build-web');
export const cli = process.env.SOATNOMA_CLI ?? path.join(root, 'build/src/cli/soatnoma-cli');
export const fixtures = path.join(root, 'tests/fixtures/tables');

export async function loadModule() {
  const require = createRequire(import.meta.url);
  const factory = require(path.join(webBuild, 'module/web/soatnoma_module.js'));
  return factory();
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
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run', `--user-data-dir=${path.join(scratch, 'profile')}`],
  });
}
