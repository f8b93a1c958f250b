// Never losing a report: an unsaved report is copied aside within the interval after a
// change, the copy goes once the report is saved or let go on purpose, a program that ends
// without saving leaves it behind, and the next start offers it back with its corrections.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QFile>
#include <QLabel>
#include <QStatusBar>

#include "form_test_case.h"
#include "model/workload_table.h"
#include "report_files/xlsx_reader.h"
#include "report_driver.h"
#include "desktop/autosave_store.h"
#include "desktop/report_autosave.h"
#include "staff_files/staff_document.h"

namespace soatnoma::desktop::testing {
namespace {

// The hours of a cell in the copy kept aside, or -1 when there is no readable copy.
double CopiedHours(const ReportWindow& report, report_editing::CellPlace place) {
  const workbook_package::OpenOutcome copy = report_files::OpenXlsx(report.Autosave().WorkbookPath().toStdString());
  const auto* opened = std::get_if<workbook_package::OpenedReport>(&copy);
  return opened ? opened->sheet.Cells().ReadNumber(place.row, place.column) : -1;
}

bool Copied(const ReportWindow& report) { return QFile::exists(report.Autosave().WorkbookPath()); }

QString FindLeftoverIdOf(const ReportWindow& report) {
  return QFileInfo(report.Autosave().WorkbookPath()).completeBaseName();
}

// A lock as a program leaves it when it is killed: naming a process that no longer runs.
void LeaveLockOfAnEndedProgram(const QString& folder, const QString& id) {
  QProcess ended;
  ended.start(QStringLiteral("true"), QStringList());
  QVERIFY(ended.waitForStarted(5000));
  const qint64 pid = ended.processId();
  QVERIFY(ended.waitForFinished(5000));
  QFile lock(QDir(folder).filePath(id + QStringLiteral(".lock")));
  QVERIFY(lock.open(QIODevice::WriteOnly));
  lock.write(QByteArray::number(pid) + "\nsoatnoma\n\n");
}

}  // namespace

class AutosaveTest : public FormTestCase {
  Q_OBJECT

  void Prepare() override { person_.timings.autosave = std::chrono::milliseconds(1); }

 private slots:
  void unsavedReportIsCopiedAsideUntilSavedOrLetGo() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    QTRY_VERIFY_WITH_TIMEOUT(Copied(report), 2000);
    QVERIFY(report.Autosave().WorkbookPath().startsWith(person_.autosaveFolder));
    QVERIFY(report.CorrectHours(kC8, 33));
    QTRY_COMPARE_WITH_TIMEOUT(CopiedHours(report, kC8), 33.0, 2000);

    QTemporaryDir files;
    person_.savePath = files.filePath(QStringLiteral("hisobot.xlsx"));
    QVERIFY(report.Save());
    QVERIFY(!Copied(report));
    QVERIFY(!report.Autosave().IsPending());  // a saved report needs no copy
    QVERIFY(report.CorrectHours(kK14, 2));
    QTRY_COMPARE_WITH_TIMEOUT(CopiedHours(report, kK14), 2.0, 2000);

    person_.unsavedAnswers = {UnsavedChoice::Discard};
    const QString copy = report.Autosave().WorkbookPath();
    QVERIFY(report.close());
    QVERIFY(!QFile::exists(copy));
    QVERIFY(FindLeftovers(person_.autosaveFolder).empty());
  }

  void aReportLeftUnsavedIsOfferedBackWithItsCorrections() {
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    const double computed = report.Corrections().ComputedHours(kC8);
    QVERIFY(report.CorrectHours(kC8, computed + 5));
    QTRY_COMPARE_WITH_TIMEOUT(CopiedHours(report, kC8), computed + 5, 2000);
    const CellGrid cells = report.Sheet().Cells();

    // While the report is open, a second program sees nothing left behind.
    {
      ScriptedPerson other;
      other.autosaveFolder = person_.autosaveFolder;
      MainWindow second(other.Services());
      second.OfferRecovery();
      QVERIFY(other.restoreQuestions.empty());
    }

    // The program ends without its reports being closed, as in a crash or a power cut: the
    // copy stays, and so does the lock of the program that no longer runs.
    const QString id = FindLeftoverIdOf(report);
    form_.reset();
    LeaveLockOfAnEndedProgram(person_.autosaveFolder, id);
    person_.restoreAnswers = {RestoreChoice::Later};
    Reopen();
    QTRY_COMPARE_WITH_TIMEOUT(person_.restoreQuestions.size(), std::size_t{1}, 2000);
    QVERIFY(person_.restoreQuestions[0].contains(QStringLiteral("Karimova Dilnoza, 2025/2026 o'quv yili")));
    QVERIFY(person_.restoreQuestions[0].contains(QStringLiteral("14.03.2025 10:12")));
    QVERIFY(form_->OpenReports().empty());

    person_.restoreAnswers = {RestoreChoice::Restore};  // "Keyinroq" left it to be offered again
    form_->OfferRecovery();
    QCOMPARE(person_.restoreQuestions.size(), std::size_t{2});
    QCOMPARE(form_->OpenReports().size(), std::size_t{1});
    ReportWindow& recovered = *form_->OpenReports().front();
    QCOMPARE(recovered.Sheet().Cells().ReadNumber(8, col::C), cells.ReadNumber(8, col::C));
    QCOMPARE(recovered.Sheet().Cells().ReadNumber(5, col::S), cells.ReadNumber(5, col::S));
    QCOMPARE(recovered.Corrections().CorrectedCells(), std::vector<report_editing::CellPlace>{kC8});
    QCOMPARE(recovered.Corrections().ComputedHours(kC8), computed);
    QVERIFY(recovered.isWindowModified());
    QVERIFY(recovered.windowTitle().contains(QStringLiteral("Karimova Dilnoza")));
    // The recovered report keeps its copy until it is saved or let go.
    QCOMPARE(FindLeftovers(person_.autosaveFolder).size(), std::size_t{0});
    QVERIFY(Copied(recovered));
    person_.unsavedAnswers = {UnsavedChoice::Discard};
    QVERIFY(recovered.close());
    QVERIFY(QDir(person_.autosaveFolder).entryList({QStringLiteral("*.xlsx")}, QDir::Files).isEmpty());
  }

