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

namespace soatnoma::staff_files {
namespace {

WorkbookPdfResult Outcome(const report_files::SaveResult& saved, int teachers, std::vector<std::string> notices) {
  if (!saved.ok) return {WorkbookPdfStatus::NotWritten, saved.message, 0, {}};
  return {WorkbookPdfStatus::Written, {}, teachers, std::move(notices)};
}

// The summary as stored, then every teacher's page; the staff workbook read once, a sheet
// at a time, so that a large staff takes no more memory than one report.
WorkbookPdfResult SaveStaffWorkbookPdf(const std::string& workbookPath, const std::string& pdfPath) {
  std::optional<workbook_package::OpenRefusal> refused;
  int pages = 0;
  std::vector<std::string> notices;
  const report_files::SaveResult saved = report_files::SaveAtomically(pdfPath, [&](const std::string& temporaryPath,
                                                                                   std::string& detail) {
    report_files::PdfReportDocument document(temporaryPath);
    bool drawn = true;
    refused = ReadWholeStaffWorkbook(
        workbookPath, {[&](const std::vector<staff_book::StoredSheetCell>& summary,
                           const std::vector<staff_book::StaffTeacherSheet>& teachers) {
                         return drawn = AddSummaryPages(document, staff_book::StoredSummary(summary, teachers), detail);
                       },
                       [&](const staff_book::StaffTeacherSheet& teacher, const workbook_package::OpenedReport& sheet) {
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
  if (roster_rules::WritesOverRoster(workbookPath, pdfPath)) {
    return {WorkbookPdfStatus::Refused, staff_book::WritesOverWorkbookMessage(pdfPath), 0, {}};
  }
  const WorkbookOpening opening = OpenReportOrStaff(workbookPath);
  if (const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&opening)) {
    return {WorkbookPdfStatus::Refused, refusal->message, 0, {}};
  }
  if (const auto* report = std::get_if<workbook_package::OpenedReport>(&opening)) {
    std::vector<std::string> notices;
    if (!report->notice.empty()) notices.push_back(report->notice);
    return Outcome(report_files::SavePdf(report->sheet, pdfPath), 1, std::move(notices));
  }
  return SaveStaffWorkbookPdf(workbookPath, pdfPath);
}

}  // namespace soatnoma::staff_files
