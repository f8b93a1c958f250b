// The page starts its module from the WebAssembly code it carries as base64 text of its
// deflated bytes: the text decoded and unpacked to the very bytes, the module working once
// started, and a broken code said as a fault rather than left waiting for ever.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { deflateRawSync } from 'node:zlib';

import { bytesOfBase64, inflatedBytes, startModule } from '../src/module_code.js';
import { moduleCode, moduleJs } from './support.mjs';

const factory = createRequire(import.meta.url)(moduleJs);
const code = moduleCode();
// The code as the page carries it.
const carried = (bytes) => deflateRawSync(bytes, { level: 9 }).toString('base64');

test('base64 text comes back as the bytes it was made of, whatever their length and values', () => {
  const everyByte = Uint8Array.from({ length: 256 }, (_, i) => i);
  for (const bytes of [new Uint8Array(0), everyByte.subarray(0, 1), everyByte.subarray(250, 252), everyByte, code]) {
    const decoded = bytesOfBase64(Buffer.from(bytes).toString('base64'));
    assert.ok(decoded instanceof Uint8Array);
    assert.deepEqual(Buffer.from(decoded), Buffer.from(bytes));
  }
});

test('deflated bytes come back as they were, the module\'s code too, with or without the browser\'s inflater', async () => {
  for (const bytes of [Buffer.alloc(0), Buffer.alloc(70000, 7), code]) {
    const packed = bytesOfBase64(carried(bytes));
    assert.deepEqual(Buffer.from(await inflatedBytes(packed)), bytes);
    assert.deepEqual(Buffer.from(await inflatedBytes(packed, null)), bytes);
  }
});

test('the module started from its code as the page carries it works', async () => {
  const module = await startModule(factory, carried(code));
  assert.equal(module.defaultRate('primary'), '18');
  assert.equal(module.defaultRate('upper'), '20');
});

test('code that is not the module is refused as a fault', async () => {
  const broken = [carried(Buffer.from('not WebAssembly at all')), carried(code.subarray(0, code.length / 2))];
  for (const text of broken) {
    await assert.rejects(startModule(factory, text), WebAssembly.CompileError);
  }
  // Packed bytes cut short are refused by the inflater.
  const packed = deflateRawSync(code);
  await assert.rejects(startModule(factory, packed.subarray(0, packed.length / 2).toString('base64')));
});
