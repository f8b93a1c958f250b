// Typing into the report page: the box stands exactly over the cell being typed into at
// every zoom and scroll position, with the cell's frame in sight; Delete and Backspace
// empty a cell of hours; typing where nothing can be typed says why on the status line.
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QUndoStack>

#include "form_test_case.h"
#include "model/workload_table.h"
#include "report_driver.h"
#include "desktop/cell_marks.h"

namespace soatnoma::desktop::testing {
namespace {

QString StatusMessage(const ReportWindow& report) { return report.statusBar()->currentMessage(); }

enum class Opening { F2, Typing, DoubleClick };

// Opens the cell for typing the way a teacher does.
void OpenCell(ReportView& view, report_editing::CellPlace place, Opening opening) {
  switch (opening) {
    case Opening::F2:
      view.SetCurrentCell(place);
      QTest::keyClick(&view, Qt::Key_F2);
      return;
    case Opening::Typing:
      view.SetCurrentCell(place);
      QTest::keyClick(&view, '7');
      return;
    case Opening::DoubleClick:
      QTest::mouseDClick(&view, Qt::LeftButton, {}, view.CellRect(place).center().toPoint());
      return;
  }
}

// A grid line, however thin and light the zoom draws it; the paper is white.
bool Dark(const QColor& colour) { return colour.lightness() < 230; }

}  // namespace

class ReportTypingTest : public FormTestCase {
  Q_OBJECT

 private slots:
  void theBoxStandsOverTheCellBeingTyped() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    report.resize(640, 420);  // smaller than the page: it scrolls
    ReportView& view = report.View();
    QWidget& viewport = *report.findChild<QScrollArea*>(QStringLiteral("ReportScroll"))->viewport();
    struct Case {
      double zoom;
      report_editing::CellPlace place;
      Opening opening;
    };
    // The first opening of all is the one that once stood at the page's corner; each later
    // one is another cell, so that a box left where it stood before is seen.
    const Case cases[] = {
        {1.0, {14, col::K}, Opening::Typing},      {1.0, kC8, Opening::F2},
        {0.5, {20, col::O}, Opening::DoubleClick}, {0.5, {9, col::E}, Opening::Typing},
        {2.0, {20, col::Q}, Opening::F2},          {2.0, kD8, Opening::DoubleClick},
        {4.0, {18, col::O}, Opening::Typing},      {0.25, {12, col::G}, Opening::F2},
    };
    for (const Case& c : cases) {
      const QString what = QStringLiteral("zoom %1, %2%3").arg(c.zoom).arg(c.place.column).arg(c.place.row);
      view.SetZoom(c.zoom);
      if (c.opening == Opening::DoubleClick) view.SetCurrentCell(c.place);  // scrolled into sight first
      OpenCell(view, c.place, c.opening);
      QVERIFY2(view.IsEditing(), qPrintable(what));
      QCOMPARE(view.CurrentCell(), c.place);
      const QRect box = view.Editor().geometry();
      const QRectF cell = view.CellRect(c.place);
      // Inside the cell's frame, and no more than a line's width and a pixel from it.
      QVERIFY2(cell.contains(QRectF(box)), qPrintable(what));
      QVERIFY2(box.left() - cell.left() <= 2 && cell.right() - (box.left() + box.width()) <= 2, qPrintable(what));
      QVERIFY2(box.top() - cell.top() <= 2 && cell.bottom() - (box.top() + box.height()) <= 2, qPrintable(what));
      // Where the page is scrolled to, the box is in sight.
      const QRect onScreen(view.Editor().mapTo(&viewport, QPoint(0, 0)), box.size());
      QVERIFY2(viewport.rect().contains(onScreen), qPrintable(what));
      // The cell's frame is drawn around the box: dark lines just outside it.
      const QImage page = view.grab().toImage();
      const int middleY = box.center().y();
      const int middleX = box.center().x();
      const auto lineBeside = [&](QPoint step, QPoint edge) {
        return Dark(page.pixelColor(edge + step)) || Dark(page.pixelColor(edge + 2 * step));
      };
      QVERIFY2(lineBeside({-1, 0}, {box.left(), middleY}), qPrintable(what));
      QVERIFY2(lineBeside({0, -1}, {middleX, box.top()}), qPrintable(what));
      QVERIFY2(lineBeside({1, 0}, {box.right(), middleY}), qPrintable(what));
      QVERIFY2(lineBeside({0, 1}, {middleX, box.bottom()}), qPrintable(what));
      QTest::keyClick(&view.Editor(), Qt::Key_Escape);
      QVERIFY(!view.IsEditing());
    }
  }

