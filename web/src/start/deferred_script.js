// A deferred script: a part of the page held as the text of a script element the browser does not run (the
// page's work after the form, the file work), run the first time it is asked for, and only
// once: as a script element of the same text, which the page's policy allows by its hash (no
// eval). It hands its exports over in an event named for it, so that nothing of it is left
// in the page's global scope.

// The event a deferred script of the element id hands its exports over in.
export function deferredScriptEvent(id) {
  return `soatnoma-${id}`;
}

const running = new Map();

// The exports of the deferred script of the element id (a promise).
export function runDeferredScript(id) {
  if (!running.has(id))
    running.set(
      id,
      new Promise((resolve, reject) => {
        let exports = null;
        const take = (event) => {
          exports = event.detail;
        };
        document.addEventListener(deferredScriptEvent(id), take, { once: true });
        const script = document.createElement('script');
        script.textContent = document.getElementById(id).textContent;
        // The script runs while it is put in place.
        document.head.append(script);
        script.remove();
        document.removeEventListener(deferredScriptEvent(id), take);
        if (exports) resolve(exports);
        else reject(new Error(`${id} did not start`));
      }),
    );
  return running.get(id);
}