  // A teacher's sheet of a staff workbook left unsaved comes back as that sheet of that
  // workbook: saved, it goes back into the staff workbook.
  void aStaffWorkbooksTeacherLeftUnsavedGoesBackIntoItsWorkbook() {
    QTemporaryDir files;
    const QString path = WriteStaffWorkbook(
        "ism;maktab;fan;toifa;soat\nAliyev Vali;12;fizika;yuqori;24\nKarimova Dilnoza;12;kimyo;yuqori;20\n",
        files.filePath(QStringLiteral("xodimlar.xlsx")));
    person_.staffChoices = {1};
    QVERIFY(form_->OpenWorkbookFile(path));
    ReportWindow& report = *NewestReport(*form_);
    const double computed = report.Corrections().ComputedHours(kC8);
    QVERIFY(report.CorrectHours(kC8, computed + 3));
    QTRY_COMPARE_WITH_TIMEOUT(CopiedHours(report, kC8), computed + 3, 2000);

    const QString id = FindLeftoverIdOf(report);
    form_.reset();  // a power cut
    LeaveLockOfAnEndedProgram(person_.autosaveFolder, id);
    person_.restoreAnswers = {RestoreChoice::Restore};
    Reopen();
    QTRY_COMPARE_WITH_TIMEOUT(form_->OpenReports().size(), std::size_t{1}, 2000);
    QVERIFY(person_.restoreQuestions.back().contains(QStringLiteral("(xodimlar.xlsx, \"Karimova Dilnoza\" varag'i)")));
    ReportWindow& recovered = *form_->OpenReports().front();
    QCOMPARE(recovered.StaffSheet(), QStringLiteral("Karimova Dilnoza"));
    QVERIFY(recovered.Save());
    QCOMPARE(person_.saveRequests.size(), std::size_t{0});
    const workbook_package::OpenOutcome saved = staff_files::OpenStaffSheet(path.toStdString(), "Karimova Dilnoza");
    QCOMPARE(std::get<workbook_package::OpenedReport>(saved).sheet.Cells().ReadNumber(8, col::C), computed + 3);
    QVERIFY(!Copied(recovered));
  }

  void leftBehindCopiesCanBeLetGo() {
    FinishedReport(*form_, "Birinchi", "20");
    FinishedReport(*form_, "Ikkinchi", "24");
    QTRY_COMPARE_WITH_TIMEOUT(QDir(person_.autosaveFolder).entryList({QStringLiteral("*.xlsx")}).size(), 2, 2000);
    form_.reset();  // ended without closing its reports
    person_.restoreAnswers = {RestoreChoice::Discard};
    Reopen();
    QTRY_COMPARE_WITH_TIMEOUT(person_.restoreQuestions.size(), std::size_t{1}, 2000);
    QVERIFY(person_.restoreQuestions[0].contains(QStringLiteral("2 ta hisobot")));
    QVERIFY(FindLeftovers(person_.autosaveFolder).empty());
    Reopen();
    QCoreApplication::processEvents();  // the start's offer has been made, if any
    QCOMPARE(person_.restoreQuestions.size(), std::size_t{1});
  }

  void aFolderThatCannotBeWrittenIsToldOnTheStatusLine() {
    QTemporaryDir files;
    const QString notAFolder = WriteContents(files.filePath(QStringLiteral("fayl")), {});
    person_.autosaveFolder = notAFolder + QStringLiteral("/ichida");
    Reopen();
    ReportWindow& report = *FinishedReport(*form_, "Karimova Dilnoza", "20");
    QVERIFY(report.statusBar()->currentMessage().startsWith(QStringLiteral("Nusxasini saqlab bo'lmaydi")));
    QVERIFY(!report.Autosave().WriteNow());
    QVERIFY(report.CorrectHours(kC8, 1));  // the report itself is not held up by it
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::AutosaveTest)
#include "autosave_test.moc"
