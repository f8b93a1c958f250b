// The teacher's form: its layout as drawn, its Tab order, and how the fields answer typing
// and the category options.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "form_driver.h"
#include "form_test_case.h"
#include "scripted_person.h"
#include "desktop/form_layout.h"
#include "desktop/main_window.h"

namespace soatnoma::desktop::testing {

class FormTest : public FormTestCase {
  Q_OBJECT

 private slots:
  void controlsStandWhereTheyWereDrawn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");  // pixels at 96 dpi, in the container
    QTest::newRow("rate") << "Text1" << QRect(288, 8, 33, 25);
    QTest::newRow("name box in the frame") << "Text3" << QRect(8, 40, 169, 23);
    QTest::newRow("primary-class run") << "Command2" << QRect(8, 200, 257, 33);
  }
  void controlsStandWhereTheyWereDrawn() {
    if (form_->logicalDpiX() != 96) QSKIP("the drawing's pixels hold at 96 dpi");
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QCOMPARE(Control(*form_, name.toLatin1().constData()).geometry(), place);
    QCOMPARE(Control(*form_, "ClientArea").size(), QSize(329, 242));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
  }

  // A laptop's 1366 by 768 screen (728 pixels free) opens the form half as large again as drawn;
  // a small screen as drawn, a large one twice as large at most.
  void theFormOpensLargerOnALargeScreen() {
    QCOMPARE(FormScale(728, 242), 1.5);
    QCOMPARE(FormScale(600, 242), 1.0);
    QCOMPARE(FormScale(300, 242), 1.0);
    QCOMPARE(FormScale(1040, 242), 2.0);
  }

