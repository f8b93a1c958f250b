// Correcting a finished report in its window: typed hours with a point or a comma, every
// total following at once, refused entries keeping the teacher in the cell, the marks and
// the checks on the page and the status line, "Hisoblanganga qaytarish", undo and redo.
// Which cells take typing and why not is the typing tests' and the corrections' own.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QUndoStack>

#include "form_test_case.h"
#include "model/workload_table.h"
#include "report_driver.h"
#include "desktop/cell_entry.h"
#include "desktop/cell_marks.h"
#include "report_editing/report_corrections.h"

namespace soatnoma::desktop::testing {
namespace {

constexpr report_editing::CellPlace kF8{8, col::F};

QString StatusOf(const ReportWindow& report) { return report.StatusText(); }

QAction& Action(const ReportWindow& report, const char* name) { return Control<QAction>(report, name); }

}  // namespace

class ReportEditingTest : public FormTestCase {
  Q_OBJECT

 private slots:
  void typedHoursFollowThroughEveryTotal() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    CellGrid expected = report.Sheet().Cells();
    const double yearBefore = Hours(report, kS5);

    TypeIntoCell(report, kC8, "12,5");  // the decimal comma
    expected.SetNumber(8, col::C, 12.5);
    // Simply typing a number starts the entry; the point is taken too.
    report.View().SetCurrentCell(kK14);
    QTest::keyClick(&report.View(), '3');
    QVERIFY(report.View().IsEditing());
    QTest::keyClicks(&report.View().Editor(), ".25");
    QTest::keyClick(&report.View().Editor(), Qt::Key_Enter);
    expected.SetNumber(14, col::K, 3.25);
    QVERIFY(SameCells(expected, report.Sheet().Cells()));
    QCOMPARE(Hours(report, kS5), yearBefore - report.Corrections().ComputedHours(kC8) + 12.5 -
                                     report.Corrections().ComputedHours(kK14) + 3.25);
    // Enter moved on to the cell below; the page shows the new totals at once.
    QCOMPARE(report.View().CurrentCell(), (report_editing::CellPlace{15, col::K}));
    QCOMPARE(Shown(report, kS8), QString::number(Hours(report, kS8), 'f', 0));
    QCOMPARE(Shown(report, kS5), QString::number(Hours(report, kS5), 'f', 0));

    // A double click opens the cell with its hours; typing replaces them.
    report.View().SetCurrentCell(kD8);
    QTest::mouseDClick(&report.View(), Qt::LeftButton, {}, report.View().CellRect(kD8).center().toPoint());
    QVERIFY(report.View().IsEditing());
    QCOMPARE(report.View().Editor().text(), QString::number(Hours(report, kD8)));
    QTest::keyClicks(&report.View().Editor(), "- 1");
    QTest::keyClick(&report.View().Editor(), Qt::Key_Tab);
    QCOMPARE(Hours(report, kD8), -1.0);
    QCOMPARE(report.View().CurrentCell(), (report_editing::CellPlace{8, col::E}));
  }

