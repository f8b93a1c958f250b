#include "desktop/report_view.h"

#include <algorithm>
#include <utility>

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>

#include "model/workload_table.h"
#include "desktop/cell_editor.h"
#include "desktop/editing_key_events.h"
#include "desktop/cell_entry.h"
#include "desktop/cell_marks.h"
#include "explain/report_explanation.h"

namespace soatnoma::desktop {
namespace {

constexpr report_editing::CellPlace kFirstLessonCell{8, col::C};

// Keys that type a character (a digit, a letter, a sign), not ones that only move or
// command.
bool TypesText(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key.text();
  return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

ReportView::ReportView(const report_sheet::ReportSheet& sheet, QWidget* parent)
    : QWidget(parent), sheet_(sheet), editor_(new CellEditor(this)), current_(kFirstLessonCell) {
  setObjectName(QStringLiteral("ReportView"));
  setFocusPolicy(Qt::StrongFocus);
  InstallReportAccessibility();
  connect(editor_, &CellEditor::entered, this,
          [this](int rows, int columns) { emit entryTyped(current_, editor_->text(), rows, columns); });
  connect(editor_, &CellEditor::cancelled, this, [this] {
    EndEdit();
    setFocus();
  });
  SheetChanged();
}

ReportView::~ReportView() = default;

void ReportView::SheetChanged() {
  renderer_ = std::make_unique<report_files::ReportRenderer>(sheet_);
  Resize();
  update();
}

void ReportView::SetZoom(double zoom) {
  zoom = screen_view::HeldZoom(zoom);
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
  PlaceEditor();
}

void ReportView::SetEditingEnabled(bool enabled) {
  editingEnabled_ = enabled;
  if (!enabled) EndEdit();
}

void ReportView::SetCurrentCell(report_editing::CellPlace place) {
  place.row = std::clamp(place.row, kFirstWorkRow, kLastWorkRow);
  place.column = std::clamp(place.column, static_cast<int>(col::C), static_cast<int>(col::S));
  const bool wasOffTable = std::exchange(offTable_, false);
  if (place == current_) {
    if (wasOffTable) update();
    return;
  }
  current_ = place;
  PlaceEditor();
  update();
  emit currentCellChanged(current_);
  AnnounceCurrentCell(*this, accessibleEvents_);
}

void ReportView::MoveCurrentCell(int rows, int columns) {
  SetCurrentCell({current_.row + rows, current_.column + columns});
}

QRectF ReportView::CellRect(report_editing::CellPlace place) const {
  const report_files::SheetLayout& layout = renderer_->Layout();
  const QRectF sheetRect(layout.ColumnLeft(place.column), layout.RowTop(place.row), layout.ColumnWidth(place.column),
                         layout.RowHeight(place.row));
  return renderer_->SheetToPage(PaperRect()).mapRect(sheetRect);
}

std::optional<report_editing::CellPlace> ReportView::CellAt(const QPointF& point) const {
  const QPointF onSheet = renderer_->SheetToPage(PaperRect()).inverted().map(point);
  const report_files::SheetLayout& layout = renderer_->Layout();
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    if (onSheet.y() < layout.RowTop(row) || onSheet.y() >= layout.RowTop(row + 1)) continue;
    for (int column = col::C; column <= col::S; ++column) {
      if (onSheet.x() >= layout.ColumnLeft(column) && onSheet.x() < layout.ColumnLeft(column + 1)) {
        return report_editing::CellPlace{row, column};
      }
    }
  }
  return std::nullopt;
}

bool ReportView::BeginEdit(const QString& text, bool selectAll) {
  if (!editingEnabled_ || corrections_ == nullptr || !corrections_->IsEditable(current_)) return false;
  editor_->setText(text);
  PlaceEditor();
  editor_->show();
  editor_->setFocus(Qt::OtherFocusReason);
  if (selectAll) {
    editor_->selectAll();
  } else {
    editor_->deselect();
    editor_->end(false);
  }
  emit editStarted(current_);
  return true;
}

bool ReportView::IsEditing() const { return editor_->isVisible(); }

void ReportView::SubmitEdit() {
  if (IsEditing()) emit entryTyped(current_, editor_->text(), 0, 0);
}

void ReportView::EndEdit() {
  if (!IsEditing()) return;
  const bool hadFocus = editor_->hasFocus();
  // Hiding the box takes its focus away; that is no entry.
  editor_->blockSignals(true);
  editor_->hide();
  editor_->blockSignals(false);
  if (hadFocus) setFocus();
  update();
}

QRect ReportView::EditorRect(report_editing::CellPlace place) const {
  // Inside the cell's grid lines, so that the cell's frame stays in sight around the box.
  const QRectF cell = CellRect(place);
  const int left = qCeil(cell.left() + 0.5);
  const int top = qCeil(cell.top() + 0.5);
  const int right = qFloor(cell.right() - 0.5);
  const int bottom = qFloor(cell.bottom() - 0.5);
  return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

void ReportView::PlaceEditor() {
  // Placed whether it is shown or not: the box opens where the current cell is, never
  // where it stood the last time.
  editor_->setGeometry(EditorRect(current_));
  QFont font = editor_->font();
  font.setPixelSize(screen_view::EditorFontPixels(sheet_.Font().size, PixelsPerPoint()));
  editor_->setFont(font);
}

void ReportView::PaintMarks(QPainter& painter) const {
  if (corrections_ == nullptr) return;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      const CellMark mark = MarkOf(*corrections_, {row, column});
      const QRectF cell = CellRect({row, column});
      if (mark.fill.isValid()) painter.fillRect(cell, mark.fill);
      if (mark.redCorner) {
        const double size = screen_view::MarkCornerSize(cell.width(), cell.height(), 1);
        QPainterPath corner;
        corner.moveTo(cell.topRight());
        corner.lineTo(cell.topRight() - QPointF(size, 0));
        corner.lineTo(cell.topRight() + QPointF(0, size));
        corner.closeSubpath();
        painter.fillPath(corner, mark_colour::kFlagCorner);
      }
    }
  }
}

void ReportView::PaintCurrentCell(QPainter& painter) const {
  if (corrections_ == nullptr || IsEditing() || offTable_) return;
  QPen pen(mark_colour::kCurrentCell);
  pen.setWidthF(2);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(CellRect(current_).adjusted(1, 1, -1, -1));
}

void ReportView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Dark));
  const QRectF paper = PaperRect();
  painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 60));
  painter.fillRect(paper, Qt::white);
  PaintMarks(painter);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  renderer_->PaintPage(painter, paper);
  PaintCurrentCell(painter);
}