  void theMenuBarStandsAboveTheClientArea() {
    const auto& bar = Control<QMenuBar>(*form_, "FormMenu");
    const QWidget& client = Control(*form_, "ClientArea");
    QVERIFY(bar.isVisible() && bar.height() > 0);
    QCOMPARE(client.geometry(), QRect(QPoint(0, bar.height()), client.size()));
    QCOMPARE(form_->size(), QSize(client.width(), bar.height() + client.height()));
    QCOMPARE(bar.width(), client.width());

    struct Item {
      const char* menu;
      const char* action;
      QString text;
      QKeySequence keys;
    };
    const Item items[] = {
        {"&Fayl", "openWorkbook", QStringLiteral("&Ochish..."), QKeySequence::Open},
        {"&Fayl", "openRoster", QStringLiteral("&Ro'yxatdan..."), QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"&Fayl", "quitProgram", QStringLiteral("&Chiqish"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"&Yordam", "showHelp", QStringLiteral("&Qo'llanma"), QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {"&Yordam", "aboutProgram", QStringLiteral("&Dastur haqida"), QKeySequence::HelpContents},
    };
    QStringList menus;
    for (const QAction* menu : bar.actions()) menus << menu->text();
    // The school year chosen stands between them, named (person_.today is in 2025).
    QCOMPARE(menus, (QStringList{"&Fayl", "&O'quv yili: 2025/2026", "&Yordam"}));
    for (const Item& item : items) {
      const QAction& action = Control<QAction>(*form_, item.action);
      QCOMPARE(action.text(), item.text);
      QCOMPARE(action.shortcut(), item.keys);
      const QMenu* menu = nullptr;
      for (const QAction* entry : bar.actions()) {
        if (entry->text() == QString::fromLatin1(item.menu)) menu = entry->menu();
      }
      QVERIFY2(menu && menu->actions().contains(&action), item.action);
    }
    // Open and the staff list stay in the form's context menu.
    QVERIFY(form_->actions().contains(&Control<QAction>(*form_, "openWorkbook")));
    QVERIFY(form_->actions().contains(&Control<QAction>(*form_, "openRoster")));
  }

  void menuItemsDoWhatTheySay() {
    auto& about = Control<QAction>(*form_, "aboutProgram");
    about.trigger();
    QVERIFY(Control(*form_, "Frame2").isVisible());
    QVERIFY(about.isChecked());
    Click(*form_, "Image2");  // the book picture closes it again, and the menu follows
    QVERIFY(!Control(*form_, "Frame2").isVisible());
    QVERIFY(!about.isChecked());

    // Chiqish asks about an unsaved report like closing the window; "Bekor qilish" stays.
    Type(*form_, "Text2", "20");
    Click(*form_, "Command1");
    QVERIFY(NewestReport(*form_));
    person_.unsavedAnswers = {UnsavedChoice::Cancel};
    Control<QAction>(*form_, "quitProgram").trigger();
    QCOMPARE(person_.unsavedQuestions.size(), std::size_t{1});
    QVERIFY(form_->isVisible());
    person_.unsavedAnswers = {UnsavedChoice::Discard};
    Control<QAction>(*form_, "quitProgram").trigger();
    QVERIFY(!form_->isVisible());
  }

  void tabVisitsTheFieldsInTheDrawnOrder() {
    const QStringList expected = {"Text3",  "Text6",  "Text4", "Text7",    "Text8",   "Text9",   "Text10",   "Text11",
                                  "Text12", "Check1", "Text2", "Command1", "Option1", "Option2", "Command3", "Text1"};
    QStringList visited;
    QWidget* widget = &Control(*form_, "Text3");
    for (int i = 0; i < 80 && visited.size() < expected.size(); ++i) {
      if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()) {
        visited << widget->objectName();
      }
      widget = widget->nextInFocusChain();
    }
    QCOMPARE(visited, expected);
  }

  // How typed days add up is the weekly hours' own test; here the first two boxes and the
  // last count, and a day that is no number is the next test's.
  void correctingAnEarlierDayKeepsTheWholeWeek() {
    Type(*form_, "Text7", "5");
    Type(*form_, "Text8", "4");
    Type(*form_, "Text12", "3");
    QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("12"));
    Type(*form_, "Text7", "6");
    QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("13"));
    Type(*form_, "Text8", "");
    QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("9"));
  }

  void aDayThatIsNotANumberIsMarkedAndLeavesTheWeekAlone() {
    Type(*form_, "Text7", "5");
    Type(*form_, "Text8", "4");
    QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("9"));
    auto& wednesday = Control<QLineEdit>(*form_, "Text9");
    const auto redAtTheEdge = [&] {
      const QImage box = wednesday.grab().toImage();
      return box.pixelColor(1, box.height() / 2) == QColor(210, 30, 30);
    };
    QVERIFY(!redAtTheEdge());
    // Each pasted whole, so that no number stands in the box on the way.
    for (const QString& typed :
         {QStringLiteral("4x"), QStringLiteral("1,2,3"), QStringLiteral("&H"), QStringLiteral("1 2")}) {
      wednesday.setText(typed);
      QVERIFY2(redAtTheEdge(), qPrintable(typed));
      QVERIFY(wednesday.toolTip().contains(QStringLiteral("son emas")));
      QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("9"));
    }
    // The weekly hours typed by hand stay while the day is wrong; the other days are not marked.
    Type(*form_, "Text2", "20");
    Type(*form_, "Text7", "6");
    QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("20"));
    QVERIFY(Control(*form_, "Text7").toolTip().isEmpty());
    // Mended, the mark goes and the week adds up again.
    Type(*form_, "Text9", "2,5");
    QVERIFY(!redAtTheEdge());
    QVERIFY(wednesday.toolTip().isEmpty());
    QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("12.5"));
  }

  void categorySetsTheRateAndTheRunButton() {
    QVERIFY(Control<QRadioButton>(*form_, "Option2").isChecked());
    QVERIFY(!Control(*form_, "Command2").isVisible());
    Click(*form_, "Option1");
    QCOMPARE(TextOf(*form_, "Text1"), QStringLiteral("18"));
    QVERIFY(Control(*form_, "Command2").isVisible());
    QCOMPARE(Control(*form_, "ClientArea").childAt(Control(*form_, "Command1").geometry().center()),
             &Control(*form_, "Command2"));
    // The upper-class button beneath is out of the Tab order's reach too.
    QVERIFY(!Control(*form_, "Command1").isVisible());

    Type(*form_, "Text1", "16");
    Click(*form_, "Option2");
    QCOMPARE(TextOf(*form_, "Text1"), QStringLiteral("20"));
    QVERIFY(!Control(*form_, "Command2").isVisible());
    QVERIFY(Control(*form_, "Command1").isVisible());
    QCOMPARE(Control(*form_, "ClientArea").childAt(Control(*form_, "Command1").geometry().center()),
             &Control(*form_, "Command1"));
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::FormTest)
#include "form_test.moc"
