// The module's WebAssembly code is in the page as text of its deflated bytes (code_text.js:
// a page opened from a file may fetch nothing, and the packed code is little more than a
// third of the text to read when the page opens). It is unpacked by the browser's own
// inflater and compiled off the page's own thread while the fonts and the rest of the page
// get ready; the page's file reading worker is handed the same compiled code.

import { inflateSync } from 'fflate';

import { bytesOfText } from '../build/code_text.js';

// The bytes deflated into packed (raw deflate, as a workbook's parts are packed): by the
// browser's own inflater, or, in a browser without one (Safari before 16.4), by a small one
// of the page's own, so that such a browser still makes and prints reports.
export async function inflatedBytes(packed, Inflater = globalThis.DecompressionStream) {
  if (typeof Inflater !== 'function') return inflateSync(packed);
  const stream = new Response(packed).body.pipeThrough(new Inflater('deflate-raw'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The compiled code (a promise of a WebAssembly.Module) of code given as the text of its
// deflated bytes, as a compiled module, or as a promise of one.
export function compiledCode(code) {
  if (typeof code !== 'string') return Promise.resolve(code);
  return inflatedBytes(bytesOfText(code)).then((bytes) => WebAssembly.compile(bytes));
}

// The module made by its factory from its code (as compiledCode takes it); a fault compiling
// or starting it rejects.
export function startModule(factory, code) {
  return new Promise((resolve, reject) => {
    const compiling = compiledCode(code);
    const instantiateWasm = (imports, receive) => {
      compiling
        .then((compiled) => WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled)))
        .catch(reject);
      // The module's exports come later, through receive.
      return {};
    };
    factory({ instantiateWasm }).then(resolve, reject);
  });
}
