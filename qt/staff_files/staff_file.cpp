#include "staff_files/staff_file.h"

#include "staff_files/staff_workbook.h"
#include "report_files/pdf_report_document.h"
#include "staff_book/summary_pages.h"

namespace soatnoma::batch {
namespace {

// The staff as one PDF: the summary's pages, then a page per teacher.
class StaffPdf : public StaffFile {
 public:
  explicit StaffPdf(const std::string& path) : document_(path) {}

  bool SummaryFirst() const override { return true; }
  bool AddSummary(const SummarySheet& summary, std::string& detail) override {
    return AddSummaryPages(document_, summary, detail);
  }

  bool Add(const RosterTeacher& /*teacher*/, const ReportSheet& report, const WorkbookNotes& /*notes*/,
           std::string& detail) override {
    return document_.AddPage(report, detail);
  }
  bool Finish(std::string& detail) override { return document_.Finish(detail); }

 private:
  PdfReportDocument document_;
};

}  // namespace

bool AddSummaryPages(PdfReportDocument& document, const SummarySheet& summary, std::string& detail) {
  const SummaryPrint print = LaySummaryPages(summary, ReportSheet().Font(), document.Measure());
  PageSetup paper;
  paper.orientation = summary.page.landscape ? PageOrientation::Landscape : PageOrientation::Portrait;
  for (const SummaryPrintPage& page : print.pages) {
    if (!document.AddPage(paper, page.boxes, detail)) return false;
  }
  return true;
}

std::unique_ptr<StaffFile> OpenStaffFile(StaffFileFormat format, const std::string& path, int calendarYear) {
  if (format == StaffFileFormat::Pdf) return std::make_unique<StaffPdf>(path);
  return std::make_unique<StaffWorkbook>(path, calendarYear);
}

}  // namespace soatnoma::batch
