#include "workbook_parts/report_workbook.h"

#include "workbook_parts/book_parts.h"
#include "workbook_parts/report_worksheet.h"

namespace soatnoma::workbook_parts {

PackageParts ReportWorkbookParts(const ReportSheet& sheet, const SheetGeometry& layout, const WorkbookNotes& notes) {
  BookParts book(sheet.Font());
  const Worksheet worksheet = ReportWorksheet(sheet, layout, book.Texts(), book.Styles(), true);
  book.AddSheet(std::string(kReportSheetName), WorksheetXml(worksheet));
  return book.TakeParts(CustomPropertiesPart(notes));
}

}  // namespace soatnoma::workbook_parts
