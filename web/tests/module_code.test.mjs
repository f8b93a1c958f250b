// The page starts its module from the WebAssembly code it carries as text of its deflated
// bytes: the text decoded and unpacked to the very bytes, with or without the browser's
// inflater (its start from them is every page test's), and a broken code said as a fault
// rather than left waiting for ever.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { deflateRawSync } from 'node:zlib';

import { bytesOfText, textOfBytes } from '../src/build/code_text.js';
import { inflatedBytes, startModule } from '../src/page/module_code.js';
import { moduleCode, moduleJs } from './support.mjs';

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
