#include "desktop/form_menu.h"

#include <stdexcept>

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include "desktop/action_texts.h"
#include "desktop/help_window.h"
#include "desktop/main_window.h"
#include "desktop/school_year_choice.h"

namespace soatnoma::desktop {
namespace {

QAction& FormAction(const MainWindow& form, const char* name) {
  auto* action = form.findChild<QAction*>(QString::fromLatin1(name));
  if (!action) throw std::logic_error(std::string("the form has no action ") + name);
  return *action;
}

}  // namespace

QMenuBar* BuildFormMenu(MainWindow& form, SchoolYearChoice& schoolYear) {
  auto* bar = new QMenuBar(&form);
  bar->setObjectName(QStringLiteral("FormMenu"));
  bar->setNativeMenuBar(false);  // in the window, where the teacher looks for it

  QMenu* file = bar->addMenu(QStringLiteral("&Fayl"));
  file->addAction(&FormAction(form, "openWorkbook"));
  file->addAction(&FormAction(form, "openRoster"));
  file->addSeparator();
  auto* quit = file->addAction(QStringLiteral("&Chiqish"));
  quit->setObjectName(QStringLiteral("quitProgram"));
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  // Through the form's closing, so that every unsaved report is asked about first.
  QObject::connect(quit, &QAction::triggered, &form, &QWidget::close);

  bar->addMenu(SchoolYearMenu(schoolYear, bar));

  QMenu* help = bar->addMenu(ActionText(screen_view::Action::Help));
  auto* howTo = help->addAction(QStringLiteral("&Qo'llanma"));
  howTo->setObjectName(QStringLiteral("showHelp"));
  howTo->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  QObject::connect(howTo, &QAction::triggered, &form, [&form] { ShowHelp(form); });
  auto* about = help->addAction(QStringLiteral("&Dastur haqida"));
  about->setObjectName(QStringLiteral("aboutProgram"));
  about->setShortcut(QKeySequence::HelpContents);
  about->setCheckable(true);
  QObject::connect(about, &QAction::triggered, &form, [&form] { form.ToggleAboutView(); });
  QObject::connect(&form, &MainWindow::aboutViewToggled, about, &QAction::setChecked);
  return bar;
}

}  // namespace soatnoma::desktop
