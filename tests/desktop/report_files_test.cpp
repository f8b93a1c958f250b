// A corrected report in files: saved and saved as with its corrections, the title that
// names the file and says whether it is saved, opened again later with the same cells and
// marks, a file this program did not write refused with nothing changed, the question
// before an unsaved correction is lost, and the corrected report in print and PDF.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>

#include "form_test_case.h"
#include "model/workload_table.h"
#include "report_driver.h"

namespace soatnoma::desktop::testing {
namespace {

constexpr report_editing::CellPlace kQ20{20, col::Q};

QString PdfText(const QString& pdf) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  tool.waitForFinished(10000);
  return QString::fromUtf8(tool.readAllStandardOutput());
}

}  // namespace

class ReportFilesTest : public FormTestCase {
  Q_OBJECT

 private slots:
  void savedCorrectionsComeBackWhenTheWorkbookIsOpened() {
    // Every text filled in: the status line of the run says only what the opened one can.
    Type(*form_, "Text6", "12");
    Type(*form_, "Text4", "fizika");
    ReportWindow* report = FinishedReport(*form_, "Karimova Dilnoza", "20");
    const double computedC8 = report->Corrections().ComputedHours(kC8);
    QVERIFY(report->CorrectHours(kC8, computedC8 + 4));
    QVERIFY(report->CorrectHours(kQ20, 0.5));
    QVERIFY(report->windowTitle().contains(QStringLiteral("Karimova Dilnoza")));
    QVERIFY(report->isWindowModified());

    person_.savePath = InFolder("karimova.xlsx");
    QVERIFY(report->Save());  // no file yet: asks where
    QCOMPARE(person_.saveRequests.size(), std::size_t{1});
    QVERIFY(report->windowTitle().startsWith(QStringLiteral("karimova.xlsx")));
    QVERIFY(report->windowTitle().contains(QStringLiteral("Karimova Dilnoza")));  // whose report it is
    QVERIFY(!report->isWindowModified() && report->IsSaved());

    // A later correction is saved into the same file without asking.
    QVERIFY(report->CorrectHours({14, col::K}, 9));
    QVERIFY(report->isWindowModified());
    QVERIFY(report->Save());
    QCOMPARE(person_.saveRequests.size(), std::size_t{1});
    QVERIFY(!report->isWindowModified());
    const CellGrid saved = report->Sheet().Cells();
    const auto corrected = report->Corrections().CorrectedCells();
    const QString status = report->StatusText();
    report->close();
    QVERIFY(person_.unsavedQuestions.empty());

    person_.openPath = InFolder("karimova.xlsx");
    form_->OpenWorkbook();
    ReportWindow* opened = NewestReport(*form_);
    QVERIFY(opened && opened != report);
    QVERIFY(SameCells(saved, opened->Sheet().Cells()));
    QCOMPARE(opened->Corrections().CorrectedCells(), corrected);
    QCOMPARE(opened->Corrections().ComputedHours(kC8), computedC8);
    QCOMPARE(opened->StatusText(), status);
    QVERIFY(opened->IsSaved() && !opened->isWindowModified());
    QVERIFY(opened->windowTitle().startsWith(QStringLiteral("karimova.xlsx")));
    QCOMPARE(opened->Texts().name, std::string("Karimova Dilnoza"));  // read from its signature line
    QCOMPARE(opened->CalendarYear(), 2025);                           // and from its title
    // The corrections can still be taken back, and the file is the one it saves to.
    QVERIFY(opened->ResetAll());
    QVERIFY(opened->Save());
    QCOMPARE(person_.saveRequests.size(), std::size_t{1});

    // The same file again only brings its window forward.
    QVERIFY(form_->OpenWorkbookFile(InFolder("karimova.xlsx")));
    QCOMPARE(form_->OpenReports().size(), std::size_t{1});
    QVERIFY(person_.messages.empty());
  }

  void saveAsKeepsTheOldFileAndNamesTheNewOne() {
    ReportWindow* report = FinishedReport(*form_, "Karimova Dilnoza", "20");
    person_.savePath = InFolder("birinchi.xlsx");
    QVERIFY(report->SaveAsWorkbook());
    const QByteArray first = Contents(InFolder("birinchi.xlsx"));
    QVERIFY(report->CorrectHours(kC8, 1));
    person_.savePath = InFolder("ikkinchi.xlsx");
    QVERIFY(report->SaveAsWorkbook());
    QVERIFY(person_.saveRequests.back().suggestedPath.endsWith(QStringLiteral("/birinchi.xlsx")));
    QCOMPARE(report->FilePath(), InFolder("ikkinchi.xlsx"));
    QVERIFY(report->windowTitle().startsWith(QStringLiteral("ikkinchi.xlsx")));
    QCOMPARE(Contents(InFolder("birinchi.xlsx")), first);
  }

