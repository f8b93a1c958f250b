#include "desktop/editing_key_events.h"

#include <QKeyEvent>

#include <string>

namespace soatnoma::desktop {

namespace {

// Qt's keys by the names the table gives them; Shift+Tab comes as a key of its own.
std::string NameOf(int key) {
  switch (key) {
    case Qt::Key_Up: return "ArrowUp";
    case Qt::Key_Down: return "ArrowDown";
    case Qt::Key_Left: return "ArrowLeft";
    case Qt::Key_Right: return "ArrowRight";
    case Qt::Key_Return:
    case Qt::Key_Enter: return "Enter";
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return "Tab";
    case Qt::Key_Delete: return "Delete";
    case Qt::Key_Backspace: return "Backspace";
    case Qt::Key_Escape: return "Escape";
    case Qt::Key_Home: return "Home";
    case Qt::Key_End: return "End";
    case Qt::Key_PageUp: return "PageUp";
    case Qt::Key_PageDown: return "PageDown";
    case Qt::Key_F1: return "F1";
    case Qt::Key_F2: return "F2";
    default: break;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::string(1, static_cast<char>('a' + (key - Qt::Key_A)));
  return {};
}

}  // namespace

report_editing::EditingAction EditingActionOf(report_editing::KeyPlace place, const QKeyEvent& event) {
  const std::string name = NameOf(event.key());
  if (name.empty()) return report_editing::EditingAction::None;
  const Qt::KeyboardModifiers held = event.modifiers();
  const bool shift = (held & Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
  return report_editing::ActionOfKey(
      place, name,
      {.control = (held & Qt::ControlModifier) != 0, .shift = shift, .alt = (held & Qt::AltModifier) != 0});
}

QList<QKeySequence> ShortcutsOf(report_editing::EditingAction action) {
  QList<QKeySequence> shortcuts;
  for (const report_editing::EditingKey& entry : report_editing::EditingKeys()) {
    if (entry.place != report_editing::KeyPlace::Report || entry.action != action || !entry.control ||
        entry.key.size() != 1)
      continue;
    const int letter = Qt::Key_A + (entry.key[0] - 'a');
    shortcuts.append(QKeySequence(QKeyCombination(entry.shift ? Qt::CTRL | Qt::SHIFT : Qt::CTRL, Qt::Key(letter))));
  }
  return shortcuts;
}

}  // namespace soatnoma::desktop
