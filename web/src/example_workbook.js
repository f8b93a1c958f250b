// The example staff list as a workbook, as the desktop saves it: the teachers' sheet with
// its bold heading row kept in view, then the notes on the columns, each printed on A4
// landscape a page wide.

import ExcelJS from 'exceljs/dist/exceljs.bare.min.js';

function fillSheet(sheet, described) {
  described.rows.forEach((row, index) => {
    row.forEach((cell, column) => {
      const value = 'number' in cell ? cell.number : cell.text;
      if (value === '') return;
      const target = sheet.getCell(index + 1, column + 1);
      target.value = value;
      if (described.headingRow && index === 0) target.font = { bold: true };
    });
  });
  for (const { first, last, characters } of described.widths) {
    for (let column = first; column <= last; ++column) sheet.getColumn(column).width = characters;
  }
  if (described.headingRow) sheet.views = [{ state: 'frozen', ySplit: 1, xSplit: 0 }];
  sheet.pageSetup = { paperSize: 9, orientation: 'landscape', fitToPage: true, fitToWidth: 1, fitToHeight: 0 };
}

// The workbook's bytes.
export async function writeExampleWorkbook(sheets) {
  const workbook = new ExcelJS.Workbook();
  for (const described of sheets) fillSheet(workbook.addWorksheet(described.name), described);
  return new Uint8Array(await workbook.xlsx.writeBuffer());
}
