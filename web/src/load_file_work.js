// The page's file work (file_work.js), kept in the page as the text of a script element the
// browser does not run, is run here the first time it is asked for, and only once.

let loading = null;

export function loadFileWork() {
  loading ??= Promise.resolve().then(() => {
    const code = document.getElementById('FileWork').textContent;
    // An indirect eval: the code runs in the page's global scope and hands back its exports.
    return (0, eval)(code);
  });
  return loading;
}
