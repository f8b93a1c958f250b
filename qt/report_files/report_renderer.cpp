#include "report_files/report_renderer.h"

#include <QPaintDevice>
#include <QPen>
#include <QTransform>
#include <cmath>

namespace soatnoma::report_files {
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

// Every line of one orientation is drawn under one transform: the sheet's without its
// scaling (turned a quarter for turned text), a line of the sheet's point p then standing
// at scale × p. So the painter's state changes a few times a page rather than for every
// line, which a PDF would otherwise pay for with its whole graphics state each time.
void PaintTexts(QPainter& painter, const std::vector<CellBox>& boxes, int orientation) {
  const QTransform sheet = painter.worldTransform();
  const double scale = DeviceScale(painter);
  if (scale <= 0) return;
  const QTransform level(sheet.m11() / scale, sheet.m12() / scale, sheet.m21() / scale, sheet.m22() / scale, sheet.dx(),
                         sheet.dy());
  QTransform turn;
  turn.rotate(-orientation);
  const QTransform text = turn * level;
  const QTransform toText = turn.inverted();
  painter.setWorldTransform(text);
  QFont current;
  for (const CellBox& box : boxes) {
    if (box.lines.empty() || box.orientation != orientation) continue;
    if (box.overflows) {
      // Cut the text off at its box, as a spreadsheet does.
      painter.save();
      painter.setWorldTransform(sheet);
      painter.setClipRect(box.rect, Qt::IntersectClip);
      painter.setWorldTransform(text);
    }
    const QFont font = DeviceFont(box.font, painter, scale);
    if (font != current) {
      painter.setFont(font);
      current = font;
    }
    for (const PlacedLine& line : box.lines) {
      painter.drawText(toText.map((box.rect.topLeft() + line.baselineStart) * scale), line.text);
    }
    if (box.overflows) {
      painter.restore();
      current = painter.font();
    }
  }
  painter.setWorldTransform(sheet);
}

}  // namespace

ReportRenderer::ReportRenderer(const report_sheet::ReportSheet& sheet) : layout_(sheet), page_(sheet.Page()) {}

ReportRenderer::ReportRenderer(const report_sheet::ReportSheet& sheet, TextMeasure& measure)
    : layout_(sheet, measure), page_(sheet.Page()) {}

QSizeF ReportRenderer::PageSizePoints() const {
  const report_sheet::PaperPoints paper = report_sheet::PagePoints(page_);
  return {paper.width, paper.height};
}

QMarginsF ReportRenderer::PageMarginsPoints() const {
  return {page_.leftMargin, page_.topMargin, page_.rightMargin, page_.bottomMargin};
}

void PaintBoxes(QPainter& painter, const std::vector<CellBox>& boxes) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setPen(Qt::black);
  PaintTexts(painter, boxes, 0);
  PaintTexts(painter, boxes, 90);

  QPen pen(Qt::black);
  pen.setWidthF(kBorderWidth);
  pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  for (const CellBox& box : boxes) {
    if (box.bordered) painter.drawRect(box.rect);
  }
  painter.restore();
}

void ReportRenderer::PaintSheet(QPainter& painter) const { PaintBoxes(painter, layout_.Boxes()); }

QTransform ReportRenderer::SheetToPage(const QRectF& pageRect) const {
  const QSizeF page = PageSizePoints();
  const QSizeF sheet = SheetSizePoints();
  const report_sheet::SheetPlacement placement = report_sheet::PlaceSheet(page_, sheet.width(), sheet.height());

  QTransform transform;
  transform.translate(pageRect.left(), pageRect.top());
  transform.scale(pageRect.width() / page.width(), pageRect.height() / page.height());
  transform.translate(placement.left, placement.top);
  transform.scale(placement.scale, placement.scale);
  return transform;
}

void ReportRenderer::PaintPage(QPainter& painter, const QRectF& pageRect) const {
  painter.save();
  painter.setWorldTransform(SheetToPage(pageRect), true);
  PaintSheet(painter);
  painter.restore();
}

}  // namespace soatnoma::report_files
