// A workbook's package opened as the desktop opens it: weighed by the module from its
// listing before anything is unpacked, and only the parts a reader needs unpacked, each
// handed to the module as its bytes, which reads them by the desktop's rules.

import { DamagedPackage, listParts, readPart } from '../files/zip_package.js';

// {parts} of a package that may be read, or {problem}: "notWorkbook" for bytes that are no
// zip archive, else the module's verdict ("partTooLarge", "tooManyParts", "tooLargeUnpacked").
export function openPackage(bytes, module) {
  let listed;
  try {
    listed = listParts(bytes);
  } catch {
    return { problem: 'notWorkbook' };
  }
  const problem = module.packageSizeVerdict(listed.map((part) => part.size));
  if (problem) return { problem };
  const parts = new Map();
  // Of two parts of one name the first counts, as the desktop's zip library finds it.
  for (const part of listed) if (!parts.has(part.name)) parts.set(part.name, part);
  return { bytes, parts };
}

// The part's bytes unpacked; null when the package has no such part. Throws DamagedPackage
// for a part that does not unpack as listed.
export async function partBytes(opened, name) {
  const part = opened.parts.get(name);
  return part ? readPart(opened.bytes, part) : null;
}

// The names of the parts read by name, as the module names them: {workbook,
// workbookRelations, sharedTexts, customProperties, contentTypes, packageRelations}.
export function partNames(module) {
  return JSON.parse(module.packagePartNames());
}

// The workbook's sheets in its order, {name, entry: the package's part}; null when the
// workbook does not say where they are.
export async function worksheets(opened, module) {
  const names = partNames(module);
  const workbook = await partBytes(opened, names.workbook);
  const relations = await partBytes(opened, names.workbookRelations);
  return workbook && relations ? JSON.parse(module.workbookSheets(workbook, relations)) : null;
}

// The texts the workbook's cells share, read by the module once for every sheet read
// (a module object: delete() it once read).
export async function workbookTexts(opened, module) {
  return new module.WorkbookTexts(await partBytes(opened, partNames(module).sharedTexts));
}

export { DamagedPackage };