  void workbooksNotOfThisProgramAreRefusedAndNothingChanges() {
    ReportWindow* report = FinishedReport(*form_, "Karimova Dilnoza", "20");
    QVERIFY(report->CorrectHours(kC8, 11));
    const CellGrid before = report->Sheet().Cells();
    WriteContents(InFolder("jadval.xlsx"), "Familiya;Soat\nKarimova;20\n");

    // Refused, named, with the reader's reason (its words are the reader's own test).
    for (const char* file : {"jadval.xlsx", "yoq.xlsx"}) {
      person_.openPath = InFolder(file);
      Control<QAction>(*form_, "openWorkbook").trigger();  // Ctrl+O, or the form's context menu
      QCOMPARE(form_->OpenReports().size(), std::size_t{1});
      QCOMPARE(person_.messages.back().icon, MessageIcon::Exclamation);
      QVERIFY(person_.messages.back().text.contains(QString::fromLatin1(file)));
    }
    QVERIFY(SameCells(before, report->Sheet().Cells()));
    QVERIFY(report->isWindowModified());
    person_.openPath.clear();  // a cancelled dialog: nothing at all
    form_->OpenWorkbook();
    QCOMPARE(person_.messages.size(), std::size_t{2});
  }

  void unsavedCorrectionOfAnOpenedReportIsAskedAbout() {
    ReportWindow* report = FinishedReport(*form_, "Karimova Dilnoza", "20");
    person_.savePath = InFolder("hisobot.xlsx");
    QVERIFY(report->Save());
    report->close();
    QVERIFY(form_->OpenWorkbookFile(InFolder("hisobot.xlsx")));
    ReportWindow* opened = NewestReport(*form_);
    TypeIntoCell(*opened, kC8, "40");
    person_.unsavedAnswers = {UnsavedChoice::Cancel, UnsavedChoice::Save};
    QVERIFY(!opened->close());
    QVERIFY(opened->isVisible());
    // The question names the report: the teacher and the school year.
    QCOMPARE(person_.unsavedQuestions.back(),
             QStringLiteral("\"Karimova Dilnoza %1-%2\" hisoboti saqlanmagan. Uni saqlaysizmi?")
                 .arg(opened->CalendarYear())
                 .arg(opened->CalendarYear() + 1));
    QVERIFY(opened->windowTitle().contains(QStringLiteral("Karimova Dilnoza")));
    QVERIFY(opened->close());  // "Saqlash": into its own file, no dialog
    QCOMPARE(person_.saveRequests.size(), std::size_t{1});
    QVERIFY(form_->OpenWorkbookFile(InFolder("hisobot.xlsx")));
    QCOMPARE(NewestReport(*form_)->Sheet().Cells().ReadNumber(8, col::C), 40.0);
    QCOMPARE(NewestReport(*form_)->Corrections().CorrectedCells(), std::vector<report_editing::CellPlace>{kC8});
  }

  void anEntryBeingTypedIsSavedAndPrinted() {
    ReportWindow* report = FinishedReport(*form_, "Karimova Dilnoza", "20");
    const QString before = [&] {
      person_.savePath = InFolder("oldin.pdf");
      return report->ExportPdf() ? PdfText(person_.savePath) : QString();
    }();
    QVERIFY(before.contains(QStringLiteral("Karimova Dilnoza")) && !before.contains(QStringLiteral("777")));
    const int year = report->CalendarYear();
    QVERIFY(person_.saveRequests.back().suggestedPath.endsWith(
        QStringLiteral("/Karimova Dilnoza %1-%2.pdf").arg(year).arg(year + 1)));
    QVERIFY(!report->IsSaved());  // a PDF is no workbook: the report still asks before closing
    report->View().SetCurrentCell(kC8);
    QTest::keyClick(&report->View(), Qt::Key_F2);
    QTest::keyClicks(&report->View().Editor(), "777");  // no Enter: Ctrl+S while typing
    person_.savePath = InFolder("yozilmoqda.xlsx");
    QVERIFY(report->Save());
    QCOMPARE(report->Sheet().Cells().ReadNumber(8, col::C), 777.0);
    QVERIFY(!report->View().IsEditing());

    person_.printedFile = InFolder("chop.pdf");
    QVERIFY(report->Print());
    person_.savePath = InFolder("hisobot.pdf");
    QVERIFY(report->ExportPdf());
    // The status line says where the PDF went.
    QVERIFY(report->statusBar()->currentMessage().endsWith(QDir::toNativeSeparators(person_.savePath)));
    for (const QString& pdf : {person_.printedFile, person_.savePath}) {
      const QString text = PdfText(pdf);
      QVERIFY2(text.contains(QStringLiteral("777")), qPrintable(pdf));
      QVERIFY(text.contains(QStringLiteral("Karimova Dilnoza")));
    }
    QVERIFY(person_.messages.empty());
  }

