// What writes files: the report's workbook (from the module's parts), the staff's, the example list's, and a teacher
// written back into a staff workbook. The form needs none of it to take input, so the page
// keeps it as text and runs it the first time it is needed. Files are read by the page's
// worker (reading_work.js).

export { StaffWorkbookWriter } from './workbook.js';
export { packTextParts } from './zip_writer.js';
export { writeExampleWorkbook } from './example_workbook.js';
export { writeStaffWorkbookBack } from './staff_workbook_writer.js';
