#include "ui/report_view.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace soatnoma::ui {

ReportView::ReportView(const ReportSheet& sheet, QWidget* parent) : QWidget(parent), sheet_(sheet) {
  setObjectName(QStringLiteral("ReportView"));
  SheetChanged();
}

void ReportView::SheetChanged() {
  renderer_ = std::make_unique<ReportRenderer>(sheet_);
  Resize();
  update();
}

void ReportView::SetZoom(double zoom) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  Resize();
  update();
  emit zoomChanged(zoom_);
}

void ReportView::FitWidth(int width) {
  const double paperPoints = renderer_->PageSizePoints().width();
  SetZoom((width - 2.0 * kPaperGap) / (paperPoints * logicalDpiX() / 72.0));
}

double ReportView::PixelsPerPoint() const { return zoom_ * logicalDpiX() / 72.0; }

QRectF ReportView::PaperRect() const {
  const QSizeF paper = renderer_->PageSizePoints() * PixelsPerPoint();
  return QRectF(QPointF(kPaperGap, kPaperGap), paper);
}

void ReportView::Resize() {
  const QRectF paper = PaperRect();
  setFixedSize(qCeil(paper.width()) + 2 * kPaperGap, qCeil(paper.height()) + 2 * kPaperGap);
}

void ReportView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Dark));
  const QRectF paper = PaperRect();
  painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 60));
  painter.fillRect(paper, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  renderer_->PaintPage(painter, paper);
}

void ReportView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    event->ignore();  // the scroll area scrolls
    return;
  }
  if (event->angleDelta().y() > 0) ZoomIn();
  if (event->angleDelta().y() < 0) ZoomOut();
  event->accept();
}

}  // namespace soatnoma::ui
