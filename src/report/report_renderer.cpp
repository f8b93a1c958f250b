#include "report/report_renderer.h"

#include <QPaintDevice>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace soatnoma {
namespace {

// A thin spreadsheet border, in points.
constexpr double kBorderWidth = 0.5;

// Text is drawn at the device's own resolution: the painter's scaling from points is taken
// out and put into the font size instead, so glyphs are placed as precisely as the device
// allows (a tiny font scaled up would carry its rounding along).
double DeviceScale(const QPainter& painter) {
  const QTransform& transform = painter.worldTransform();
  return std::sqrt(std::abs(transform.determinant()));
}

QFont DeviceFont(const QFont& font, const QPainter& painter, double scale) {
  QFont sized = font;
  const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 72;
  sized.setPointSizeF(font.pointSizeF() * scale * 72.0 / dpi);
  return sized;
}

void PaintText(QPainter& painter, const CellBox& box) {
  if (box.lines.empty()) return;
  const double scale = DeviceScale(painter);
  if (scale <= 0) return;
  painter.save();
  painter.setClipRect(box.rect, Qt::IntersectClip);
  painter.setFont(DeviceFont(box.font, painter, scale));
  for (const PlacedLine& line : box.lines) {
    painter.save();
    painter.translate(box.rect.topLeft() + line.baselineStart);
    painter.scale(1 / scale, 1 / scale);
    if (box.orientation == 90) painter.rotate(-90);
    painter.drawText(QPointF(0, 0), line.text);
    painter.restore();
  }
  painter.restore();
}

}  // namespace

ReportRenderer::ReportRenderer(const ReportSheet& sheet) : layout_(sheet), page_(sheet.Page()) {}

QSizeF ReportRenderer::PageSizePoints() const {
  const PaperPoints paper = PaperSizePoints(page_.paperSize);
  if (page_.orientation == PageOrientation::Landscape) return {paper.height, paper.width};
  return {paper.width, paper.height};
}

QMarginsF ReportRenderer::PageMarginsPoints() const {
  return {page_.leftMargin, page_.topMargin, page_.rightMargin, page_.bottomMargin};
}

void ReportRenderer::PaintSheet(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setPen(Qt::black);
  for (const CellBox& box : layout_.Boxes()) PaintText(painter, box);

  QPen pen(Qt::black);
  pen.setWidthF(kBorderWidth);
  pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  for (const CellBox& box : layout_.Boxes()) {
    if (box.bordered) painter.drawRect(box.rect);
  }
  painter.restore();
}

void ReportRenderer::PaintPage(QPainter& painter, const QRectF& pageRect) const {
  const QSizeF page = PageSizePoints();
  const QMarginsF margins = PageMarginsPoints();
  const QRectF printable = QRectF(QPointF(0, 0), page).marginsRemoved(margins);
  const QSizeF sheet = SheetSizePoints();
  const double fit = std::min({1.0, printable.width() / sheet.width(), printable.height() / sheet.height()});
  QPointF origin = printable.topLeft();
  if (page_.centerHorizontally) origin.rx() += (printable.width() - sheet.width() * fit) / 2;
  if (page_.centerVertically) origin.ry() += (printable.height() - sheet.height() * fit) / 2;

  painter.save();
  painter.translate(pageRect.topLeft());
  painter.scale(pageRect.width() / page.width(), pageRect.height() / page.height());
  painter.translate(origin);
  painter.scale(fit, fit);
  PaintSheet(painter);
  painter.restore();
}

}  // namespace soatnoma