  void deleteAndBackspaceEmptyACell() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    ReportView& view = report.View();
    const CellGrid computed = report.Sheet().Cells();
    const double c8 = Hours(report, kC8);
    const double d8 = Hours(report, kD8);
    const double year = Hours(report, kS5);
    QVERIFY(c8 > 0 && d8 > 0);

    view.SetCurrentCell(kC8);
    QTest::keyClick(&view, Qt::Key_Delete);
    view.SetCurrentCell(kD8);
    QTest::keyClick(&view, Qt::Key_Backspace);
    QVERIFY(!view.IsEditing());
    for (const report_editing::CellPlace place : {kC8, kD8}) {
      QCOMPARE(report.Sheet().Cells().KindAt(place.row, place.column), CellKind::Empty);
      QCOMPARE(Shown(report, place), QString());
      QVERIFY(report.Corrections().IsCorrected(place));
      QVERIFY(MarkOf(report.Corrections(), place).fill.isValid());
    }
    QCOMPARE(Hours(report, kS5), year - c8 - d8);  // an empty cell counts 0
    QCOMPARE(report.Corrections().CorrectedCells().size(), std::size_t{2});

    report.Undo().undo();
    QCOMPARE(Hours(report, kD8), d8);
    QCOMPARE(report.Sheet().Cells().KindAt(8, col::D), CellKind::Number);
    report.Undo().redo();
    QCOMPARE(report.Sheet().Cells().KindAt(8, col::D), CellKind::Empty);

    // An emptied cell opens empty and takes hours again.
    OpenCell(view, kC8, Opening::F2);
    QCOMPARE(view.Editor().text(), QString());
    QTest::keyClicks(&view.Editor(), "3");
    QTest::keyClick(&view.Editor(), Qt::Key_Return);
    QCOMPARE(Hours(report, kC8), 3.0);
    QVERIFY(report.ResetAll());
    QCOMPARE(report.Sheet().Cells().ReadValue(8, col::D), computed.ReadValue(8, col::D));
    QCOMPARE(Hours(report, kS5), year);
  }

  void typingWhereNothingCanBeTypedSaysWhy() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    ReportView& view = report.View();
    const CellGrid before = report.Sheet().Cells();
    struct Case {
      report_editing::CellPlace place;
      Qt::Key key;
      char typed;  // 0: the key alone
      const char* reason;
    };
    const Case cases[] = {
        {{8, col::F}, Qt::Key_A, 'a', "1-chorak \u00B7 Dars soatlari \u2014 jami: u oylardagi"},  // a quarter
        {{8, col::S}, Qt::Key_Delete, 0, "jami: u oylardagi"},                                    // the year
        {kS5, Qt::Key_F2, 0, "jami: u oylardagi"},                   // the teacher's whole year
        {{7, col::C}, Qt::Key_5, '5', "jami: u bo'limdagi ishlar"},  // a sum of kinds of work
        {{8, col::P}, Qt::Key_Backspace, 0, "soat ajratilmaydi"},    // a month without this work
    };
    for (const Case& c : cases) {
      report.statusBar()->clearMessage();
      view.SetCurrentCell(c.place);
      if (c.typed != 0) {
        QTest::keyClick(&view, c.typed);
      } else {
        QTest::keyClick(&view, c.key);
      }
      QVERIFY(!view.IsEditing());
      QVERIFY2(StatusMessage(report).contains(QString::fromUtf8(c.reason)), qPrintable(StatusMessage(report)));
    }
    // A click on a row's title, then typing.
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.CellRect({8, col::B}).center().toPoint());
    QVERIFY(view.IsOffTable());
    QTest::keyClick(&view, 'x');
    QVERIFY(!view.IsEditing());
    QVERIFY(StatusMessage(report).contains(QStringLiteral("Sarlavha va ramka o'zgartirilmaydi")));
    QVERIFY(report.Sheet().Cells().ReadValue(8, col::B) == before.ReadValue(8, col::B));

    // A letter on a cell of hours opens the box (what is not a number is then refused, as the
    // editing tests check).
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.CellRect(kC8).center().toPoint());
    QVERIFY(!view.IsOffTable());
    QTest::keyClick(&view, 'o');
    QVERIFY(view.IsEditing());
    QCOMPARE(view.Editor().text(), QStringLiteral("o"));
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::ReportTypingTest)
#include "report_typing_test.moc"
