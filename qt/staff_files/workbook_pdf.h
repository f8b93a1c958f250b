#pragma once
// A workbook of the program made into a PDF as it stands, corrections included: a report
// workbook its one page; a staff workbook the summary "Jami" as it stores it (the pages the
// director signs), then each teacher's sheet as saved, in the summary's order. The PDF is
// written whole or not at all, as every file of the program. Needs a QGuiApplication (fonts).

#include <string>
#include <vector>

namespace soatnoma::staff_files {

enum class WorkbookPdfStatus {
  Written,     // the PDF is in place
  Refused,     // the workbook cannot be read as "Ochish" reads it, or is the PDF's own path
  NotWritten,  // the PDF could not be written
};

struct WorkbookPdfResult {
  WorkbookPdfStatus status = WorkbookPdfStatus::Refused;
  std::string message;               // why not (Uzbek)
  int teachers = 0;                  // the teachers' pages of a staff workbook; 1 for a report
  std::vector<std::string> notices;  // what is said of sheets as they were found, a line each
};

WorkbookPdfResult SaveWorkbookPdf(const std::string& workbookPath, const std::string& pdfPath);

}  // namespace soatnoma::staff_files
