#pragma once
// The report window's keys read by the report's one table of editing keys (report_editing/editing_keys.h):
// a key event named as the table names keys, and the shortcuts of undo and redo.

#include <QKeySequence>
#include <QList>

#include "report_editing/editing_keys.h"

class QKeyEvent;

namespace soatnoma::desktop {

// What the key pressed does on the report or in its typing box.
report_editing::EditingAction EditingActionOf(report_editing::KeyPlace place, const QKeyEvent& event);

// The report's keys for the action that are held with Ctrl (undo, redo), as shortcuts.
QList<QKeySequence> ShortcutsOf(report_editing::EditingAction action);

}  // namespace soatnoma::desktop
