// The teacher's corrections in the report window: typed entries, "Hisoblanganga
// qaytarish" and what the window shows after each change.
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>
#include <QUndoStack>

#include "desktop/cell_editor.h"
#include "desktop/cell_entry.h"
#include "desktop/hours_command.h"
#include "desktop/report_view.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop {
namespace {

QString EntryText(std::optional<double> hours) { return hours ? HoursText(*hours) : QStringLiteral("bo'sh"); }

}  // namespace

bool ReportWindow::PushChanges(const QString& text, std::vector<HoursChange> changes) {
  if (editingHeld_ || changes.empty()) return false;
  undo_->push(new HoursCommand(text, std::move(changes), *corrections_,
                               [this](const std::vector<HoursChange>&) { ShowChanges(); }));
  return true;
}

bool ReportWindow::CorrectHours(report_editing::CellPlace place, std::optional<double> hours) {
  if (editingHeld_ || !corrections_->IsEditable(place)) return false;
  const std::optional<double> before = corrections_->Entry(place);
  if (before == hours) return true;
  return PushChanges(
      QStringLiteral("%1: %2 \u2192 %3")
          .arg(QString::fromStdString(report_editing::PlaceName(place)), EntryText(before), EntryText(hours)),
      {{place, before, hours}});
}

bool ReportWindow::ResetCell(report_editing::CellPlace place) {
  if (!corrections_->IsCorrected(place)) return false;
  return PushChanges(
      QStringLiteral("Hisoblanganga qaytarish: %1").arg(QString::fromStdString(report_editing::PlaceName(place))),
      {{place, corrections_->Entry(place), corrections_->ComputedHours(place)}});
}

bool ReportWindow::ResetAll() {
  std::vector<HoursChange> changes;
  for (const report_editing::CellPlace place : corrections_->CorrectedCells()) {
    changes.push_back({place, corrections_->Entry(place), corrections_->ComputedHours(place)});
  }
  return PushChanges(QStringLiteral("Hisoblanganga qaytarish: butun hisobot"), std::move(changes));
}

void ReportWindow::TakeEntry(report_editing::CellPlace place, const QString& text, int rows, int columns) {
  const CellEntry entry = ReadCellEntry(text);
  if (!entry.hours) {
    // The teacher stays in the cell to mend the entry; nothing of it is taken.
    statusBar()->showMessage(entry.refusal);
    if (view_->IsEditing()) {
      view_->Editor().setFocus();
      view_->Editor().selectAll();
    }
    return;
  }
  statusBar()->clearMessage();
  view_->EndEdit();
  CorrectHours(place, *entry.hours);
  view_->MoveCurrentCell(rows, columns);
}

void ReportWindow::ClearCurrentCell() {
  const report_editing::CellPlace place = view_->CurrentCell();
  if (CorrectHours(place, std::nullopt)) {
    statusBar()->clearMessage();
  } else {
    RefuseTyping(place);
  }
}

void ReportWindow::RefuseTyping(std::optional<report_editing::CellPlace> place) {
  statusBar()->showMessage(QString::fromStdString(report_editing::TypingRefusal(*corrections_, place, editingHeld_)));
}

void ReportWindow::FinishTyping() {
  if (!view_->IsEditing()) return;
  view_->SubmitEdit();
  // An entry that was not taken is dropped; the status line says why.
  view_->EndEdit();
}

void ReportWindow::ShowChanges() {
  view_->SheetChanged();
  yearTotal_->setText(QString::fromStdString(report_editing::YearTotalText(*corrections_)));
  correctionsCount_->setText(QString::fromStdString(report_editing::CorrectionsText(*corrections_)));
  resetAll_->setEnabled(!editingHeld_ && !corrections_->CorrectedCells().empty());
  resetCell_->setEnabled(!editingHeld_ && corrections_->IsCorrected(view_->CurrentCell()));
  UpdateTitle();
  emit reportChanged();
}

QString ReportWindow::StatusText() const {
  QStringList parts = {yearTotal_->text()};
  for (const QLabel* label : {correctionsCount_, emptyTexts_}) {
    if (!label->text().isEmpty()) parts << label->text();
  }
  return parts.join(QLatin1Char(' '));
}

void ReportWindow::ShowCellMenu(report_editing::CellPlace place, const QPoint& globalPosition) {
  resetCell_->setEnabled(!editingHeld_ && corrections_->IsCorrected(place));
  QMenu menu(this);
  menu.addAction(resetCell_);
  menu.addAction(resetAll_);
  menu.exec(globalPosition);
}

}  // namespace soatnoma::desktop
