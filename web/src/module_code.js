// The module's WebAssembly code is in the page as base64 text (a page opened from a file
// may fetch nothing). It is compiled off the page's own thread from the moment the page's
// script starts, while the fonts and the rest of the page get ready.

// The bytes of base64 text: the browser's own decoder where it has one.
export function bytesOfBase64(text) {
  if (typeof Uint8Array.fromBase64 === 'function') return Uint8Array.fromBase64(text);
  const letters = atob(text);
  const bytes = new Uint8Array(letters.length);
  for (let i = 0; i < letters.length; ++i) bytes[i] = letters.charCodeAt(i);
  return bytes;
}

// The module made by its factory from the code given as base64 text; a fault compiling or
// starting it rejects.
export function startModule(factory, code) {
  return new Promise((resolve, reject) => {
    const compiling = WebAssembly.compile(bytesOfBase64(code));
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
