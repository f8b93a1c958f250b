// "Hisob tafsiloti" and "Hisoblangani" in the report window: the panel follows the cell in
// focus and every correction, F1 and the tool tip tell the same, the whole report before
// rounding is one action away and back, and a report opened from a file says it has no story.
#include <QAction>
#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "form_test_case.h"
#include "report_driver.h"
#include "desktop/explanation_panel.h"
#include "explain/cell_explanation.h"
#include "model/workload_table.h"

namespace soatnoma::desktop::testing {
namespace {

// SOATNOMA_SHOTS names a folder to keep a picture of the window in, as a teacher sees it.
void Shot(QWidget& window, const char* name) {
  const QString folder = qEnvironmentVariable("SOATNOMA_SHOTS");
  if (folder.isEmpty()) return;
  window.resize(1280, 800);
  QApplication::processEvents();
  window.grab().save(folder + QStringLiteral("/desktop-%1.png").arg(QString::fromLatin1(name)));
}

}  // namespace

class ExplanationTest : public FormTestCase {
  Q_OBJECT

 private slots:
  void thePanelFollowsTheCellInFocus() {
    ReportWindow* report = FinishedReport(*form_, "Aliyev Vali", "24");
    const ExplanationPanel& panel = report->Explanation();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.accessibleName(), QStringLiteral("Hisob tafsiloti"));
    ReportView& view = report->View();
    view.SetCurrentCell({8, col::C});
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(panel.Cell(), (report_editing::CellPlace{8, col::D}));
    QCOMPARE(panel.CellText(), QStringLiteral("D8 \u00B7 Oktabr \u00B7 Dars soatlari"));
    const QString scaled = QStringLiteral("Haftalik 24 soat \u00D7 me'yor 86 \u00F7 stavka 20 = 103,2\n");
    QVERIFY(panel.LinesText().startsWith(scaled));
    QVERIFY(panel.LinesText().endsWith(QStringLiteral("Yaxlitlangani: ") + Shown(*report, {8, col::D})));

    Shot(*report, "explained");

    // A corrected cell says first what was computed; taken back, it no longer does.
    TypeIntoCell(*report, {8, col::D}, QStringLiteral("100"));
    view.SetCurrentCell({8, col::D});
    QCOMPARE(panel.LinesText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Hisoblangani: 103, tuzatilgan: 100"));
    QVERIFY(report->ResetCell({8, col::D}));
    QVERIFY(panel.LinesText().startsWith(QStringLiteral("Haftalik 24 soat")));
  }

  void f1AndTheToolTipTellTheCellsStory() {
    ReportWindow* report = FinishedReport(*form_, "Aliyev Vali", "24");
    ExplanationPanel& panel = report->Explanation();
    panel.hide();
    ReportView& view = report->View();
    view.SetCurrentCell({14, col::C});
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_F1);
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.Cell(), (report_editing::CellPlace{14, col::C}));
    QVERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(panel.LinesText()));
    QToolTip::hideText();

    // Hovering a cell shows its name and its explanation.
    const QPoint inCell = view.CellRect({8, col::J}).center().toPoint();
    QHelpEvent hover(QEvent::ToolTip, inCell, view.mapToGlobal(inCell));
    QApplication::sendEvent(&view, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("J8 \u00B7 2-chorak \u00B7 Dars soatlari\n")));
    QVERIFY(QToolTip::text().endsWith(QStringLiteral("Jami: 276")));
    QToolTip::hideText();
  }

  void oneActionShowsTheReportBeforeRoundingAndBack() {
    ReportWindow* report = FinishedReport(*form_, "Aliyev Vali", "24");
    QAction& toggle = report->BeforeRoundingAction();
    QVERIFY(toggle.isEnabled() && toggle.isCheckable());
    QVERIFY(!report->ShowsBeforeRounding());
    report->View().SetCurrentCell({8, col::D});
    toggle.trigger();
    QVERIFY(report->ShowsBeforeRounding());
    auto* table = report->findChild<QTableWidget*>(QStringLiteral("beforeRounding"));
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->accessibleName(), QString::fromUtf8("Hisoblangani (yaxlitlashdan oldin)"));
    QCOMPARE(table->rowCount(), kLastWorkRow - kFirstWorkRow + 1);
    QCOMPARE(table->columnCount(), kLastColumn - col::C + 1);
    QCOMPARE(table->item(8 - kFirstWorkRow, col::D - col::C)->text(), QStringLiteral("103,2"));
    QCOMPARE(table->currentRow(), 8 - kFirstWorkRow);
    QCOMPARE(table->verticalHeaderItem(8 - kFirstWorkRow)->text(), QStringLiteral("Dars soatlari"));
    QVERIFY(table->hasFocus());
    Shot(*report, "before-rounding");
    toggle.trigger();
    QVERIFY(!report->ShowsBeforeRounding());
    QVERIFY(report->View().isVisible());
    QCOMPARE(Shown(*report, {8, col::D}), QStringLiteral("103"));
  }

  void aReportOpenedFromAFileSaysItHasNoStory() {
    ReportWindow* report = FinishedReport(*form_, "Aliyev Vali", "24");
    QVERIFY(report->CorrectHours({8, col::D}, 100));
    person_.savePath = folder_.filePath(QStringLiteral("aliyev.xlsx"));
    QVERIFY(report->Save());
    report->close();
    QVERIFY(form_->OpenWorkbookFile(person_.savePath));
    ReportWindow* opened = NewestReport(*form_);
    QVERIFY(opened && opened != report);
    opened->View().SetCurrentCell({8, col::D});
    const QString kNoStory = QString::fromUtf8(explain::kNoStory.data(), explain::kNoStory.size());
    QCOMPARE(opened->Explanation().LinesText(), kNoStory + QStringLiteral("\nHisoblangani: 103, tuzatilgan: 100"));
    QVERIFY(!opened->BeforeRoundingAction().isEnabled());
    QCOMPARE(opened->BeforeRoundingAction().toolTip(), kNoStory);
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::ExplanationTest)
#include "explanation_test.moc"
