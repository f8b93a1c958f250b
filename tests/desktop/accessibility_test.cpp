// The form and the report as a screen reader meets them through Qt's accessibility: every
// control the teacher reaches named by the caption beside it, the clock a picture and the
// book a button; the report a table whose cells are named by the month and the kind of work
// and read as what they show, a correction's computed hours in its description, the current
// cell in focus wherever the keys move it.
#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "form_driver.h"
#include "form_test_case.h"
#include "report_driver.h"
#include "form_controls/control_names.h"
#include "form_controls/form_controls.h"
#include "model/workload_table.h"

namespace soatnoma::desktop::testing {
namespace {

QAccessibleTableInterface& TableOf(ReportView& view) {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
  if (!table || !table->tableInterface()) qFatal("the report view is no accessible table");
  return *table->tableInterface();
}

// The accessible cell of a sheet place.
QAccessibleInterface* CellOf(ReportView& view, report_editing::CellPlace place) {
  return TableOf(view).cellAt(place.row - kFirstWorkRow, place.column - col::C);
}

// Hears what a report view tells a screen reader: the child of its last focus event.
class FocusRecorder {
 public:
  explicit FocusRecorder(ReportView& view) {
    view.SetAccessibleEventSink([this](QAccessibleEvent& event) {
      if (event.type() == QAccessible::Focus) lastChild_ = event.child();
    });
  }
  int LastFocusedChild() const { return lastChild_; }
  void Forget() { lastChild_ = -1; }

 private:
  int lastChild_ = -1;
};

}  // namespace

class AccessibilityTest : public FormTestCase {
  Q_OBJECT

 private slots:
  void everyControlReachedByTabIsNamedByItsCaption() {
    for (const form_controls::ControlSpec& spec : form_controls::FormControls()) {
      if (spec.tabIndex == form_controls::kNoTabStop || spec.kind == form_controls::ControlKind::Frame) continue;
      QWidget& control = Control(*form_, std::string(spec.name).c_str());
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
      QVERIFY(accessible);
      const QString name = accessible->text(QAccessible::Name);
      QVERIFY2(!name.isEmpty(), spec.name.data());
      QCOMPARE(name, QString::fromStdString(form_controls::AccessibleName(spec.name)));
    }
    // The box's label leads to it, and the box answers that label for its name.
    auto& label = Control<QLabel>(*form_, "Label7");
    QCOMPARE(label.buddy(), &Control(*form_, "Text6"));
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&Control(*form_, "Text6"));
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Maktab №"));
    QVERIFY(box->text(QAccessible::Description).contains(QStringLiteral("raqami")));
    const auto labelledBy = box->relations(QAccessible::Label);
    QVERIFY(!labelledBy.isEmpty());
    QCOMPARE(labelledBy.front().first->object(), &label);
  }

  void theReportIsATableWithHeadings() {
    ReportWindow* report = FinishedReport(*form_, QStringLiteral("Aliyeva Nodira"), QStringLiteral("20"));
    ReportView& view = report->View();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(TableOf(view).rowCount(), kLastWorkRow - kFirstWorkRow + 1);
    QCOMPARE(TableOf(view).columnCount(), col::S - col::C + 1);
    QCOMPARE(TableOf(view).columnDescription(0), QStringLiteral("Sentabr"));
    QCOMPARE(TableOf(view).columnDescription(16), QStringLiteral("Yillik"));
    QCOMPARE(TableOf(view).rowDescription(3), QStringLiteral("Dars soatlari"));
    QCOMPARE(TableOf(view).rowDescription(2), QStringLiteral("1. O'quv tarbiya jarayoni"));

    // A cell is named by its month and kind of work; its text and value are what the report
    // shows there.
    QAccessibleInterface* lessons = CellOf(view, {8, col::D});
    QCOMPARE(lessons->role(), QAccessible::Cell);
    QCOMPARE(lessons->text(QAccessible::Name), QStringLiteral("Oktabr \u00B7 Dars soatlari"));
    QCOMPARE(lessons->text(QAccessible::Value), Shown(*report, {8, col::D}));
    QVERIFY(!lessons->text(QAccessible::Value).isEmpty());
    QAccessibleTextInterface* asText = lessons->textInterface();
    QVERIFY(asText);
    QCOMPARE(asText->text(0, asText->characterCount()), Shown(*report, {8, col::D}));
    QCOMPARE(CellOf(view, {5, col::S})->text(QAccessible::Value), Shown(*report, {5, col::S}));
    QAccessibleTableCellInterface* asCell = lessons->tableCellInterface();
    QCOMPARE(asCell->columnHeaderCells().front()->text(QAccessible::Name), QStringLiteral("Oktabr"));
    QCOMPARE(asCell->rowHeaderCells().front()->text(QAccessible::Name), QStringLiteral("Dars soatlari"));
    QCOMPARE(table->indexOfChild(lessons), TableOf(view).columnCount() + TableOf(view).rowCount() + 3 * 17 + 1);
    QCOMPARE(table->child(table->indexOfChild(lessons)), lessons);
    QVERIFY(!lessons->state().readOnly);
    QVERIFY(CellOf(view, {5, col::S})->state().readOnly);  // the year total is a sum
    QVERIFY(view.geometry().isValid() && lessons->rect().isValid());
    QCOMPARE(table->childAt(lessons->rect().center().x(), lessons->rect().center().y()), lessons);
  }

