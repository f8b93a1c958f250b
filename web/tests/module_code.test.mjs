// The page starts its module from the WebAssembly code it carries as text of its deflated
// bytes: the text decoded and unpacked to the very bytes, with or without the browser's
// inflater (its start from them is every page test's), and a broken code said as a fault
// rather than left waiting for ever, in the page too: there in the module's words, which the
// page carries without it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { deflateRawSync } from 'node:zlib';

import { bytesOfText, textOfBytes } from '../src/build/code_text.js';
import { inflatedBytes, startModule } from '../src/page/module_code.js';
import { launchChromium, loadModule, moduleCode, moduleJs, webBuild } from './support.mjs';

const factory = createRequire(import.meta.url)(moduleJs);
const code = moduleCode();
// The code as the page carries it.
const carried = (bytes) => textOfBytes(deflateRawSync(bytes, { level: 9 }));

test(
  'the text of bytes comes back as they were, whatever ' + 'their length and values, and a page holds it as it is',
  () => {
    const everyByte = Uint8Array.from({ length: 256 }, (_, i) => i);
    const held = [0, 13, 60].map((number) => number << 1);
    const sevens = Uint8Array.from({ length: 70 }, (_, i) => held[i % 3] | (i & 1));
    const lengths = Array.from({ length: 16 }, (_, length) => everyByte.subarray(0, length));
    for (const bytes of [...lengths, everyByte, everyByte.slice().reverse(), sevens, new Uint8Array(1000), code]) {
      const text = textOfBytes(bytes);
      assert.doesNotMatch(text, /[\0\r<]/);
      assert.ok([...text].every((letter) => letter.charCodeAt(0) < 0x280));
      const decoded = bytesOfText(text);
      assert.ok(decoded instanceof Uint8Array);
      assert.deepEqual(Buffer.from(decoded), Buffer.from(bytes));
    }
    // Seven bits a character, where base64 carries six.
    assert.ok(textOfBytes(code).length < code.length * 1.15);
  },
);

test(
  "deflated bytes come back as they were, the module's " + "code too, with or without the browser's inflater",
  async () => {
    for (const bytes of [Buffer.alloc(0), Buffer.alloc(70000, 7), code]) {
      const packed = bytesOfText(carried(bytes));
      assert.deepEqual(Buffer.from(await inflatedBytes(packed)), bytes);
      assert.deepEqual(Buffer.from(await inflatedBytes(packed, null)), bytes);
    }
  },
);

test('code that is not the module is refused as a fault', async () => {
  const broken = [carried(Buffer.from('not WebAssembly at all')), carried(code.subarray(0, code.length / 2))];
  for (const text of broken) {
    await assert.rejects(startModule(factory, text), WebAssembly.CompileError);
  }
  // Packed bytes cut short are refused by the inflater.
  const packed = deflateRawSync(code);
  await assert.rejects(startModule(factory, textOfBytes(packed.subarray(0, packed.length / 2))));
});

test('a page whose module cannot start says so in the words it was built with', async () => {
  const scratch = mkdtempSync(path.join(os.tmpdir(), 'soatnoma-module-code-'));
  const browser = await launchChromium(scratch);
  try {
    const built = readFileSync(path.join(webBuild, 'soatnoma.html'), 'utf8');
    const broken = built.replace(
      /(<script type="text\/plain" id="ModuleCode">)[^<]*/,
      (_, open) => open + carried(Buffer.from('no module')),
    );
    writeFileSync(path.join(scratch, 'broken.html'), broken);
    const page = await browser.newPage();
    await page.goto(pathToFileURL(path.join(scratch, 'broken.html')).href);
    const said = await page.waitForFunction(() => document.getElementById('message').textContent);
    const { startFailed } = JSON.parse((await loadModule()).pageWords());
    assert.ok((await said.jsonValue()).startsWith(`${startFailed} `));
  } finally {
    await browser.close();
    rmSync(scratch, { recursive: true, force: true });
  }
});
