#include "report/pdf_writer.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

#include "report/atomic_save.h"
#include "report/page_layout.h"
#include "report/report_renderer.h"

namespace soatnoma {
namespace {

constexpr int kPdfResolution = 1200;  // dpi of the PDF's coordinates

bool WritePdf(const ReportSheet& sheet, const std::string& path, std::string& detail) {
  const ReportRenderer renderer(sheet);
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    detail = file.errorString().toStdString();
    return false;
  }
  {
    QPdfWriter writer(&file);
    writer.setPageLayout(FullPageLayout(sheet.Page()));
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Soatnoma"));
    writer.setTitle(QStringLiteral("Yillik taqsimot"));
    QPainter painter;
    if (!painter.begin(&writer)) {
      detail = "PDF";
      return false;
    }
    renderer.PaintPage(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())));
    if (!painter.end()) {
      detail = "PDF";
      return false;
    }
  }
  file.close();
  if (file.error() != QFileDevice::NoError) {
    detail = file.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace

SaveResult SavePdf(const ReportSheet& sheet, const std::string& path) {
  return SaveAtomically(path, [&](const std::string& temporaryPath, std::string& detail) {
    return WritePdf(sheet, temporaryPath, detail);
  });
}

}  // namespace soatnoma
