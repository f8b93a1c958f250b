#pragma once
// The report page on screen: the sheet drawn by the report's renderer on a sheet of A4
// landscape paper, as it prints, at a zoom from 25 to 400 percent (Ctrl + wheel, or the
// window's zoom actions). At 100 percent the paper has its real size on the screen.
// The hours of the table can be corrected in place: a current cell moved with the mouse
// or the keys (the arrows, Home and End, with Ctrl the table's first and last cell), typed
// into over the cell (Enter, F2, a double click or simply typing a number). Corrected and
// doubtful cells are marked on the screen only, never on paper.

#include <memory>
#include <optional>
#include <utility>

#include <QWidget>

#include "report_files/report_renderer.h"
#include "report_sheet/report_sheet.h"
#include "report_editing/report_corrections.h"
#include "screen_view/screen_view.h"
#include "model/told_table.h"
#include "desktop/report_accessibility.h"

namespace soatnoma::desktop {

class CellEditor;

class ReportView : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kPaperGap = 16;  // pixels of background around the paper

  explicit ReportView(const report_sheet::ReportSheet& sheet, QWidget* parent = nullptr);
  ~ReportView() override;

  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  void ZoomIn() { SetZoom(screen_view::SteppedZoom(zoom_, 1)); }
  void ZoomOut() { SetZoom(screen_view::SteppedZoom(zoom_, -1)); }
  // The zoom at which the paper, with its margin of background, fills the width.
  void FitWidth(int width);

  // The sheet has changed: lay it out again and redraw.
  void SheetChanged();
  // What is drawn: the sheet as laid out at the last change.
  const report_files::ReportRenderer& Renderer() const { return *renderer_; }
  // The paper's rectangle in the widget.
  QRectF PaperRect() const;

  // The corrections whose marks are shown and whose cells may be typed into; none: the
  // page is only shown.
  void SetCorrections(const report_editing::ReportCorrections* corrections) { corrections_ = corrections; }
  const report_editing::ReportCorrections* Corrections() const { return corrections_; }
  // How the report's cells came by their hours, told in their tool tips; none: only marks.
  void SetStory(const ToldTable* story) { story_ = story; }
  const report_sheet::ReportSheet& Sheet() const { return sheet_; }
  // While the program is still computing the report, nothing is typed into it.
  void SetEditingEnabled(bool enabled);

  // The current cell, always one of the table's hours C5:S20.
  report_editing::CellPlace CurrentCell() const { return current_; }
  // True after a click on a title or the frame of the page, until a cell is chosen again.
  bool IsOffTable() const { return offTable_; }
  void SetCurrentCell(report_editing::CellPlace place);
  void MoveCurrentCell(int rows, int columns);
  // The cell of the table under a point of the widget.
  std::optional<report_editing::CellPlace> CellAt(const QPointF& point) const;
  // Where a cell is drawn, in the widget's pixels.
  QRectF CellRect(report_editing::CellPlace place) const;

  // Where the box in which a cell is typed stands over the cell: just inside its frame.
  QRect EditorRect(report_editing::CellPlace place) const;

  // Opens the box over the current cell with the text in it; false when the cell takes no
  // hours or editing is off.
  bool BeginEdit(const QString& text, bool selectAll);
  bool IsEditing() const;
  // Hands what is typed to whoever takes entries (entryTyped), as Enter does.
  void SubmitEdit();
  // Closes the box; the cell shows what the sheet holds.
  void EndEdit();
  CellEditor& Editor() const { return *editor_; }
  // Where the view tells a screen reader of the cell in focus (Qt's accessibility unless set).
  void SetAccessibleEventSink(AccessibleEventSink sink) { accessibleEvents_ = std::move(sink); }

 signals:
  void zoomChanged(double zoom);
  // The teacher typed text into the place; when it is taken, the current cell moves on by
  // rows and columns.
  void entryTyped(report_editing::CellPlace place, const QString& text, int rows, int columns);
  void cellMenuRequested(report_editing::CellPlace place, const QPoint& globalPosition);
  void currentCellChanged(report_editing::CellPlace place);
  // The box over the current cell has opened.
  void editStarted(report_editing::CellPlace place);
  // Delete or Backspace on the current cell.
  void clearRequested(report_editing::CellPlace place);
  // Typing where nothing can be typed: a cell that takes no hours, or (none) a title or
  // the frame of the page.
  void typingRefused(std::optional<report_editing::CellPlace> place);
  // F1 on the current cell: how it came by its hours.
  void explainRequested(report_editing::CellPlace place);

 protected:
  bool event(QEvent* event) override;  // tool tips
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  double PixelsPerPoint() const;
  void Resize();
  void PlaceEditor();
  void PaintMarks(QPainter& painter) const;
  void PaintCurrentCell(QPainter& painter) const;
  // The current cell's hours as the box shows them; empty for an emptied cell.
  QString CurrentHoursText() const;
  // Opens the current cell for typing, or says why it cannot be typed into.
  void EditOrRefuse(const QString& text, bool selectAll);

  const report_sheet::ReportSheet& sheet_;
  std::unique_ptr<report_files::ReportRenderer> renderer_;
  const report_editing::ReportCorrections* corrections_ = nullptr;
  const ToldTable* story_ = nullptr;
  CellEditor* editor_;
  report_editing::CellPlace current_;
  double zoom_ = 1.0;
  bool editingEnabled_ = true;
  bool offTable_ = false;
  AccessibleEventSink accessibleEvents_ = ToScreenReader;
};

}  // namespace soatnoma::desktop