  void entriesThatAreNoHoursChangeNothing() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    const CellGrid before = report.Sheet().Cells();
    const int steps = report.Undo().count();
    // Which entries are refused and why is the corrections' own table: here no number, and
    // more hours than a cell takes.
    for (const QString& typed : {QStringLiteral("12abc"), QStringLiteral("99999")}) {
      TypeIntoCell(report, kC8, typed);
      QVERIFY2(report.View().IsEditing(), qPrintable(typed));  // the teacher stays in the cell
      QVERIFY2(!report.statusBar()->currentMessage().isEmpty(), qPrintable(typed));
      QTest::keyClick(&report.View().Editor(), Qt::Key_Escape);
      QVERIFY(!report.View().IsEditing());
    }
    QVERIFY(report.statusBar()->currentMessage().contains(QStringLiteral("soat")));
    QVERIFY(SameCells(before, report.Sheet().Cells()));
    QCOMPARE(report.Undo().count(), steps);
  }

  void correctionsAreMarkedCheckedAndTakenBack() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    const report_editing::ReportCorrections& corrections = report.Corrections();
    const double c8 = Hours(report, kC8);
    const double d8 = Hours(report, kD8);
    QVERIFY(corrections.FlaggedCells().empty());
    QVERIFY(StatusOf(report).contains(QStringLiteral("hisoblangani bilan bir xil")));

    // An hour moved from September to October: the year is as computed, nothing to check.
    QVERIFY(report.CorrectHours(kC8, c8 - 1));
    QVERIFY(report.CorrectHours(kD8, d8 + 1));
    QCOMPARE(corrections.CorrectedCells(), (std::vector<report_editing::CellPlace>{kC8, kD8}));
    QVERIFY(MarkOf(corrections, kC8).fill.isValid());
    QVERIFY(MarkOf(corrections, kC8).toolTip.contains(QStringLiteral("Hisoblangan: %1 soat").arg(c8)));
    QVERIFY(!MarkOf(corrections, kF8).fill.isValid());
    QVERIFY(StatusOf(report).contains(QStringLiteral("Tuzatilgan: 2 ta katak")));

    // A fraction, a negative number and a changed year are pointed out, not refused.
    const double year = Hours(report, kS5);
    QVERIFY(report.CorrectHours(kC8, 2.5));
    QVERIFY(report.CorrectHours(kK14, -2));
    QVERIFY(MarkOf(corrections, kS8).redCorner);
    QVERIFY(MarkOf(corrections, kS8).toolTip.contains(QStringLiteral("farq qiladi")));
    QVERIFY(Hours(report, kS5) != year);
    QVERIFY(StatusOf(report).contains(
        QStringLiteral("Yillik jami: %1 soat (hisoblangan: %2, farqi: %3)")
            .arg(HoursText(Hours(report, kS5)), HoursText(year), SignedHoursText(Hours(report, kS5) - year))));
    QVERIFY(StatusOf(report).contains(QStringLiteral("Tekshiring:")));

    // One cell back to what was computed, then the whole report.
    QVERIFY(report.ResetCell(kC8));
    QCOMPARE(Hours(report, kC8), c8);
    QVERIFY(!report.ResetCell(kC8));  // nothing left to take back there
    QVERIFY(report.ResetAll());
    QVERIFY(corrections.CorrectedCells().empty());
    QVERIFY(corrections.FlaggedCells().empty());
    QCOMPARE(Hours(report, kS5), corrections.ComputedYearTotal());
    QVERIFY(!Action(report, "resetAll").isEnabled());
  }

  void undoAndRedoWalkTheCorrections() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    const CellGrid computed = report.Sheet().Cells();
    QVERIFY(report.CorrectHours(kC8, 30));
    QVERIFY(report.CorrectHours(kD8, 31));
    QVERIFY(report.ResetAll());
    const CellGrid corrected = [&] {
      CellGrid grid = computed;
      grid.SetNumber(8, col::C, 30);
      grid.SetNumber(8, col::D, 31);
      return grid;
    }();

    QAction& undo = Action(report, "undo");
    QAction& redo = Action(report, "redo");
    // The tool bar keeps its buttons short and tells the step in their tool tips.
    QAction& undoTool = Action(report, "undoTool");
    QCOMPARE(undoTool.text(), QStringLiteral("Bekor qilish"));
    QCOMPARE(undoTool.toolTip(), undo.text());
    QVERIFY(undo.text().contains(QStringLiteral("Hisoblanganga qaytarish: butun hisobot")));
    undoTool.trigger();  // the whole report's reset, in one step
    QVERIFY(SameCells(corrected, report.Sheet().Cells()));
    QCOMPARE(report.Corrections().CorrectedCells().size(), std::size_t{2});
    undo.trigger();
    undo.trigger();
    QVERIFY(SameCells(computed, report.Sheet().Cells()));
    QVERIFY(!undo.isEnabled() && !undoTool.isEnabled());
    redo.trigger();
    redo.trigger();
    QVERIFY(SameCells(corrected, report.Sheet().Cells()));
    QCOMPARE(Shown(report, kS8), QString::number(Hours(report, kS8), 'f', 0));
    // A new correction after undo drops what could be redone.
    undo.trigger();
    QVERIFY(report.CorrectHours(kK14, 7));
    QVERIFY(!redo.isEnabled());
    QCOMPARE(Hours(report, kD8), computed.ReadNumber(8, col::D));
  }

  void typingWaitsForTheRoundingPass() {
    person_.timings.rounding = std::chrono::hours(1);
    Reopen();
    Type(*form_, "Text2", "20");
    Click(*form_, "Command1");
    ReportWindow& report = *NewestReport(*form_);
    const double fraction = Hours(report, kC8);
    QVERIFY(!report.CorrectHours(kC8, 5));
    report.View().SetCurrentCell(kC8);
    QTest::keyClick(&report.View(), '5');
    QVERIFY(!report.View().IsEditing());
    QCOMPARE(Hours(report, kC8), fraction);

    auto& rounding = Control<QTimer>(report, "Timer3");
    rounding.start(0);
    QTRY_VERIFY_WITH_TIMEOUT(!rounding.isActive(), 2000);
    // Corrections are measured from the rounded report.
    QVERIFY(report.Corrections().CorrectedCells().empty());
    QVERIFY(report.CorrectHours(kC8, 5));
    QCOMPARE(report.Corrections().CorrectedCells(), std::vector<report_editing::CellPlace>{kC8});
  }

  void marksAreDrawnOnTheScreen() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    QVERIFY(report.CorrectHours(kC8, 2.5));
    ReportView& view = report.View();
    view.SetCurrentCell({20, col::K});
    view.SetZoom(1.0);
    const QImage page = view.grab().toImage();
    // A spot inside the cell, clear of its centred digits and of the red corner.
    const auto spot = [&](report_editing::CellPlace place) {
      const QRectF cell = view.CellRect(place);
      return page.pixelColor(QPointF(cell.left() + 3, cell.bottom() - 3).toPoint());
    };
    const auto corner = [&](report_editing::CellPlace place) {
      const QRectF cell = view.CellRect(place);
      return page.pixelColor(QPointF(cell.right() - 2, cell.top() + 2).toPoint());
    };
    QCOMPARE(spot(kC8), mark_colour::kCorrected);
    QCOMPARE(spot(kS8), mark_colour::kYearDiffers);
    QCOMPARE(spot(kD8), QColor(Qt::white));
    QCOMPARE(corner(kC8), mark_colour::kFlagCorner);
    QCOMPARE(corner(kD8), QColor(Qt::white));
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::ReportEditingTest)
#include "report_editing_test.moc"
