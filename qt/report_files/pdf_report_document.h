#pragma once
// A PDF file drawn page by page, each page one report sheet through the report renderer
// (A4 landscape as its page setup says, fonts embedded). The single report is one page;
// a whole staff is one page per teacher. Needs a QGuiApplication.

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <string>
#include <vector>

#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"
#include "report_files/text_measure.h"

namespace soatnoma::report_files {

class PdfReportDocument {
 public:
  explicit PdfReportDocument(const std::string& path);
  PdfReportDocument(const PdfReportDocument&) = delete;
  PdfReportDocument& operator=(const PdfReportDocument&) = delete;
  ~PdfReportDocument();

  // Draws the sheet on a page of its own after the pages drawn so far.
  bool AddPage(const report_sheet::ReportSheet& sheet, std::string& detail);
  // Draws boxes laid out on the paper of the page setup (points from its top-left corner)
  // on a page of their own.
  bool AddPage(const report_sheet::PageSetup& page, const std::vector<sheet_layout::SheetBox>& boxes,
               std::string& detail);
  // The measure the pages are laid out with, for boxes laid out elsewhere.
  TextMeasure& Measure() { return measure_; }
  // Completes the file; false with a detail when it cannot be written.
  bool Finish(std::string& detail);

 private:
  bool Open(std::string& detail);
  // Starts the next page, on the paper of the page setup.
  bool NextPage(const report_sheet::PageSetup& page, std::string& detail);

  QFile file_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
  TextMeasure measure_;  // shared by the pages' layouts
  int pages_ = 0;
};

}  // namespace soatnoma::report_files
