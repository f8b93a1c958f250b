// The module's WebAssembly code is in the page as base64 text (a page opened from a file
// may fetch nothing). It is compiled off the page's own thread from the moment the page's
// script starts, while the fonts and the rest of the page get ready; the page's file
// reading worker is handed the same compiled code.

// The bytes of base64 text: the browser's own decoder where it has one.
export function bytesOfBase64(text) {
  if (typeof Uint8Array.fromBase64 === 'function') return Uint8Array.fromBase64(text);
  const letters = atob(text);
  const bytes = new Uint8Array(letters.length);
  for (let i = 0; i < letters.length; ++i) bytes[i] = letters.charCodeAt(i);
  return bytes;
}

// The compiled code (a promise of a WebAssembly.Module) of code given as base64 text, as a
// compiled module, or as a promise of one.
export function compiledCode(code) {
  return typeof code === 'string' ? WebAssembly.compile(bytesOfBase64(code)) : Promise.resolve(code);
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
