#include "workbook_parts/report_workbook.h"

#include "workbook_parts/book_parts.h"
#include "workbook_parts/report_worksheet.h"

namespace soatnoma::workbook_parts {

PackageParts ReportWorkbookParts(const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                                 const workbook_package::WorkbookNotes& notes) {
  BookParts book(sheet.Font());
  const Worksheet worksheet = ReportWorksheet(sheet, layout, book.Texts(), book.Styles(), true);
  book.AddSheet(std::string(workbook_package::kReportSheetName), WorksheetXml(worksheet));
  return book.TakeParts(workbook_package::CustomPropertiesPart(notes));
}

}  // namespace soatnoma::workbook_parts