bool ReportView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const auto place = CellAt(help->pos());
  const QString tip = place && corrections_ != nullptr
                          ? QString::fromStdString(explain::CellToolTip(story_, *corrections_, *place))
                          : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this, CellRect(*place).toAlignedRect());
  }
  return true;
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

void ReportView::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  SubmitEdit();
  if (IsEditing()) return;  // the entry was not taken: the teacher stays in the cell
  if (const auto place = CellAt(event->position())) {
    SetCurrentCell(*place);
  } else if (PaperRect().contains(event->position()) && !offTable_) {
    // A title or the frame: no cell of hours is chosen until the teacher comes back.
    offTable_ = true;
    update();
  }
}

void ReportView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (IsEditing() || corrections_ == nullptr) return;
  if (const auto place = CellAt(event->position())) {
    SetCurrentCell(*place);
  } else if (!PaperRect().contains(event->position())) {
    return;
  }
  EditOrRefuse(CurrentHoursText(), true);
}

QString ReportView::CurrentHoursText() const {
  const auto entry = corrections_ != nullptr ? corrections_->Entry(current_) : std::nullopt;
  return entry ? HoursText(*entry) : QString();
}

void ReportView::EditOrRefuse(const QString& text, bool selectAll) {
  if (offTable_) {
    emit typingRefused(std::nullopt);
  } else if (!BeginEdit(text, selectAll)) {
    emit typingRefused(current_);
  }
}

void ReportView::keyPressEvent(QKeyEvent* event) {
  switch (EditingActionOf(report_editing::KeyPlace::Report, *event)) {
    case report_editing::EditingAction::MoveUp: MoveCurrentCell(-1, 0); return;
    case report_editing::EditingAction::MoveDown: MoveCurrentCell(1, 0); return;
    case report_editing::EditingAction::MoveLeft: MoveCurrentCell(0, -1); return;
    case report_editing::EditingAction::MoveRight: MoveCurrentCell(0, 1); return;
    case report_editing::EditingAction::MoveRowStart: SetCurrentCell({current_.row, col::C}); return;
    case report_editing::EditingAction::MoveRowEnd: SetCurrentCell({current_.row, col::S}); return;
    case report_editing::EditingAction::MoveColumnStart: SetCurrentCell({kFirstWorkRow, current_.column}); return;
    case report_editing::EditingAction::MoveColumnEnd: SetCurrentCell({kLastWorkRow, current_.column}); return;
    case report_editing::EditingAction::MoveTableStart: SetCurrentCell({kFirstWorkRow, col::C}); return;
    case report_editing::EditingAction::MoveTableEnd: SetCurrentCell({kLastWorkRow, col::S}); return;
    case report_editing::EditingAction::Open: EditOrRefuse(CurrentHoursText(), true); return;
    case report_editing::EditingAction::Explain:
      if (!offTable_) emit explainRequested(current_);
      return;
    case report_editing::EditingAction::Empty:
      if (offTable_) {
        emit typingRefused(std::nullopt);
      } else {
        emit clearRequested(current_);
      }
      return;
    default: break;
  }
  if (TypesText(*event)) {
    EditOrRefuse(event->text(), false);
    return;
  }
  QWidget::keyPressEvent(event);
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
  // From the keyboard (the menu key, Shift+F10) the menu is the current cell's, beside it.
  const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
  const auto place = fromKeyboard ? (offTable_ ? std::nullopt : std::optional(current_)) : CellAt(event->pos());
  if (!place) return;
  SubmitEdit();
  if (IsEditing()) return;
  SetCurrentCell(*place);
  emit cellMenuRequested(*place, fromKeyboard ? mapToGlobal(CellRect(*place).center().toPoint()) : event->globalPos());
}

void ReportView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // A screen reader coming to the report is told the cell it stands on.
  AnnounceCurrentCell(*this, accessibleEvents_);
}

}  // namespace soatnoma::desktop