  // Asked once for a state of the cells to check, naming them; not again for the same cells,
  // again once one of them changes.
  void cellsToCheckAreAskedAboutOnceBeforeTheReportLeaves() {
    ReportWindow* report = FinishedReport(*form_, "Karimova Dilnoza", "20");
    // Nothing to check: nothing is asked.
    person_.savePath = InFolder("toza.pdf");
    QVERIFY(report->ExportPdf());
    QVERIFY(person_.continueQuestions.empty());

    QVERIFY(report->CorrectHours(kC8, 2.5));          // a fraction
    QVERIFY(report->CorrectHours({14, col::K}, -1));  // a negative
    person_.printedFile = InFolder("tekshir-chop.pdf");
    struct Step {
      const char* doing;
      std::function<bool()> act;
      QString file;
    };
    const Step steps[] = {
        {"chop etasizmi", [&] { return report->Print(); }, person_.printedFile},
        {"PDF ga eksport qilasizmi", [&] { return report->ExportPdf(); }, InFolder("tekshir.pdf")},
        {"saqlaysizmi", [&] { return report->Save(); }, InFolder("tekshir.xlsx")},
        {"saqlaysizmi", [&] { return report->SaveAsWorkbook(); }, InFolder("tekshir.xlsx")},
    };
    for (const Step& step : steps) {
      // "Tekshirishga qaytish": no dialog, nothing written.
      person_.continueQuestions.clear();
      person_.continueAnswers = {false};
      const std::size_t dialogs = person_.saveRequests.size();
      QVERIFY(!step.act());
      QCOMPARE(person_.continueQuestions.size(), std::size_t{1});
      QCOMPARE(person_.saveRequests.size(), dialogs);
      QVERIFY2(!QFile::exists(step.file), step.doing);
      // The question is the one the report's corrections give for what is being done.
      const QString& question = person_.continueQuestions.front();
      QVERIFY(question.contains(QStringLiteral("\u2022 manfiy soat (1 ta): Mart \u00B7 Darsga tayyorgarlik\n")));
      QVERIFY(question.endsWith(QStringLiteral("Baribir %1?").arg(QString::fromUtf8(step.doing))));
    }
    // "Baribir davom etish": asked once for these cells, whatever leaves the program next.
    person_.continueQuestions.clear();
    for (const Step& step : steps) {
      person_.savePath = step.file;
      QVERIFY2(step.act(), step.doing);
      QVERIFY2(QFile::exists(step.file), step.doing);
      if (step.file.endsWith(QStringLiteral(".xlsx"))) QVERIFY(QFile::remove(step.file));
    }
    QCOMPARE(person_.continueQuestions.size(), std::size_t{1});
    // The fraction changed: asked again (which changes ask again is the cells to check's own
    // test; what the status line names of them, the corrections').
    QVERIFY(report->CorrectHours(kC8, 3));
    person_.savePath = InFolder("yana.pdf");
    QVERIFY(report->ExportPdf());
    QCOMPARE(person_.continueQuestions.size(), std::size_t{2});
    // Closing an unsaved report with "Saqlash" asks too; "Bekor qilish" keeps it open.
    QVERIFY(report->CorrectHours(kC8, 3.5));
    person_.continueQuestions.clear();
    person_.unsavedAnswers = {UnsavedChoice::Save};
    person_.continueAnswers = {false};
    QVERIFY(!report->close());
    QVERIFY(report->isVisible() && !report->IsSaved());
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::ReportFilesTest)
#include "report_files_test.moc"
