#include "desktop/cell_editor.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <optional>
#include <utility>

#include "desktop/editing_key_events.h"

namespace soatnoma::desktop {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
  setObjectName(QStringLiteral("CellEditor"));
  setAlignment(Qt::AlignCenter);
  setFrame(false);
  // Bright enough to be seen as the cell being typed into.
  setStyleSheet(
      QStringLiteral("QLineEdit { border: 2px solid rgb(30, 100, 200); padding: 0; margin: 0; background: white; }"));
  hide();
}

namespace {

// The step on after the entry is taken, for the box's editing keys that take it.
std::optional<std::pair<int, int>> StepOf(report_editing::EditingAction action) {
  switch (action) {
    case report_editing::EditingAction::TakeDown: return std::pair{1, 0};
    case report_editing::EditingAction::TakeUp: return std::pair{-1, 0};
    case report_editing::EditingAction::TakeRight: return std::pair{0, 1};
    case report_editing::EditingAction::TakeLeft: return std::pair{0, -1};
    default: return std::nullopt;
  }
}

}  // namespace

bool CellEditor::event(QEvent* event) {
  // Tab and Shift+Tab come here first, as they would otherwise move the focus.
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      if (const auto step = StepOf(EditingActionOf(report_editing::KeyPlace::Box, *key))) {
        emit entered(step->first, step->second);
        return true;
      }
    }
  }
  return QLineEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
  const report_editing::EditingAction action = EditingActionOf(report_editing::KeyPlace::Box, *event);
  if (const auto step = StepOf(action)) {
    emit entered(step->first, step->second);
  } else if (action == report_editing::EditingAction::Cancel) {
    emit cancelled();
  } else {
    QLineEdit::keyPressEvent(event);
  }
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Clicking elsewhere takes the entry, as a spreadsheet does; a menu or a pop-up that
  // takes the focus for a moment does not.
  if (isVisible() && event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    emit entered(0, 0);
  }
}

}  // namespace soatnoma::desktop
