// Bundles the page into one self-contained file: its script, the WebAssembly module's code
// and the file work (the workbook and staff list libraries) as text, the style, its icon,
// and the report's font (DejaVu Sans and its bold, cut down to the letters a form in Uzbek, Russian
// or English needs) as data.
//
//   node build.mjs MODULE_JS FONT_DIR OUTPUT_HTML

import { build, transform } from 'esbuild';
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { textOfBytes } from './src/build/code_text.js';
import { deferredScriptEvent } from './src/start/deferred_script.js';
import { formMarkup } from './src/build/form.js';
import { labelledMarkup, rosterHeadingsMarkup } from './src/build/labels.js';
import { escapedMarkup } from './src/build/markup_text.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const [moduleJs, fontDir, output] = process.argv.slice(2);
if (!moduleJs || !fontDir || !output) {
  console.error('usage: node build.mjs MODULE_JS FONT_DIR OUTPUT_HTML');
  process.exit(64);
}

// Three scripts: the page's first, which the form needs to take input; the rest of the
// page's work, and its file work (the workbooks and the staff list with their libraries),
// each deferred: held as text in an element the browser does not run until the page asks for it
// (deferred_script.js), so that opening the page does not read them before the form is drawn.
// A deferred script is one expression that hands over what its module exports.
async function bundle(entry, globalName) {
  const bundled = await build({
    entryPoints: [path.join(here, entry)],
    bundle: true,
    write: false,
    format: 'iife',
    globalName,
    minify: true,
    target: ['chrome100', 'firefox100', 'safari15'],
    legalComments: 'none',
    alias: { 'soatnoma-module': path.resolve(moduleJs) },
    // The module's loader names node's own modules for when it runs there; the page never does.
    external: ['fs', 'path', 'crypto'],
    logLevel: 'warning',
  });
  // A script inside the page must not close its own element.
  return bundled.outputFiles[0].text.replace(/<\/script/gi, '<\\/script');
}
const script = await bundle('src/start/main.js');
// A deferred script hands its exports to the page in the event named for its element.
async function deferredScript(entry, id) {
  return (
    `(()=>{${await bundle(entry, 'deferred')};` +
    `document.dispatchEvent(new CustomEvent(${JSON.stringify(deferredScriptEvent(id))},{detail:deferred}))})()`
  );
}
const pageWork = await deferredScript('src/start/page_work.js', 'PageWork');
const fileWork = await deferredScript('src/files/file_work.js', 'FileWork');
// The worker that reads files, started from this text as a Blob when a file is read.
const readingWork = await bundle('src/reading/reading_work.js');

function fontFace(file, weight) {
  const data = readFileSync(path.join(fontDir, file)).toString('base64');
  return (
    `@font-face{font-family:"DejaVu Sans";font-weight:${weight};font-style:normal;font-display:block;` +
    `src:url(data:font/woff2;base64,${data}) format("woff2")}`
  );
}
// The style without its comments and spaces, for the same browsers as the scripts. Each part
// carries its own; they are joined in this order, which the cascade relies on: the page and its
// form first (their phone rules too), then the report and its explanation, then the staff.
const styleParts = [
  'src/start/start.css',
  'src/report/report.css',
  'src/report/explanation.css',
  'src/staff/staff.css',
];
const styleSheets = styleParts.map((file) => readFileSync(path.join(here, file), 'utf8'));
const minified = await transform(styleSheets.join('\n'), {
  loader: 'css',
  minify: true,
  target: ['chrome100', 'firefox100', 'safari15'],
  logLevel: 'warning',
});
const style = fontFace('DejaVuSans.woff2', 'normal') + fontFace('DejaVuSans-Bold.woff2', 'bold') + minified.code;

// The module's WebAssembly code beside its JavaScript, deflated, as text (code_text.js;
// module_code.js unpacks it). Zopfli packs it a fifteenth smaller than zlib's best, as the
// same raw deflate any inflater reads.
const moduleWasmFile = moduleJs.replace(/\.js$/, '.wasm');
const moduleWasm = readFileSync(moduleWasmFile);
const moduleCode = textOfBytes(execFileSync('zopfli', ['--deflate', '-c', moduleWasmFile], { maxBuffer: 1 << 26 }));

// What the page shows before its module has started, asked of the module here once: the
// form's controls, the names of what the teacher can do and the staff list's headings (and
// what is said should the rest of the page fail to start),
// written into the page's markup, so that the form is drawn with the page and takes input
// while the module's code is still compiling in the browser.
async function pageStart() {
  const module = await createRequire(import.meta.url)(path.resolve(moduleJs))({ wasmBinary: moduleWasm });
  return {
    form: JSON.parse(module.formControls()),
    labels: JSON.parse(module.actionLabels()),
    rosterColumns: JSON.parse(module.rosterColumns()),
    schoolYears: JSON.parse(module.schoolYears(new Date().getFullYear(), '')),
    words: JSON.parse(module.pageWords()),
  };
}

// The school year's caption and the years offered as the page is built: they hold the
// choice's place from the first frame, unread (data-provisional) until the page has asked the
// module for today's.
function schoolYearsMarkup({ caption, offered }) {
  return {
    caption: `${escapedMarkup(caption)}:`,
    options: offered.map(({ year, text }) => `<option value="${year}">${escapedMarkup(text)}</option>`).join(''),
  };
}

// The page's icon as data, which the page's own rules let it show (a browser would otherwise
// ask the server for /favicon.ico, which they forbid).
const icon = `data:image/svg+xml;base64,${readFileSync(path.join(here, 'icon.svg')).toString('base64')}`;

// The page's policy runs no script but its own three, named by their hashes: the page's first
// script and the two it runs when they are needed.
const hashOf = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const scriptHashes = [script, pageWork, fileWork].map(hashOf).join(' ');

const start = await pageStart();
const form = formMarkup(start.form);
const schoolYears = schoolYearsMarkup(start.schoolYears);
const page = labelledMarkup(readFileSync(path.join(here, 'index.html'), 'utf8'), start.labels)
  .replace('/*ROOT_STYLE*/', () => form.rootStyle)
  .replace('/*FORM*/', () => form.controls)
  .replace('/*SCHOOL_YEAR_CAPTION*/', () => schoolYears.caption)
  .replace('/*SCHOOL_YEARS*/', () => schoolYears.options)
  .replace('/*ROSTER_HEADINGS*/', () => rosterHeadingsMarkup(start.rosterColumns))
  .replace('/*START_FAILED*/', () => escapedMarkup(start.words.startFailed))
  .replace('/*ICON*/', () => icon)
  .replace('/*SCRIPT_HASHES*/', () => scriptHashes)
  .replace('/*STYLE*/', () => style)
  .replace('/*MODULE_CODE*/', () => moduleCode)
  .replace('/*PAGE_WORK*/', () => pageWork)
  .replace('/*FILE_WORK*/', () => fileWork)
  .replace('/*READING_WORK*/', () => readingWork)
  .replace('/*SCRIPT*/', () => script);
writeFileSync(output, page);
// Beside the page, the worker that keeps it offline when it is served over http.
writeFileSync(path.join(path.dirname(output), 'sw.js'), readFileSync(path.join(here, 'sw.js')));
