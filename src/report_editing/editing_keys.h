#pragma once
// The report's editing keys, one table for the desktop and the page: what a key does on the
// report (a cell chosen, no typing box open) and in the typing box. Keys are named as a
// browser names them ("Enter", "F2", "ArrowUp", "Tab", "z"); each edition turns its own key
// events into these names.

#include <string_view>
#include <vector>

namespace soatnoma::report_editing {

enum class KeyPlace { Report, Box };

enum class EditingAction {
  None,
  MoveUp,
  MoveDown,
  MoveLeft,
  MoveRight,
  MoveRowStart,     // the first cell of hours of the row
  MoveRowEnd,       // its last, the year
  MoveTableStart,   // the first cell of hours of the table
  MoveTableEnd,     // its last
  MoveColumnStart,  // the first row of the column
  MoveColumnEnd,    // its last row
  Open,             // the typing box opened over the cell, its old value chosen
  Empty,            // the cell emptied
  Explain,          // how the cell came by its hours shown
  Undo,
  Redo,
  TakeDown,   // the typed text taken, the choice one row down
  TakeUp,     // ... one row up
  TakeRight,  // ... one column right
  TakeLeft,   // ... one column left
  Cancel,     // the box closed, the cell as it was
};

struct EditingKey {
  KeyPlace place;
  std::string_view key;  // letters in lower case
  bool control;          // Ctrl, or Command on a Mac
  bool shift;
  EditingAction action;
};

// The keys held down with a key, as an edition's key event tells them.
struct HeldKeys {
  bool control = false;
  // ⌘ on a Mac, which a browser tells apart from Ctrl ("Meta"): the table's keys held with
  // Ctrl do the same held with ⌘ (⌘Z undoes, ⌘⇧Z and ⌘Y redo). Qt tells ⌘ as Ctrl itself.
  bool meta = false;
  bool shift = false;
  bool alt = false;
};

// Every key of the table, in its order.
const std::vector<EditingKey>& EditingKeys();

// What the key does there; None when it is not an editing key (Alt held, another key), so
// that the edition lets it do what it does anyway (a letter typed opens the box with it).
EditingAction ActionOfKey(KeyPlace place, std::string_view key, HeldKeys held);

// The action's name as the page knows it ("moveUp", "takeDown", ...).
std::string_view ActionName(EditingAction action);

}  // namespace soatnoma::report_editing
