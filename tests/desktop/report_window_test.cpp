// The report window: saving as a workbook and as PDF, printing, zoom, and the question
// before an unsaved report is lost, from its own window or when the program closes.
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "form_driver.h"
#include "form_test_case.h"
#include "report_sheet/report_builder.h"
#include "scripted_person.h"
#include "desktop/main_window.h"
#include "desktop/report_view.h"
#include "desktop/report_window.h"

namespace soatnoma::desktop::testing {

class ReportWindowTest : public FormTestCase {
  Q_OBJECT

  void Prepare() override {
    person_.today = QDate(2025, 1, 1);
    person_.printedFile = InFolder("printed.pdf");
  }

  ReportWindow& RunTeacher(const QString& name) {
    auto& nameBox = Control<QLineEdit>(*form_, "Text3");
    nameBox.setFocus();
    nameBox.selectAll();
    nameBox.insert(name);  // as pasted: the test's keyboard types Latin letters only
    Type(*form_, "Text2", "20");
    Click(*form_, "Command1");
    ReportWindow* report = NewestReport(*form_);
    if (!report) qFatal("the run opened no report");
    return *report;
  }

 private slots:
  // The form makes the report as typed, texts left empty too; its status line says which
  // (the note for each set of empty texts is the report texts' own test).
  void statusLineNamesTheTextsLeftEmpty() {
    for (const QString& school : {QStringLiteral("12"), QStringLiteral(" ")}) {
      Type(*form_, "Text6", school);
      Type(*form_, "Text4", QStringLiteral("fizika"));
      ReportWindow& report = RunTeacher(QStringLiteral("Karimova Dilnoza"));
      const QString note = school.trimmed().isEmpty() ? QStringLiteral("Kiritilmagan: maktab.") : QString();
      const auto& label = Control<QLabel>(report, "emptyTexts");
      QCOMPARE(label.text(), note);
      QCOMPARE(label.isVisibleTo(&report), !note.isEmpty());
      QCOMPARE(report.StatusText().contains(QStringLiteral("Kiritilmagan")), !note.isEmpty());
      QVERIFY(report.StatusText().endsWith(note));
    }
  }

  void faultsAreToldNotFatal() {
    ReportWindow& report = RunTeacher("Karimova Dilnoza");
    person_.savePath = InFolder("no-such-folder/hisobot.xlsx");
    QVERIFY(!report.SaveAsWorkbook());
    QVERIFY(!report.ExportPdf());
    person_.printerWorks = false;
    QVERIFY(!report.Print());

    QCOMPARE(person_.messages.size(), std::size_t{3});
    QVERIFY(person_.messages[0].text.startsWith(QStringLiteral("Hisobotni saqlab bo'lmadi.")));
    QVERIFY(person_.messages[1].text.startsWith(QStringLiteral("PDF faylni yozib bo'lmadi.")));
    QVERIFY(person_.messages[2].text.startsWith(QStringLiteral("Hisobotni chop etib bo'lmadi.")));
    for (const ShownMessage& message : person_.messages) QCOMPARE(message.icon, MessageIcon::Critical);
    QVERIFY(!report.IsSaved());
    QVERIFY(report.isVisible());
  }

  void closingAnUnsavedReportAsks() {
    ReportWindow& report = RunTeacher("Karimova Dilnoza");
    person_.unsavedAnswers = {UnsavedChoice::Cancel, UnsavedChoice::Save, UnsavedChoice::Save};
    QVERIFY(!report.close());
    QCOMPARE(person_.unsavedQuestions.size(), std::size_t{1});
    person_.savePath.clear();  // "Saqlash", then the file dialog is cancelled: stays open
    QVERIFY(!report.close());
    person_.savePath = InFolder("oxiri.xlsx");
    QVERIFY(report.close());
    QCOMPARE(person_.unsavedQuestions.size(), std::size_t{3});
    QCOMPARE(Contents(person_.savePath).left(2), QByteArray("PK"));
  }

  void closingTheProgramAsksForEveryUnsavedReport() {
    RunTeacher("Birinchi");
    RunTeacher("Ikkinchi");
    person_.unsavedAnswers = {UnsavedChoice::Discard, UnsavedChoice::Cancel};
    QVERIFY(!form_->close());
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->OpenReports().size(), std::size_t{1});  // the first was let go, the second kept

    person_.unsavedAnswers = {UnsavedChoice::Discard};
    QVERIFY(form_->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form_->OpenReports().empty());
    QCOMPARE(person_.unsavedQuestions.size(), std::size_t{3});
  }

  void zoomKeepsWithinItsLimits() {
    ReportView& view = RunTeacher("Karimova Dilnoza").View();
    view.SetZoom(1.0);
    const QSize actual = view.size();
    view.ZoomIn();
    QVERIFY(view.width() > actual.width() && view.height() > actual.height());
    for (int i = 0; i < 20; ++i) view.ZoomIn();  // the steps and their limits are the screen view's test
    QCOMPARE(view.Zoom(), screen_view::kMostZoom);
    view.SetZoom(1.0);
    QCOMPARE(view.size(), actual);
    // A4 landscape at its real size on the screen.
    QCOMPARE(qRound(view.PaperRect().width() * 72.0 / view.logicalDpiX()), 842);
    view.FitWidth(700);
    QVERIFY(qAbs(view.width() - 700) <= 1);
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::ReportWindowTest)
#include "report_window_test.moc"
