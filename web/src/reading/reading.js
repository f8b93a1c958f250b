// Reading files off the page's thread: each file is read by a worker of its own, made from
// code the page carries as text (a page opened from a file may load nothing), and ended
// once it has answered, with all the memory the reading took, or at once when the reading
// is stopped or another file is chosen.

export class ReadingStopped extends Error {}

let workerUrl = null;

function newWorker() {
  workerUrl ??= URL.createObjectURL(
    new Blob([document.getElementById('ReadingWork').textContent], {
      type: 'text/javascript',
    }),
  );
  return new Worker(workerUrl);
}

// The most of a file the page reads itself before handing it over: above it the worker
// refuses the file by its size alone.
const READ_ON_PAGE_UP_TO = 64 * 1024 * 1024;

// The file as the worker gets it. WebKit cannot read a File inside a worker made from a
// page opened from disk, so the page reads the bytes (off its thread, as browsers read
// files) and hands them over; a file too large, or one the page cannot read, goes as it
// is, for the worker to refuse in the teacher's words.
async function handedOver(file) {
  if (file.size > READ_ON_PAGE_UP_TO) return { file };
  try {
    return { name: file.name, size: file.size, bytes: await file.arrayBuffer() };
  } catch {
    return { file };
  }
}

// Reads the file (a File) in a worker: task "workbook" or "roster"; code, the module's
// compiled code (or a promise of it); asked, what else the task takes ({sheetName}).
// {answer: a promise of what the worker read, stop(): ends the reading, and the answer
// rejects with ReadingStopped}.
export function readInWorker(task, file, code, asked = {}) {
  const worker = newWorker();
  let settle = null;
  const answer = new Promise((resolve, reject) => {
    settle = { resolve, reject };
  });
  const end = (how, value) => {
    if (!settle) return;
    worker.terminate();
    const { resolve, reject } = settle;
    settle = null;
    (how === 'resolve' ? resolve : reject)(value);
  };
  worker.onmessage = ({ data }) => {
    if ('fault' in data) end('reject', new Error(data.fault));
    else end('resolve', data.answer);
  };
  worker.onerror = (event) => {
    event.preventDefault();
    end('reject', new Error(String(event.message)));
  };
  Promise.all([code, handedOver(file)]).then(
    ([compiled, given]) => {
      if (settle) worker.postMessage({ ...asked, task, file: given, code: compiled }, given.bytes ? [given.bytes] : []);
    },
    (fault) => end('reject', fault),
  );
  return { answer, stop: () => end('reject', new ReadingStopped()) };
}
