// The staff workbook as a document to come back to: "Ochish" knows a staff workbook the
// program wrote, lists its teachers (sheet, name, yearly total) and opens the one chosen
// as a report; saving it writes the whole workbook back with "Jami" recalculated, and the
// correction is there, marked, when that teacher is opened again.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "batch_test_support.h"
#include "desktop/staff_teacher_choice.h"
#include "form_test_case.h"
#include "model/workload_table.h"
#include "report_driver.h"
#include "report_test_support.h"
#include "staff_files/staff_document.h"

namespace soatnoma::desktop::testing {

class StaffWorkbookTest : public FormTestCase {
  Q_OBJECT

  QString StaffWorkbook() {
    return WriteStaffWorkbook(staff_files::testing::kStaffList, folder_.filePath(QStringLiteral("xodimlar.xlsx")));
  }

 private slots:
  void aTeacherChosenOpensAndIsSavedBackIntoTheWorkbook() {
    const QString path = StaffWorkbook();
    person_.staffChoices = {1};
    QVERIFY(form_->OpenWorkbookFile(path));
    QCOMPARE(person_.staffListsShown.size(), std::size_t{1});
    const std::vector<staff_book::StaffTeacherSheet> listed = person_.staffListsShown.front();
    QCOMPARE(listed.size(), std::size_t{4});
    QCOMPARE(QString::fromStdString(listed[1].teacher), QStringLiteral("Oʻtkir Toshmatov"));
    QVERIFY(person_.messages.empty());  // nothing says the program did not write it

    ReportWindow* report = NewestReport(*form_);
    QVERIFY(report);
    QCOMPARE(report->StaffSheet(), QString::fromStdString(listed[1].sheetName));
    QVERIFY(report->windowTitle().startsWith(QStringLiteral("xodimlar.xlsx [Oʻtkir Toshmatov]")));
    QVERIFY(report->IsSaved());
    QCOMPARE(report->CalendarYear(), 2025);
    const double computed = report->Corrections().ComputedHours(kC8);
    QVERIFY(report->CorrectHours(kC8, computed + 1));
    QVERIFY(!report->IsSaved());
    QVERIFY(report->Save());  // the changed year is asked about, and gone on with
    QVERIFY(report->IsSaved());
    QCOMPARE(report->FilePath(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(person_.saveRequests.size(), std::size_t{0});  // saved where it came from

    // The same teacher again only comes to the front; closed and opened anew, the correction
    // is marked (the workbook's totals and notes after it are the staff document's own test).
    person_.staffChoices = {1};
    QVERIFY(form_->OpenWorkbookFile(path));
    QCOMPARE(form_->OpenReports().size(), std::size_t{1});
    QVERIFY(report->close());
    person_.staffChoices = {1};
    QVERIFY(form_->OpenWorkbookFile(path));
    ReportWindow* reopened = NewestReport(*form_);
    QVERIFY(reopened && reopened != report);
    QCOMPARE(reopened->Corrections().CorrectedCells(), std::vector<report_editing::CellPlace>{kC8});
    QCOMPARE(reopened->Corrections().ComputedHours(kC8), computed);
  }

  void noTeacherChosenOpensNothing() {
    const QString path = StaffWorkbook();
    QVERIFY(!form_->OpenWorkbookFile(path));  // the question closed
    QCOMPARE(person_.staffListsShown.size(), std::size_t{1});
    QVERIFY(form_->OpenReports().empty());
    QVERIFY(person_.messages.empty());
  }

  // "Save as" makes the teacher's report a file of its own; the staff workbook stays as it was.
  void saveAsGivesTheTeachersOwnWorkbook() {
    const QString path = StaffWorkbook();
    person_.staffChoices = {0};
    QVERIFY(form_->OpenWorkbookFile(path));
    ReportWindow* report = NewestReport(*form_);
    QVERIFY(report->CorrectHours(kC8, report->Corrections().ComputedHours(kC8) + 2));
    person_.savePath = folder_.filePath(QStringLiteral("bitta.xlsx"));
    QVERIFY(report->SaveAsWorkbook());
    QVERIFY(person_.saveRequests.back().suggestedPath.endsWith(QStringLiteral("Karimova; Dilnoza 2025-2026.xlsx")));
    QVERIFY(report->StaffSheet().isEmpty());
    QCOMPARE(report->FilePath(), person_.savePath);
    const auto listing =
        std::get<staff_files::StaffWorkbookListing>(staff_files::OpenReportOrStaff(path.toStdString()));
    QCOMPARE(listing.teachers[0].annualTotal,
             staff_files::testing::ExpectedReports(2025)[0].Cells().ReadNumber(kFirstWorkRow, col::S));
  }

  // "Save as" onto the staff workbook itself writes the teacher back into it rather than
  // replacing the whole staff with one report.
  void saveAsOntoTheStaffWorkbookWritesTheTeacherBack() {
    const QString path = StaffWorkbook();
    person_.staffChoices = {2};
    QVERIFY(form_->OpenWorkbookFile(path));
    ReportWindow* report = NewestReport(*form_);
    const double computed = report->Corrections().ComputedHours(kC8);
    QVERIFY(report->CorrectHours(kC8, computed + 4));
    person_.savePath = QDir(folder_.path()).filePath(QStringLiteral("./xodimlar.xlsx"));
    QVERIFY(report->SaveAsWorkbook());
    QVERIFY(report->IsSaved());
    QCOMPARE(report->StaffSheet(), QString::fromStdString(staff_files::testing::kSheetNames[3]));
    const auto listing =
        std::get<staff_files::StaffWorkbookListing>(staff_files::OpenReportOrStaff(path.toStdString()));
    QCOMPARE(listing.teachers.size(), std::size_t{4});
    QCOMPARE(listing.teachers[2].annualTotal,
             staff_files::testing::ExpectedReports(2025)[2].Cells().ReadNumber(kFirstWorkRow, col::S) + 4);
  }

  // "PDF..." beside the teachers makes the whole workbook a PDF as it stands, offered beside
  // it and no teacher opened (that a saved correction is on its pages is the workbook PDF's
  // own test).
  void pdfOfTheWholeWorkbookPrintsItAsSaved() {
    const QString path = StaffWorkbook();
    person_.staffChoices = {kStaffWorkbookPdfChoice};
    person_.savePath = folder_.filePath(QStringLiteral("kitob.pdf"));
    QVERIFY(form_->OpenWorkbookFile(path));
    QCOMPARE(person_.saveRequests.back().suggestedPath, folder_.filePath(QStringLiteral("xodimlar.pdf")));
    QVERIFY(form_->OpenReports().empty());  // no teacher opened
    const std::string pdf = person_.savePath.toStdString();
    QCOMPARE(soatnoma::testing::PdfPages(pdf), 5);
    QCOMPARE(person_.messages.back().icon, MessageIcon::Information);
    QVERIFY(person_.messages.back().text.contains(QStringLiteral("4 ta o'qituvchining hisoboti saqlandi")));
  }

  // A row that opens no sheet is shown with its reason and cannot be chosen: the question
  // starts on the first teacher that opens, and a row of a total that is no number says so.
  void theQuestionShowsRowsThatCannotBeOpenedWithTheirReason() {
    const std::vector<staff_book::StaffTeacherSheet> listed = {
        {"", "Ali", 0, "yillik jami o'chirilgan varaqqa ishora qiladi (#REF!)", ""},
        {"Vali", "Vali", 0, "", "\"Jami\" saqlagan yillik jami son emas"},
        {"Gani", "Gani", 1548, "", ""},
    };
    QStringList shown;
    bool firstSelectable = true;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      const auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("staffTeachers"));
      QVERIFY(table);
      for (int row = 0; row < table->rowCount(); ++row) {
        shown << table->item(row, 2)->text() + QStringLiteral(" | ") + table->item(row, 3)->text();
      }
      firstSelectable = table->item(0, 1)->flags().testFlag(Qt::ItemIsSelectable);
      dialog->findChild<QDialogButtonBox*>()->buttons().front()->click();
    });
    QCOMPARE(ChooseStaffTeacher(nullptr, QStringLiteral("x.xlsx"), listed), 1);
    QVERIFY(!firstSelectable);
    QCOMPARE(shown.size(), 3);
    QVERIFY(shown[0].contains(QStringLiteral("#REF!")) && shown[0].contains(QStringLiteral("ochib bo'lmaydi")));
    QVERIFY(shown[1].startsWith(QStringLiteral("\u2014 | ")) && shown[1].contains(QStringLiteral("son emas")));
    QCOMPARE(shown[2], QStringLiteral("1548 | "));
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::StaffWorkbookTest)
#include "staff_workbook_test.moc"
