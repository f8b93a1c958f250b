// The page's worker for reading files: a workbook opened ("Ochish") and a staff list
// ("Ro'yxatdan") are unpacked here and read and checked by the module, off the page's
// thread, so the page answers throughout however large or hostile the file. It runs the
// same module as the page, from the compiled code the page hands it with the first task.
//
// A task {task: "workbook" | "roster", file: {name, size, bytes} or {file}, code, and for a
// staff workbook's teacher sheetName, or everySheet for its print} is answered {answer} or
// {fault}.

import SoatnomaModule from 'soatnoma-module';
import { startModule } from '../page/module_code.js';
import { readOpenedWorkbook } from './open_workbook.js';
import { readRosterFile } from './roster_reader.js';

let starting = null;

// The file as the page handed it over: its bytes read already, or the File itself.
function fileOf(given) {
  if (!given.bytes) return given.file;
  return { name: given.name, size: given.size, arrayBuffer: async () => given.bytes };
}

async function answer({ task, file: given, code, sheetName, everySheet }) {
  const file = fileOf(given);
  starting ??= startModule(SoatnomaModule, code);
  const module = await starting;
  if (task === 'roster') return readRosterFile(module, file);
  return readOpenedWorkbook(new Uint8Array(await file.arrayBuffer()), module, sheetName, Boolean(everySheet));
}

globalThis.onmessage = ({ data }) => {
  answer(data).then(
    (read) => globalThis.postMessage({ answer: read }),
    (fault) => globalThis.postMessage({ fault: String(fault?.message ?? fault) }),
  );
};