  void theCurrentCellIsInFocusAndCorrectionsAreRead() {
    ReportWindow* report = FinishedReport(*form_, QStringLiteral("Aliyeva Nodira"), QStringLiteral("20"));
    ReportView& view = report->View();
    view.SetCurrentCell({8, col::C});
    view.setFocus();
    QVERIFY(QTest::qWaitFor([&view] { return view.hasFocus(); }));
    QTest::keyClick(&view, Qt::Key_Right);  // where each key takes the focus is the next test's
    QVERIFY(!CellOf(view, {8, col::C})->state().focused);
    QVERIFY(CellOf(view, {8, col::D})->tableCellInterface()->isSelected());

    const QString yearBefore = CellOf(view, {5, col::S})->text(QAccessible::Value);
    const QString computed = CellOf(view, {8, col::D})->text(QAccessible::Value);
    QVERIFY(CellOf(view, {8, col::D})->text(QAccessible::Description).isEmpty());
    TypeIntoCell(*report, {8, col::D}, QStringLiteral("99"));
    QCOMPARE(CellOf(view, {8, col::D})->text(QAccessible::Value), QStringLiteral("99"));
    QCOMPARE(CellOf(view, {8, col::D})->textInterface()->text(0, -1), QStringLiteral("99"));
    QVERIFY(CellOf(view, {5, col::S})->text(QAccessible::Value) != yearBefore);
    // What the yellow of a corrected cell tells the eye, its description tells the ear.
    const QString said = CellOf(view, {8, col::D})->text(QAccessible::Description);
    QVERIFY2(said.contains(computed), qPrintable(said));
  }

  // The keys move the current cell, and a screen reader is told of each move as the focus
  // coming to that cell of the table.
  void theFocusFollowsTheKeys() {
    ReportWindow* report = FinishedReport(*form_, QStringLiteral("Aliyeva Nodira"), QStringLiteral("20"));
    ReportView& view = report->View();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    view.SetCurrentCell({10, col::H});
    view.setFocus();
    QVERIFY(QTest::qWaitFor([&view] { return view.hasFocus(); }));
    FocusRecorder recorder(view);
    struct Step {
      Qt::Key key;
      Qt::KeyboardModifiers held;
      report_editing::CellPlace reached;
    };
    const Step steps[] = {
        {Qt::Key_Home, Qt::NoModifier, {10, col::C}},     {Qt::Key_Down, Qt::NoModifier, {11, col::C}},
        {Qt::Key_End, Qt::NoModifier, {11, col::S}},      {Qt::Key_Left, Qt::NoModifier, {11, col::R}},
        {Qt::Key_Home, Qt::ControlModifier, {5, col::C}}, {Qt::Key_Up, Qt::NoModifier, {5, col::C}},
        {Qt::Key_End, Qt::ControlModifier, {20, col::S}}, {Qt::Key_Left, Qt::NoModifier, {20, col::R}},
        {Qt::Key_PageUp, Qt::NoModifier, {5, col::R}},    {Qt::Key_PageDown, Qt::NoModifier, {20, col::R}},
        {Qt::Key_End, Qt::NoModifier, {20, col::S}},
    };
    for (const Step& step : steps) {
      QTest::keyClick(&view, step.key, step.held);
      QCOMPARE(view.CurrentCell(), step.reached);
      QAccessibleInterface* reached = CellOf(view, step.reached);
      QCOMPARE(table->focusChild(), reached);
      QVERIFY(reached->state().focused);
      QCOMPARE(recorder.LastFocusedChild(), table->indexOfChild(reached));
    }
    // Coming back to the report from elsewhere, the reader hears the cell it stands on.
    view.clearFocus();
    recorder.Forget();
    view.setFocus();
    QVERIFY(QTest::qWaitFor([&view] { return view.hasFocus(); }));
    QCOMPARE(recorder.LastFocusedChild(), table->indexOfChild(CellOf(view, {20, col::S})));
  }

  // The clock is a picture; the book a button whose press opens the about view, as a click does.
  void thePicturesAreAPictureAndAButton() {
    QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(&Control(*form_, "pic7"));
    QCOMPARE(clock->role(), QAccessible::Graphic);
    QCOMPARE(clock->text(QAccessible::Name), QString::fromStdString(form_controls::AccessibleName("pic7")));
    QAccessibleInterface* book = QAccessible::queryAccessibleInterface(&Control(*form_, "Image2"));
    QCOMPARE(book->role(), QAccessible::Button);
    QVERIFY(!book->text(QAccessible::Name).isEmpty());
    QAccessibleActionInterface* press = book->actionInterface();
    QVERIFY(press && press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(!Control(*form_, "Frame2").isVisible());
    press->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(Control(*form_, "Frame2").isVisible());
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::AccessibilityTest)
#include "accessibility_test.moc"
