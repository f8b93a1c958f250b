#pragma once
// The shared names of what the teacher can do (screen_view/action_labels.h) as the desktop's
// menus, tool bars and buttons show them.

#include <QString>

#include "screen_view/action_labels.h"

namespace soatnoma::desktop {

// The name with its shortcut mark, and what the desktop adds: "..." where a dialog follows.
inline QString ActionText(screen_view::Action action, const QString& more = {}) {
  return QString::fromUtf8(screen_view::LabelOf(action).text.data(),
                           static_cast<qsizetype>(screen_view::LabelOf(action).text.size())) +
         more;
}

inline QString ActionToolTip(screen_view::Action action) {
  return QString::fromUtf8(screen_view::LabelOf(action).toolTip.data(),
                           static_cast<qsizetype>(screen_view::LabelOf(action).toolTip.size()));
}

}  // namespace soatnoma::desktop
