#pragma once
// The report window's keys read by the report's one table of editing keys (form/editing_keys.h):
// a key event named as the table names keys, and the shortcuts of undo and redo.

#include <QKeySequence>
#include <QList>

#include "form/editing_keys.h"

class QKeyEvent;

namespace soatnoma::ui {

// What the key pressed does on the report or in its typing box.
EditingAction EditingActionOf(KeyPlace place, const QKeyEvent& event);

// The report's keys for the action that are held with Ctrl (undo, redo), as shortcuts.
QList<QKeySequence> ShortcutsOf(EditingAction action);

}  // namespace soatnoma::ui
