#include "staff_files/workbook_pdf.h"

#include <optional>
#include <variant>

#include "report_files/atomic_save.h"
#include "report_files/pdf_report_document.h"
#include "report_files/pdf_writer.h"
#include "roster_rules/roster_overwrite.h"
#include "staff_book/staff_workbook_texts.h"
#include "staff_book/stored_summary.h"
#include "staff_files/staff_document.h"
#include "staff_files/staff_file.h"

namespace soatnoma::batch {
namespace {

WorkbookPdfResult Outcome(const SaveResult& saved, int teachers, std::vector<std::string> notices) {
  if (!saved.ok) return {WorkbookPdfStatus::NotWritten, saved.message, 0, {}};
  return {WorkbookPdfStatus::Written, {}, teachers, std::move(notices)};
}

// The summary as stored, then every teacher's page; the staff workbook read once, a sheet
// at a time, so that a large staff takes no more memory than one report.
WorkbookPdfResult SaveStaffWorkbookPdf(const std::string& workbookPath, const std::string& pdfPath) {
  std::optional<OpenRefusal> refused;
  int pages = 0;
  std::vector<std::string> notices;
  const SaveResult saved = SaveAtomically(pdfPath, [&](const std::string& temporaryPath, std::string& detail) {
    PdfReportDocument document(temporaryPath);
    bool drawn = true;
    refused = ReadWholeStaffWorkbook(
        workbookPath,
        {[&](const std::vector<StoredSheetCell>& summary, const std::vector<StaffTeacherSheet>& teachers) {
           return drawn = AddSummaryPages(document, StoredSummary(summary, teachers), detail);
         },
         [&](const StaffTeacherSheet& teacher, const OpenedReport& sheet) {
           if (!sheet.notice.empty()) notices.push_back("\"" + teacher.sheetName + "\": " + sheet.notice);
           drawn = document.AddPage(sheet.sheet, detail);
           pages += drawn ? 1 : 0;
           return drawn;
         }});
    return !refused && drawn && document.Finish(detail);
  });
  if (refused) return {WorkbookPdfStatus::Refused, refused->message, 0, {}};
  return Outcome(saved, pages, std::move(notices));
}

}  // namespace

WorkbookPdfResult SaveWorkbookPdf(const std::string& workbookPath, const std::string& pdfPath) {
  if (WritesOverRoster(workbookPath, pdfPath)) {
    return {WorkbookPdfStatus::Refused, WritesOverWorkbookMessage(pdfPath), 0, {}};
  }
  const WorkbookOpening opening = OpenReportOrStaff(workbookPath);
  if (const auto* refusal = std::get_if<OpenRefusal>(&opening)) {
    return {WorkbookPdfStatus::Refused, refusal->message, 0, {}};
  }
  if (const auto* report = std::get_if<OpenedReport>(&opening)) {
    std::vector<std::string> notices;
    if (!report->notice.empty()) notices.push_back(report->notice);
    return Outcome(SavePdf(report->sheet, pdfPath), 1, std::move(notices));
  }
  return SaveStaffWorkbookPdf(workbookPath, pdfPath);
}

}  // namespace soatnoma::batch
