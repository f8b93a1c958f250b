// What reads and writes files: the workbooks (the report's, the staff's, one opened) and
// the staff list. With its libraries it is most of the page's code, and the form needs none
// of it to take input, so the page keeps it as text and runs it the first time it is needed.

import './immediate.js';

export { writeWorkbook, StaffWorkbookWriter } from './workbook.js';
export { readOpenedWorkbook } from './open_workbook.js';
export { readRosterFile } from './roster_reader.js';
export { writeExampleWorkbook } from './example_workbook.js';
