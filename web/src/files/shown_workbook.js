// The workbook "Excel kitobi" saves and "Ulashish" shares for the report shown: the report's
// own, or of a teacher's sheet of a staff workbook (opened.staffBook, its bytes) the whole
// staff workbook with that sheet written back.

import { loadFileWork } from './load_file_work.js';

// shown: ShownReport, with what it was opened from (opened, null for a run).
export async function workbookOfShown(module, shown) {
  const work = await loadFileWork();
  const { opened } = shown;
  if (!opened?.staffBook) return work.packParts(shown.workbookParts());
  return work.writeStaffWorkbookBack(module, opened.staffBook, opened.workbook.staffSheet, shown.staffChanges());
}
