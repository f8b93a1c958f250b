// The page's file work (file_work.js), kept in the page as the text of a script element the
// browser does not run, is run here the first time it is asked for, and only once: as a
// script element of the same text, which the page's policy allows by its hash (no eval).
// It hands its exports over in an event, so that nothing of it is left in the page's
// global scope.

export const FILE_WORK_EVENT = 'soatnoma-file-work';

let loading = null;

export function loadFileWork() {
  loading ??= new Promise((resolve, reject) => {
    let exports = null;
    const take = (event) => { exports = event.detail; };
    document.addEventListener(FILE_WORK_EVENT, take, { once: true });
    const script = document.createElement('script');
    script.textContent = document.getElementById('FileWork').textContent;
    // The script runs while it is put in place.
    document.head.append(script);
    script.remove();
    document.removeEventListener(FILE_WORK_EVENT, take);
    if (exports) resolve(exports);
    else reject(new Error('file work did not start'));
  });
  return loading;
}
