#include "desktop/editing_key_events.h"

#include <QKeyEvent>

#include <string>
#include <string_view>

namespace soatnoma::desktop {

namespace {

struct KeyNaming {
  int key;
  std::string_view name;
};

// Qt's keys by the names the table gives them; Shift+Tab comes as a key of its own.
constexpr KeyNaming kNames[] = {
    {Qt::Key_Up, "ArrowUp"},
    {Qt::Key_Down, "ArrowDown"},
    {Qt::Key_Left, "ArrowLeft"},
    {Qt::Key_Right, "ArrowRight"},
    {Qt::Key_Return, "Enter"},
    {Qt::Key_Enter, "Enter"},
    {Qt::Key_F2, "F2"},
    {Qt::Key_Delete, "Delete"},
    {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_Backtab, "Tab"},
    {Qt::Key_Escape, "Escape"},
    {Qt::Key_Home, "Home"},
    {Qt::Key_End, "End"},
    {Qt::Key_PageUp, "PageUp"},
    {Qt::Key_PageDown, "PageDown"},
    {Qt::Key_F1, "F1"},
};

std::string NameOf(int key) {
  for (const KeyNaming& naming : kNames) {
    if (naming.key == key) return std::string(naming.name);
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
