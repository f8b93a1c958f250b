// What writes files: the report's workbook, the staff's and the example list's. The form
// needs none of it to take input, so the page keeps it as text and runs it the first time
// it is needed. Files are read by the page's worker (reading_work.js).

export { writeWorkbook, StaffWorkbookWriter } from './workbook.js';
export { writeExampleWorkbook } from './example_workbook.js';
