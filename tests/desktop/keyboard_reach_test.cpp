// The program for a teacher who works with the keyboard and a screen reader: every control
// the focus can reach in the form, a report window, the staff list window, the how-to and
// the choice of a staff workbook's teacher is named for the screen reader; every menu opens
// with Alt and a letter and every item in it has a letter or a shortcut of its own; each
// tool bar button is also an item of the menus, the staff list window's buttons have
// letters of their own, and the report cell's menu opens from the keyboard.
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>

#include "form_test_case.h"
#include "report_driver.h"
#include "desktop/roster_dialog.h"
#include "desktop/staff_teacher_choice.h"
#include "model/workload_table.h"

namespace soatnoma::desktop::testing {
namespace {

// Every control of the window (not of a window of its own within it) that Tab or a click
// can put the focus in, as it is shown now.
QList<QWidget*> Focusable(QWidget& window) {
  QList<QWidget*> found;
  for (QWidget* each : window.findChildren<QWidget*>()) {
    if (each->window() != &window || !each->isVisibleTo(&window) || !each->isEnabled()) continue;
    if (each->focusPolicy() & Qt::TabFocus) found << each;
  }
  return found;
}

// The focusable controls a screen reader finds without a name, by their object names.
QStringList Unnamed(QWidget& window) {
  QStringList unnamed;
  for (QWidget* each : Focusable(window)) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(each);
    if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
      unnamed << QStringLiteral("%1 (%2)").arg(each->objectName(), each->metaObject()->className());
    }
  }
  return unnamed;
}

QString Plain(const QString& text) { return QString(text).remove(QLatin1Char('&')); }

// The items of a menu (and of the menus within it) that neither a letter of their own nor a
// shortcut reaches, and the letters two items share.
void CollectUnreachable(const QMenu& menu, QStringList& problems) {
  QSet<QString> letters;
  for (QAction* item : menu.actions()) {
    if (item->isSeparator() || !item->isVisible()) continue;
    const QString letter = QKeySequence::mnemonic(item->text()).toString();
    if (letter.isEmpty() && item->shortcut().isEmpty()) problems << Plain(menu.title()) + " > " + Plain(item->text());
    if (!letter.isEmpty() && letters.contains(letter)) problems << Plain(menu.title()) + ": " + letter + " twice";
    letters.insert(letter);
    if (item->menu()) CollectUnreachable(*item->menu(), problems);
  }
}

// What of the window's menu bar the keyboard cannot reach: a menu without its Alt letter (or
// sharing it) and the menus' items as above.
QStringList UnreachableInMenus(const QWidget& window) {
  const auto* bar = window.findChild<QMenuBar*>();
  if (!bar) return {QStringLiteral("no menu bar")};
  QStringList problems;
  QSet<QString> letters;
  for (QAction* title : bar->actions()) {
    const QString letter = QKeySequence::mnemonic(title->text()).toString();
    if (letter.isEmpty() || letters.contains(letter)) problems << "menu " + Plain(title->text());
    letters.insert(letter);
    if (title->menu()) CollectUnreachable(*title->menu(), problems);
  }
  return problems;
}

// Every action the window's menu bar offers, by object name.
QSet<QString> MenuActionNames(const QWidget& window) {
  QSet<QString> names;
  QList<QMenu*> menus;
  for (QAction* title : window.findChild<QMenuBar*>()->actions()) {
    if (title->menu()) menus << title->menu();
  }
  while (!menus.isEmpty()) {
    for (QAction* item : menus.takeFirst()->actions()) {
      names.insert(item->objectName());
      if (item->menu()) menus << item->menu();
    }
  }
  return names;
}

// The list of what is missing is empty; its entries are the message otherwise.
#define ExpectNone(missing)                                  \
  do {                                                       \
    const QStringList found = (missing);                     \
    QVERIFY2(found.isEmpty(), qPrintable(found.join(", "))); \
  } while (false)

}  // namespace

class KeyboardReachTest : public FormTestCase {
  Q_OBJECT

