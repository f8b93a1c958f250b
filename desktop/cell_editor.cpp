#include "desktop/cell_editor.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace soatnoma::ui {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
  setObjectName(QStringLiteral("CellEditor"));
  setAlignment(Qt::AlignCenter);
  setFrame(false);
  // Bright enough to be seen as the cell being typed into.
  setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid rgb(30, 100, 200); padding: 0; margin: 0; background: white; }"));
  hide();
}

bool CellEditor::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      emit entered(0, key == Qt::Key_Tab ? 1 : -1);
      return true;
    }
  }
  return QLineEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit entered(event->modifiers() & Qt::ShiftModifier ? -1 : 1, 0); return;
    case Qt::Key_Up: emit entered(-1, 0); return;
    case Qt::Key_Down: emit entered(1, 0); return;
    case Qt::Key_Escape: emit cancelled(); return;
    default: QLineEdit::keyPressEvent(event);
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

}  // namespace soatnoma::ui
