// The workbook "Excel kitobi" saves and "Ulashish" shares for the report shown: the report's
// own, or of a teacher's sheet of a staff workbook (opened.staffBook, its bytes) the whole
// staff workbook with that sheet written back.

import { loadFileWork } from './load_file_work.js';

// bench: the report's ReportWorkbench; opened: what it was opened from, null for a run.
export async function workbookOfShown(bench, opened) {
  const work = await loadFileWork();
  if (!opened?.staffBook) return work.writeWorkbook(JSON.parse(bench.workbookForm()));
  return work.writeStaffWorkbookBack(opened.staffBook, opened.workbook.staffSheet, JSON.parse(bench.staffChanges()));
}