 private slots:
  // The form's own controls are named by their captions: the accessibility test's.
  void everyFocusableControlIsNamed() {
    ReportWindow* report = FinishedReport(*form_, QStringLiteral("Aliyeva Nodira"), QStringLiteral("20"));
    ExpectNone(Unnamed(*report));
    person_.openPath.clear();  // the staff list window, before any list is chosen
    Control<QAction>(*form_, "openRoster").trigger();
    auto* roster = form_->findChild<RosterDialog*>();
    QVERIFY(roster);
    ExpectNone(Unnamed(*roster));
    // Its rows are described by the line above them that says how many are ready.
    const QString summary = Control<QLabel>(*roster, "rosterSummary").text();
    QVERIFY(!summary.isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(&Control(*roster, "rosterRows"))->text(QAccessible::Description),
             summary);
    // The how-to.
    Control<QAction>(*form_, "showHelp").trigger();
    auto* howTo = form_->findChild<QDialog*>(QStringLiteral("helpWindow"));
    QVERIFY(howTo);
    ExpectNone(Unnamed(*howTo));
    // The question of which teacher of a staff workbook to open.
    QStringList unnamedInChoice{QStringLiteral("no question shown")};
    QTimer::singleShot(0, form_.get(), [&unnamedInChoice] {
      auto* question = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!question) return;
      unnamedInChoice = Unnamed(*question);
      question->reject();
    });
    ChooseStaffTeacher(form_.get(), QStringLiteral("xodimlar.xlsx"),
                       {staff_book::StaffTeacherSheet{"Ali", "Aliyev Ali", 1858, "", "", 5}});
    ExpectNone(unnamedInChoice);
    // The windows themselves are named by their titles.
    QVERIFY(!QAccessible::queryAccessibleInterface(roster)->text(QAccessible::Name).isEmpty());
    QVERIFY(!QAccessible::queryAccessibleInterface(report)->text(QAccessible::Name).isEmpty());
  }

  void everyMenuAndItemHasItsKey() {
    ExpectNone(UnreachableInMenus(*form_));
    ReportWindow* report = FinishedReport(*form_, QStringLiteral("Aliyeva Nodira"), QStringLiteral("20"));
    ExpectNone(UnreachableInMenus(*report));

    // A tool bar button is no stop of the Tab key: each is an item of the menus, itself or
    // the item it is the short form of ("undoTool" of "undo").
    const QSet<QString> inMenus = MenuActionNames(*report);
    QStringList onlyOnTheToolBar;
    for (QAction* tool : report->findChild<QToolBar*>()->actions()) {
      if (tool->isSeparator() || qobject_cast<QWidgetAction*>(tool)) continue;
      QString name = tool->objectName();
      if (name.endsWith(QStringLiteral("Tool"))) name.chop(4);
      if (!inMenus.contains(name) && !inMenus.contains(name + QStringLiteral("Item"))) onlyOnTheToolBar << name;
    }
    ExpectNone(onlyOnTheToolBar);
  }

  void theStaffListButtonsHaveLettersOfTheirOwn() {
    RosterDialog* roster = OpenRoster({});
    QVERIFY(roster);
    roster->activateWindow();
    QVERIFY(QTest::qWaitFor([roster] { return QApplication::activeWindow() == roster; }));
    // The buttons and the school year's box (by its label) each have a letter no other has.
    QStringList captions;
    for (const QPushButton* button : roster->findChildren<QPushButton*>()) captions << button->text();
    for (const QLabel* label : roster->findChildren<QLabel*>()) {
      if (label->buddy()) captions << label->text();
    }
    QVERIFY(captions.size() > 6);
    QSet<QString> letters;
    for (const QString& caption : captions) {
      const QString letter = QKeySequence::mnemonic(caption).toString();
      QVERIFY2(!letter.isEmpty(), qPrintable(caption));
      QVERIFY2(!letters.contains(letter), qPrintable(caption));
      letters.insert(letter);
    }
    // Alt and the letter press the button: "Namuna..." asks where to save the example.
    const std::size_t asked = person_.saveRequests.size();
    auto& example = Control<QPushButton>(*roster, "saveExampleRoster");
    QTest::keySequence(roster, QKeySequence::mnemonic(example.text()));
    // The button shows itself pressed a moment first.
    QVERIFY(QTest::qWaitFor([this, asked] { return person_.saveRequests.size() == asked + 1; }));
  }

  void theCellMenuOpensFromTheKeyboardAtTheCurrentCell() {
    ReportWindow* report = FinishedReport(*form_, QStringLiteral("Aliyeva Nodira"), QStringLiteral("20"));
    ReportView& view = report->View();
    TypeIntoCell(*report, {8, col::E}, QStringLiteral("9"));
    view.SetCurrentCell({8, col::E});
    view.setFocus();
    QVERIFY(QTest::qWaitFor([&view] { return view.hasFocus(); }));
    QStringList offered;
    QTimer::singleShot(0, &view, [&offered] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (const QAction* item : menu->actions()) offered << Plain(item->text()) + (item->isEnabled() ? "" : " (off)");
      menu->close();
    });
    // The menu key, as Qt hands it to the control in focus: at the middle of its top edge,
    // on the page's margin, off every cell.
    const QPoint top(view.width() / 2, 0);
    QContextMenuEvent fromKeys(QContextMenuEvent::Keyboard, top, view.mapToGlobal(top));
    QApplication::sendEvent(&view, &fromKeys);
    // The current cell's menu: it is corrected, so it can be taken back.
    QCOMPARE(offered.size(), 2);
    QVERIFY2(!offered.front().endsWith(QStringLiteral(" (off)")), qPrintable(offered.front()));
    QCOMPARE(view.CurrentCell(), (report_editing::CellPlace{8, col::E}));
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::KeyboardReachTest)
#include "keyboard_reach_test.moc"
