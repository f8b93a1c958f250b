#include "report_editing/editing_keys.h"

#include <cctype>
#include <string>

namespace soatnoma::report_editing {

namespace {

using A = EditingAction;
constexpr KeyPlace kReport = KeyPlace::Report;
constexpr KeyPlace kBox = KeyPlace::Box;

struct ActionNaming {
  EditingAction action;
  std::string_view name;
};

constexpr ActionNaming kNames[] = {
    {A::None, "none"},
    {A::MoveUp, "moveUp"},
    {A::MoveDown, "moveDown"},
    {A::MoveLeft, "moveLeft"},
    {A::MoveRight, "moveRight"},
    {A::MoveRowStart, "moveRowStart"},
    {A::MoveRowEnd, "moveRowEnd"},
    {A::MoveTableStart, "moveTableStart"},
    {A::MoveTableEnd, "moveTableEnd"},
    {A::MoveColumnStart, "moveColumnStart"},
    {A::MoveColumnEnd, "moveColumnEnd"},
    {A::Open, "open"},
    {A::Empty, "empty"},
    {A::Explain, "explain"},
    {A::Undo, "undo"},
    {A::Redo, "redo"},
    {A::TakeDown, "takeDown"},
    {A::TakeUp, "takeUp"},
    {A::TakeRight, "takeRight"},
    {A::TakeLeft, "takeLeft"},
    {A::Cancel, "cancel"},
};

std::string Lowered(std::string_view key) {
  std::string lowered(key);
  // Only a single letter has a case to ignore ("Z" with Shift held is "z").
  if (lowered.size() == 1) lowered[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowered[0])));
  return lowered;
}

}  // namespace

const std::vector<EditingKey>& EditingKeys() {
  static const std::vector<EditingKey> keys = {
      {kReport, "ArrowUp", false, false, A::MoveUp},
      {kReport, "ArrowDown", false, false, A::MoveDown},
      {kReport, "ArrowLeft", false, false, A::MoveLeft},
      {kReport, "ArrowRight", false, false, A::MoveRight},
      {kReport, "Home", false, false, A::MoveRowStart},
      {kReport, "End", false, false, A::MoveRowEnd},
      {kReport, "Home", true, false, A::MoveTableStart},
      {kReport, "End", true, false, A::MoveTableEnd},
      {kReport, "PageUp", false, false, A::MoveColumnStart},
      {kReport, "PageDown", false, false, A::MoveColumnEnd},
      {kReport, "Enter", false, false, A::Open},
      {kReport, "F2", false, false, A::Open},
      {kReport, "Delete", false, false, A::Empty},
      {kReport, "Backspace", false, false, A::Empty},
      {kReport, "F1", false, false, A::Explain},
      {kReport, "z", true, false, A::Undo},
      {kReport, "z", true, true, A::Redo},
      {kReport, "y", true, false, A::Redo},
      {kBox, "Enter", false, false, A::TakeDown},
      {kBox, "Enter", false, true, A::TakeUp},
      {kBox, "ArrowDown", false, false, A::TakeDown},
      {kBox, "ArrowUp", false, false, A::TakeUp},
      {kBox, "Tab", false, false, A::TakeRight},
      {kBox, "Tab", false, true, A::TakeLeft},
      {kBox, "Escape", false, false, A::Cancel},
  };
  return keys;
}

EditingAction ActionOfKey(KeyPlace place, std::string_view key, HeldKeys held) {
  if (held.alt) return A::None;
  const std::string named = Lowered(key);
  const bool control = held.control || held.meta;
  for (const EditingKey& entry : EditingKeys()) {
    if (entry.place == place && entry.key == named && entry.control == control && entry.shift == held.shift) {
      return entry.action;
    }
  }
  return A::None;
}

std::string_view ActionName(EditingAction action) {
  for (const ActionNaming& naming : kNames) {
    if (naming.action == action) return naming.name;
  }
  return "none";
}

}  // namespace soatnoma::report_editing
