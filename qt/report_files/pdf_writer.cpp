#include "report_files/pdf_writer.h"

#include "report_files/atomic_save.h"
#include "report_files/pdf_report_document.h"

namespace soatnoma::report_files {

SaveResult SavePdf(const report_sheet::ReportSheet& sheet, const std::string& path) {
  return SaveAtomically(path, [&](const std::string& temporaryPath, std::string& detail) {
    PdfReportDocument document(temporaryPath);
    return document.AddPage(sheet, detail) && document.Finish(detail);
  });
}

}  // namespace soatnoma::report_files
