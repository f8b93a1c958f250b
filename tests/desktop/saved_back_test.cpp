// Saving back into the file a report was opened from, only while it is still that file: a
// change another program made meanwhile (a cell, another workbook put in its place, other
// bytes of the same size and time) is never written over; the teacher is told, may save
// under another name, and the file stays as the other program left it.
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTemporaryDir>

#include "batch_test_support.h"
#include "corrected_workbook.h"
#include "report_sheet/report_builder.h"
#include "report_editing/report_corrections.h"
#include "form_test_case.h"
#include "model/workload_table.h"
#include "report_driver.h"
#include "report_files/xlsx_reader.h"
#include "report_files/xlsx_writer.h"
#include "staff_files/staff_document.h"

namespace soatnoma::desktop::testing {
namespace {

report_sheet::ReportSheet Report(std::string weekly) {
  roster_rules::RosterTeacher teacher;
  teacher.name = "Karimova Dilnoza";
  teacher.weeklyHours = std::move(weekly);
  teacher.rate = "20";
  return std::get<report_sheet::ReportSheet>(report_sheet::BuildReport(staff_book::ReportRequestFor(teacher, 2025)));
}

// Another program's change: the report with D8 set to 55, saved over the file.
void ChangeD8Elsewhere(const QString& path) {
  report_sheet::ReportSheet theirs = Report("24");
  report_editing::ReportCorrections corrections(theirs);
  corrections.SetHours(kD8, 55);
  if (!report_files::SaveXlsxWithNotes(theirs, corrections.Notes(), path.toStdString()).ok)
    qFatal("cannot change the file");
}

}  // namespace

class SavedBackTest : public FormTestCase {
  Q_OBJECT

  // The file opened in a report window (a staff workbook's first teacher) and corrected there.
  ReportWindow* OpenedAndCorrected(const QString& path) {
    person_.staffChoices = {0};
    if (!form_->OpenWorkbookFile(path)) return nullptr;
    ReportWindow* report = NewestReport(*form_);
    return report->CorrectHours(kC8, report->Corrections().ComputedHours(kC8) + 1) ? report : nullptr;
  }

 private slots:
  void aReportChangedByAnotherProgramIsNotWrittenOver() {
    const QString path = InFolder("hisobot.xlsx");
    QVERIFY(report_files::SaveXlsx(Report("24"), path.toStdString()).ok);
    ReportWindow* report = OpenedAndCorrected(path);
    QVERIFY(report);
    ChangeD8Elsewhere(path);
    const QByteArray theirs = Contents(path);

    QVERIFY(!report->Save());  // "Bekor qilish"
    QCOMPARE(person_.elsewhereQuestions.size(), std::size_t{1});
    QVERIFY(person_.elsewhereQuestions.front().startsWith(QStringLiteral("\"hisobot.xlsx\" ochilganidan keyin")));
    QCOMPARE(Contents(path), theirs);
    QVERIFY(!report->IsSaved());

    // "Boshqa nom bilan saqlash...": the report goes where the teacher chooses, theirs stays.
    person_.elsewhereAnswers = {true};
    person_.savePath = InFolder("mening.xlsx");
    QVERIFY(report->Save());
    QCOMPARE(report->FilePath(), person_.savePath);
    QCOMPARE(Contents(path), theirs);
    const workbook_package::OpenedReport mine =
        std::get<workbook_package::OpenedReport>(report_files::OpenXlsx(person_.savePath.toStdString()));
    QCOMPARE(mine.sheet.Cells().ReadNumber(kD8.row, kD8.column), Report("24").Cells().ReadNumber(kD8.row, kD8.column));

    // Saved there, it is saved there again without a word.
    QVERIFY(report->CorrectHours(kC8, 7));
    QVERIFY(report->Save());
    QCOMPARE(person_.elsewhereQuestions.size(), std::size_t{2});
    QVERIFY(report->IsSaved());
  }

  // Other bytes of the same size, given the time the file had: still another file.
  void theSameSizeAndTimeWithOtherBytesIsAnotherFile() {
    const QString path = InFolder("hisobot.xlsx");
    QVERIFY(report_files::SaveXlsx(Report("24"), path.toStdString()).ok);
    const QDateTime time = QFileInfo(path).lastModified();
    ReportWindow* report = OpenedAndCorrected(path);
    QVERIFY(report);
    QByteArray bytes = Contents(path);
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.write(bytes) == bytes.size() && file.flush());
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(QFileInfo(path).lastModified(), time);

    QVERIFY(!report->Save());
    QCOMPARE(person_.elsewhereQuestions.size(), std::size_t{1});
    QCOMPARE(Contents(path), bytes);
  }

  // School 12's workbook opened, school 45's put in its place: school 12's hours never go
  // into school 45's sheet, by Save nor by Save as onto the file.
  void aStaffWorkbookReplacedByAnotherIsNotWrittenInto() {
    const QString path = InFolder("xodimlar.xlsx");
    WriteStaffWorkbook(staff_files::testing::kStaffList, path);
    ReportWindow* report = OpenedAndCorrected(path);
    QVERIFY(report);
    std::string school45(staff_files::testing::kStaffList);
    school45.replace(school45.find(";12;"), 4, ";45;");
    WriteStaffWorkbook(school45, path);
    const QByteArray theirs = Contents(path);

    QVERIFY(!report->Save());
    person_.savePath = path;
    QVERIFY(!report->SaveAsWorkbook());
    QCOMPARE(person_.elsewhereQuestions.size(), std::size_t{2});
    QCOMPARE(Contents(path), theirs);
    QCOMPARE(report->StaffSheet(), QString::fromStdString(staff_files::testing::kSheetNames[1]));
  }

  // The first teacher's sheet pasted as values elsewhere: the report window says so on
  // opening (its sums written back on saving is the staff document's own test).
  void aSheetPastedAsValuesIsSaid() {
    const QString path = InFolder("xodimlar.xlsx");
    WriteStaffWorkbook(staff_files::testing::kStaffList, path);
    QVERIFY(staff_files::testing::PasteAsValues(path.toStdString(), "xl/worksheets/sheet2.xml"));
    person_.staffChoices = {0};
    QVERIFY(form_->OpenWorkbookFile(path));
    QVERIFY(NewestReport(*form_)->statusBar()->currentMessage().contains(QStringLiteral(" ta jami boshqa dasturda")));
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::SavedBackTest)
#include "saved_back_test.moc"
