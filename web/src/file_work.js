// What writes files: the report's workbook and the staff's. With its libraries it is most
// of the page's code, and the form needs none of it to take input, so the page keeps it as
// text and runs it the first time it is needed. Files are read by the page's worker
// (reading_work.js).

import './immediate.js';

export { writeWorkbook, StaffWorkbookWriter } from './workbook.js';
