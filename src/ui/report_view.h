#pragma once
// The report page on screen: the sheet drawn by the report's renderer on a sheet of A4
// landscape paper, as it prints, at a zoom from 25 to 400 percent (Ctrl + wheel, or the
// window's zoom actions). At 100 percent the paper has its real size on the screen.

#include <memory>

#include <QWidget>

#include "report/report_renderer.h"
#include "report/report_sheet.h"

namespace soatnoma::ui {

class ReportView : public QWidget {
  Q_OBJECT
 public:
  static constexpr double kMinZoom = 0.25;
  static constexpr double kMaxZoom = 4.0;
  static constexpr double kZoomStep = 1.25;
  static constexpr int kPaperGap = 16;  // pixels of background around the paper

  explicit ReportView(const ReportSheet& sheet, QWidget* parent = nullptr);

  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  void ZoomIn() { SetZoom(zoom_ * kZoomStep); }
  void ZoomOut() { SetZoom(zoom_ / kZoomStep); }
  // The zoom at which the paper, with its margin of background, fills the width.
  void FitWidth(int width);

  // The sheet has changed: lay it out again and redraw.
  void SheetChanged();
  // What is drawn: the sheet as laid out at the last change.
  const ReportRenderer& Renderer() const { return *renderer_; }
  // The paper's rectangle in the widget.
  QRectF PaperRect() const;

 signals:
  void zoomChanged(double zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  double PixelsPerPoint() const;
  void Resize();

  const ReportSheet& sheet_;
  std::unique_ptr<ReportRenderer> renderer_;
  double zoom_ = 1.0;
};

}  // namespace soatnoma::ui
