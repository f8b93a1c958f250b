#pragma once
// The shared names of what the teacher can do (form/action_labels.h) as the desktop's
// menus, tool bars and buttons show them.

#include <QString>

#include "form/action_labels.h"

namespace soatnoma::ui {

// The name with its shortcut mark, and what the desktop adds: "..." where a dialog follows.
inline QString ActionText(Action action, const QString& more = {}) {
  return QString::fromUtf8(LabelOf(action).text.data(), static_cast<qsizetype>(LabelOf(action).text.size())) + more;
}

inline QString ActionToolTip(Action action) {
  return QString::fromUtf8(LabelOf(action).toolTip.data(), static_cast<qsizetype>(LabelOf(action).toolTip.size()));
}

}  // namespace soatnoma::ui
