// What writes files: the workbooks the module writes part by part (the report's, the
// staff's, the example list's), packed here, and a teacher written back into a staff
// workbook. The form needs none of it to take input, so it is a deferred script
// (deferred_script.js), held as text and run the first time it is needed. Files are read by
// the page's worker (reading_work.js).

export { packParts } from './zip_writer.js';
export { writeStaffWorkbookBack } from './staff_workbook_writer.js';
