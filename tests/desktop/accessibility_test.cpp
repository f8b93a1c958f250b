// The form and the report as a screen reader meets them through Qt's accessibility: every
// control the teacher reaches named by the caption beside it, and the report a table whose
// cells say what they show under the month and the kind of work, the current cell in focus.
#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "form_driver.h"
#include "form_test_case.h"
#include "report_driver.h"
#include "form/control_names.h"
#include "form/form_controls.h"
#include "model/workload_table.h"

namespace soatnoma::ui::testing {
namespace {

QAccessibleTableInterface& TableOf(ReportView& view) {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
  if (!table || !table->tableInterface()) qFatal("the report view is no accessible table");
  return *table->tableInterface();
}

// The accessible cell of a sheet place.
QAccessibleInterface* CellOf(ReportView& view, CellPlace place) {
  return TableOf(view).cellAt(place.row - kFirstWorkRow, place.column - col::C);
}

}  // namespace

class AccessibilityTest : public FormTestCase {
  Q_OBJECT

 private slots:
  void everyControlReachedByTabIsNamedByItsCaption() {
    for (const ControlSpec& spec : FormControls()) {
      if (spec.tabIndex == kNoTabStop || spec.kind == ControlKind::Frame) continue;
      QWidget& control = Control(*form_, std::string(spec.name).c_str());
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
      QVERIFY(accessible);
      const QString name = accessible->text(QAccessible::Name);
      QVERIFY2(!name.isEmpty(), spec.name.data());
      QCOMPARE(name, QString::fromStdString(AccessibleName(spec.name)));
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

    // A cell says what the report shows there, under its heading and its kind of work.
    QAccessibleInterface* lessons = CellOf(view, {8, col::D});
    QCOMPARE(lessons->role(), QAccessible::Cell);
    QCOMPARE(lessons->text(QAccessible::Name), Shown(*report, {8, col::D}));
    QVERIFY(!lessons->text(QAccessible::Name).isEmpty());
    QCOMPARE(lessons->text(QAccessible::Description), QStringLiteral("Oktabr \u00B7 Dars soatlari"));
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
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    view.SetCurrentCell({8, col::C});
    view.setFocus();
    QVERIFY(QTest::qWaitFor([&view] { return view.hasFocus(); }));
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(table->focusChild(), CellOf(view, {8, col::D}));
    QVERIFY(CellOf(view, {8, col::D})->state().focused);
    QVERIFY(!CellOf(view, {8, col::C})->state().focused);
    QVERIFY(CellOf(view, {8, col::D})->tableCellInterface()->isSelected());

    const QString yearBefore = CellOf(view, {5, col::S})->text(QAccessible::Name);
    TypeIntoCell(*report, {8, col::D}, QStringLiteral("99"));
    QCOMPARE(CellOf(view, {8, col::D})->text(QAccessible::Name), QStringLiteral("99"));
    QVERIFY(CellOf(view, {5, col::S})->text(QAccessible::Name) != yearBefore);
  }
};

}  // namespace soatnoma::ui::testing

QTEST_MAIN(soatnoma::ui::testing::AccessibilityTest)
#include "accessibility_test.moc"
