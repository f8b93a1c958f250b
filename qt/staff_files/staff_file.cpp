#include "staff_files/staff_file.h"

#include "staff_files/staff_workbook.h"
#include "report_files/pdf_report_document.h"
#include "staff_book/summary_pages.h"

namespace soatnoma::staff_files {
namespace {

// The staff as one PDF: the summary's pages, then a page per teacher.
class StaffPdf : public StaffFile {
 public:
  explicit StaffPdf(const std::string& path) : document_(path) {}

  bool SummaryFirst() const override { return true; }
  bool AddSummary(const staff_book::SummarySheet& summary, std::string& detail) override {
    return AddSummaryPages(document_, summary, detail);
  }

  bool Add(const roster_rules::RosterTeacher& /*teacher*/, const report_sheet::ReportSheet& report,
           const workbook_package::WorkbookNotes& /*notes*/, std::string& detail) override {
    return document_.AddPage(report, detail);
  }
  bool Finish(std::string& detail) override { return document_.Finish(detail); }

 private:
  report_files::PdfReportDocument document_;
};

}  // namespace

bool AddSummaryPages(report_files::PdfReportDocument& document, const staff_book::SummarySheet& summary,
                     std::string& detail) {
  const staff_book::SummaryPrint print =
      staff_book::LaySummaryPages(summary, report_sheet::ReportSheet().Font(), document.Measure());
  report_sheet::PageSetup paper;
  paper.orientation =
      summary.page.landscape ? report_sheet::PageOrientation::Landscape : report_sheet::PageOrientation::Portrait;
  for (const staff_book::SummaryPrintPage& page : print.pages) {
    if (!document.AddPage(paper, page.boxes, detail)) return false;
  }
  return true;
}

std::unique_ptr<StaffFile> OpenStaffFile(StaffFileFormat format, const std::string& path, int calendarYear) {
  if (format == StaffFileFormat::Pdf) return std::make_unique<StaffPdf>(path);
  return std::make_unique<StaffWorkbook>(path, calendarYear);
}

}  // namespace soatnoma::staff_files
