#include "report_files/pdf_report_document.h"

#include "report_sheet/report_file_name.h"
#include "report_files/page_layout.h"
#include "report_files/report_renderer.h"

namespace soatnoma::report_files {
namespace {

constexpr int kPdfResolution = 1200;  // dpi of the PDF's coordinates

}  // namespace

PdfReportDocument::PdfReportDocument(const std::string& path) : file_(QString::fromStdString(path)) {}

PdfReportDocument::~PdfReportDocument() {
  if (painter_.isActive()) painter_.end();
}

bool PdfReportDocument::Open(std::string& detail) {
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    detail = file_.errorString().toStdString();
    return false;
  }
  writer_ = std::make_unique<QPdfWriter>(&file_);
  writer_->setResolution(kPdfResolution);
  writer_->setCreator(QStringLiteral("Soatnoma"));
  writer_->setTitle(
      QString::fromUtf8(report_sheet::kReportTitle.data(), static_cast<qsizetype>(report_sheet::kReportTitle.size())));
  return true;
}

bool PdfReportDocument::NextPage(const report_sheet::PageSetup& page, std::string& detail) {
  if (pages_ == 0) {
    if (!Open(detail)) return false;
    writer_->setPageLayout(FullPageLayout(page));
    if (!painter_.begin(writer_.get())) {
      detail = "PDF";
      return false;
    }
  } else {
    writer_->setPageLayout(FullPageLayout(page));
    if (!writer_->newPage()) {
      detail = "PDF";
      return false;
    }
  }
  ++pages_;
  return true;
}

bool PdfReportDocument::AddPage(const report_sheet::ReportSheet& sheet, std::string& detail) {
  const ReportRenderer renderer(sheet, measure_);
  if (!NextPage(sheet.Page(), detail)) return false;
  renderer.PaintPage(painter_, QRectF(QPointF(0, 0), QSizeF(writer_->width(), writer_->height())));
  return true;
}

bool PdfReportDocument::AddPage(const report_sheet::PageSetup& page, const std::vector<sheet_layout::SheetBox>& boxes,
                                std::string& detail) {
  if (!NextPage(page, detail)) return false;
  const report_sheet::PaperPoints paper = report_sheet::PagePoints(page);
  painter_.save();
  painter_.scale(writer_->width() / paper.width, writer_->height() / paper.height);
  PaintBoxes(painter_, QtBoxes(boxes));
  painter_.restore();
  return true;
}

bool PdfReportDocument::Finish(std::string& detail) {
  if (pages_ == 0 || !painter_.end()) {
    detail = "PDF";
    return false;
  }
  writer_.reset();
  file_.close();
  if (file_.error() != QFileDevice::NoError) {
    detail = file_.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace soatnoma::report_files
