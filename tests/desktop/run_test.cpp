// The distribution run from the form: the checks and their messages, the report window of
// each run, and the rounding pass on the category's timer, once, on its own run's report.
#include <QCheckBox>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "model/table_csv.h"
#include "form_driver.h"
#include "report_driver.h"
#include "form_test_case.h"
#include "model/distribution.h"
#include "scripted_person.h"
#include "desktop/main_window.h"
#include "desktop/report_view.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop::testing {
namespace {

QString ReferenceTable(const char* file) {
  QFile in(qEnvironmentVariable("SOATNOMA_FIXTURES", QStringLiteral("tests/fixtures")) + "/tables/" + file);
  if (!in.open(QIODevice::ReadOnly)) qFatal("no reference table %s", file);
  return QString::fromUtf8(in.readAll());
}

QString TableOf(const ReportWindow& report) { return QString::fromStdString(TableAsCsv(report.Sheet().Cells())); }

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool Rounded(const ReportWindow& report, const char* timer) { return !Control<QTimer>(report, timer).isActive(); }

}  // namespace

class RunTest : public FormTestCase {
  Q_OBJECT

  void FillTeacher(const QString& weekly, bool leader) {
    Type(*form_, "Text3", "Familiya Ism");
    Type(*form_, "Text6", "5");
    Type(*form_, "Text4", "fizika");
    Type(*form_, "Text2", weekly);
    Control<QCheckBox>(*form_, "Check1").setChecked(leader);
  }

 private slots:
  // Which entries are refused and why is the distribution's own table; here the form keeps
  // what was typed and puts the teacher back in the weekly hours.
  void refusedInputOnlyTellsWhy_data() {
    QTest::addColumn<QString>("weekly");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("weeklyAfter");
    // clang-format off
    QTest::newRow("blanks only") << "   " << "20" << Utf8(messages::kNoWeeklyHours) << "   ";
    QTest::newRow("rate 0") << "20" << "0" << Utf8(messages::kBadRate) << "20";
    // clang-format on
  }
  void refusedInputOnlyTellsWhy() {
    QFETCH(QString, weekly);
    QFETCH(QString, rate);
    QFETCH(QString, message);
    QFETCH(QString, weeklyAfter);
    FillTeacher(weekly, false);
    Type(*form_, "Text1", rate);
    Control(*form_, "Text3").setFocus();
    Click(*form_, "Command1");

    QCOMPARE(person_.messages.size(), std::size_t{1});
    QCOMPARE(person_.messages[0].icon, MessageIcon::Information);
    QCOMPARE(person_.messages[0].text, message);
    QCOMPARE(TextOf(*form_, "Text2"), weeklyAfter);
    QVERIFY(Control(*form_, "Text2").hasFocus());
    QVERIFY(form_->OpenReports().empty());
  }

  void upperRunShowsItsReportThenRoundsIt() {
    person_.today = QDate(2025, 8, 31);
    FillTeacher("20", true);
    Click(*form_, "Command1");

    ReportWindow* report = NewestReport(*form_);
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY(Control<QTimer>(*report, "Timer3").isActive());
    QVERIFY(!report->findChild<QTimer*>(QStringLiteral("Timer4")));
    QCOMPARE(TableOf(*report), ReferenceTable("upper_20_rate20_leader_before.csv"));
    QVERIFY(report->Sheet().Cells().TextAt(22, 1).find("Familiya Ism") != std::string::npos);
    QVERIFY(report->Sheet().Cells().TextAt(2, 1).find("2025/2026") != std::string::npos);

    QTRY_VERIFY_WITH_TIMEOUT(Rounded(*report, "Timer3"), 2000);
    QCOMPARE(TableOf(*report), ReferenceTable("upper_20_rate20_leader.csv"));
    // On screen every cell of hours shows the whole number the sheet now holds.
    for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
      for (int column = col::C; column <= col::S; ++column) {
        const auto value = report->Sheet().Cells().ReadValue(row, column);
        QCOMPARE(Shown(*report, {row, column}), value ? QString::number(*value, 'f', 0) : QString());
      }
    }
  }

  void enterRunsTheChosenCategory() {
    Click(*form_, "Option1");
    FillTeacher("22.5", true);
    QTest::keyClick(&Control(*form_, "Text2"), Qt::Key_Return);

    ReportWindow* report = NewestReport(*form_);
    QVERIFY(report);
    QVERIFY(Control<QTimer>(*report, "Timer4").isActive());
    QVERIFY(!report->findChild<QTimer*>(QStringLiteral("Timer3")));
    QTRY_VERIFY_WITH_TIMEOUT(Rounded(*report, "Timer4"), 2000);
    QCOMPARE(TableOf(*report), ReferenceTable("primary_22p5_rate18_leader.csv"));
  }

  void eachRunRoundsItsOwnReportOnce() {
    // Two runs before either timer has fired: an upper-class teacher, then a primary one.
    FillTeacher("10.5", false);
    Type(*form_, "Text1", "18");
    Click(*form_, "Command1");
    Click(*form_, "Option1");
    FillTeacher("18", true);
    Click(*form_, "Command2");
    // The form has moved on; the first report's pass keeps the first run's entries.
    Type(*form_, "Text2", "24");

    const auto reports = form_->OpenReports();
    QCOMPARE(reports.size(), std::size_t{2});
    QTRY_VERIFY_WITH_TIMEOUT(Rounded(*reports[0], "Timer3") && Rounded(*reports[1], "Timer4"), 2000);
    QCOMPARE(TableOf(*reports[0]), ReferenceTable("upper_10p5_rate18_other.csv"));
    QCOMPARE(TableOf(*reports[1]), ReferenceTable("primary_18_rate18_leader.csv"));
    QVERIFY(reports[0]->isVisible() && reports[1]->isVisible());
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::RunTest)
#include "run_test.moc"
