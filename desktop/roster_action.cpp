#include "desktop/roster_action.h"

#include <memory>

#include <QAction>
#include <QWidget>

#include "desktop/action_texts.h"
#include "desktop/roster_dialog.h"

namespace soatnoma::desktop {

void AddRosterAction(QWidget& form, const FormServices& services, SchoolYearChoice& schoolYear) {
  auto* roster = new QAction(ActionText(screen_view::Action::Roster, QStringLiteral("...")), &form);
  roster->setObjectName(QStringLiteral("openRoster"));
  roster->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  roster->setToolTip(ActionToolTip(screen_view::Action::Roster));
  roster->setStatusTip(roster->toolTip());
  QObject::connect(roster, &QAction::triggered, &form,
                   [&form, services, &schoolYear] { OpenRoster(form, services, schoolYear); });
  form.addAction(roster);
  form.setContextMenuPolicy(Qt::ActionsContextMenu);
}

RosterDialog* OpenRoster(QWidget& form, const FormServices& services, SchoolYearChoice& schoolYear) {
  auto dialog = std::make_unique<RosterDialog>(services, schoolYear, &form);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowFlag(Qt::Window);
  // The window stays when no list is chosen: its "Namuna..." gives one to start from.
  dialog->show();
  dialog->ChooseRoster();
  return dialog.release();
}

}  // namespace soatnoma::desktop
