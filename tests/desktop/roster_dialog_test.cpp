// The staff list in the desktop program: Ctrl+R asks for the school's roster (CSV, also in
// Windows-1251, or a workbook) and shows each row with its line, school, subject and
// status, the weekly hours and yearly total of a ready one; long reasons wrap; the ready
// teachers go into one workbook or one PDF; the progress dialog's "To'xtatish" writes
// nothing and keeps the file that was there; a list that cannot be read (which ones, a
// named pipe among them, is the command line's test of the same reading) or has no ready
// teacher saves nothing; "Namuna..." saves an example as a workbook or as CSV, whichever its
// name asks for; the list is never written over.
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QTimer>

#include "staff_files/example_roster.h"
#include "roster_rules/roster_csv.h"
#include "roster_rules/roster_overwrite.h"
#include "batch_test_support.h"
#include "corrected_staff_sheet.h"
#include "form_test_case.h"
#include "roster_rules/roster_table.h"
#include "report_files/xlsx_package.h"
#include "report_test_support.h"
#include "desktop/roster_dialog.h"

namespace soatnoma::desktop::testing {
namespace {

// The staff list as a school office saves it: four ready teachers and four rows refused.
const char* const kStaffList = staff_files::testing::kStaffList.data();

constexpr char kNoReadyRow[] = "ism,maktab,fan,toifa,soat\nNoma'lum,7,kimyo,o'rta,20\n";

// Excel's "CSV" on Windows: Windows-1251 ("Каримова Дилноза", "Физика").
constexpr char kWindows1251List[] =
    "ism;maktab;fan;toifa;soat\r\n"
    "\xCA\xE0\xF0\xE8\xEC\xEE\xE2\xE0 \xC4\xE8\xEB\xED\xEE\xE7\xE0;12;\xD4\xE8\xE7\xE8\xEA\xE0;yuqori;24\r\n";

enum Column { kLine, kName, kSchool, kSubject, kWeeklyHours, kAnnualTotal, kStatus };

QString Cell(const QTableWidget& rows, int row, int column) { return rows.item(row, column)->text(); }

int PdfPages(const QString& pdf) { return soatnoma::testing::PdfPages(pdf.toStdString()); }

}  // namespace

class RosterDialogTest : public FormTestCase {
  Q_OBJECT

  QString Write(const char* name, const char* contents) const {
    return WriteContents(folder_.filePath(QString::fromLatin1(name)), contents);
  }

 private slots:
  void rowsShowTheirLineAndStatus() {
    QAction& action = Control<QAction>(*form_, "openRoster");
    QVERIFY(form_->actions().contains(&action));  // in the form's context menu
    QCOMPARE(form_->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(!action.toolTip().isEmpty());

    RosterDialog* dialog = OpenRoster(Write("xodimlar.csv", kStaffList));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(person_.openRequests.size(), std::size_t{1});
    QVERIFY(person_.openRequests.front().filter.contains(QStringLiteral("*.csv")));
    QVERIFY(person_.openRequests.front().filter.contains(QStringLiteral("*.xlsx")));
    QVERIFY(dialog->windowTitle().startsWith(QStringLiteral("xodimlar.csv")));

    // Every row as the staff list's table words it (its own tests say how), in its columns.
    const roster_rules::Roster roster = roster_rules::ReadRoster(kStaffList);
    const auto& rows = Control<QTableWidget>(*dialog, "rosterRows");
    QCOMPARE(rows.rowCount(), 8);
    QCOMPARE(rows.columnCount(), static_cast<int>(roster_rules::kRosterColumnCount));
    for (int row = 0; row < rows.rowCount(); ++row) {
      const auto texts = roster_rules::RosterRowTexts(roster.rows.at(static_cast<std::size_t>(row)));
      for (int column = 0; column < rows.columnCount(); ++column) {
        QCOMPARE(Cell(rows, row, column), QString::fromStdString(texts.at(static_cast<std::size_t>(column))));
      }
    }
    QCOMPARE(Control<QLabel>(*dialog, "rosterSummary").text(),
             QStringLiteral("Tayyor: 4 ta o'qituvchi. Rad etilgan: 4 ta qator."));
    QVERIFY(Control<QPushButton>(*dialog, "saveStaffWorkbook").isEnabled());
  }

  void withoutAReadableRosterTheWindowOffersAnExample() {
    for (const QString& path : {QString(), folder_.filePath(QStringLiteral("yo'q.csv"))}) {
      RosterDialog* empty = OpenRoster(path);  // the open dialog cancelled, or a file not there
      QVERIFY(empty && empty->isVisible());
      QVERIFY(empty->RosterPath().isEmpty());
      QCOMPARE(Control<QTableWidget>(*empty, "rosterRows").rowCount(), 0);
      QVERIFY(Control<QLabel>(*empty, "rosterSummary").text().startsWith(QStringLiteral("Ro'yxat ochilmagan.")));
      QVERIFY(Control<QPushButton>(*empty, "saveExampleRoster").isEnabled());
      QVERIFY(!Control<QPushButton>(*empty, "saveStaffWorkbook").isEnabled());
      QVERIFY(!Control<QPushButton>(*empty, "saveStaffPdf").isEnabled());
      empty->close();
    }
    QCOMPARE(person_.messages.size(), std::size_t{1});
    QCOMPARE(person_.messages.front().icon, MessageIcon::Exclamation);
    QVERIFY(person_.messages.front().text.startsWith(QStringLiteral("Ro'yxat o'qilmadi:")));

    // A list without a single ready teacher is shown, but offers nothing to save.
    RosterDialog* dialog = OpenRoster(Write("yomon.csv", kNoReadyRow));
    QVERIFY(dialog);
    QCOMPARE(dialog->ReadyCount(), 0);
    QVERIFY(!Control<QPushButton>(*dialog, "saveStaffWorkbook").isEnabled());
    QVERIFY(!Control<QPushButton>(*dialog, "saveStaffPdf").isEnabled());
    dialog->SaveStaff(staff_files::StaffFileFormat::Xlsx);
    QVERIFY(person_.saveRequests.empty());
  }

  void readyTeachersGoIntoOneWorkbookAndOnePdf() {
    RosterDialog* dialog = OpenRoster(Write("xodimlar.csv", kStaffList));
    QVERIFY(dialog);

    person_.savePath = folder_.filePath(QStringLiteral("kitob.xlsx"));
    QTest::mouseClick(&Control<QPushButton>(*dialog, "saveStaffWorkbook"), Qt::LeftButton);
    QCOMPARE(person_.saveRequests.size(), std::size_t{1});
    QCOMPARE(person_.saveRequests.back().suggestedPath, folder_.filePath(QStringLiteral("xodimlar hisobotlari.xlsx")));
    QCOMPARE(person_.saveRequests.back().suffix, QStringLiteral("xlsx"));
    QCOMPARE(Contents(person_.savePath).left(2), QByteArray("PK"));  // its sheets are the command line's test
    QCOMPARE(person_.messages.back().icon, MessageIcon::Information);
    QVERIFY(person_.messages.back().text.startsWith(QStringLiteral("4 ta o'qituvchining hisoboti saqlandi")));

    person_.savePath = folder_.filePath(QStringLiteral("hisobotlar.pdf"));
    QTest::mouseClick(&Control<QPushButton>(*dialog, "saveStaffPdf"), Qt::LeftButton);
    QCOMPARE(person_.saveRequests.back().suffix, QStringLiteral("pdf"));
    QCOMPARE(PdfPages(person_.savePath), 5);  // "Jami", then a page for each ready teacher
    QVERIFY(person_.messages.back().text.startsWith(QStringLiteral("4 ta o'qituvchining hisoboti saqlandi")));

    // The save dialog cancelled: nothing more is written or said.
    const std::size_t said = person_.messages.size();
    person_.savePath.clear();
    dialog->SaveStaff(staff_files::StaffFileFormat::Pdf);
    QCOMPARE(person_.messages.size(), said);
  }

  // The list "xodimlar.xlsx" is offered "xodimlar hisobotlari.xlsx" (or .pdf), never its own
  // name; and the list itself chosen in the dialog, or a hard link to it, is refused with the
  // reason before anything is made, the list and its links left as they were.
  void theListItselfIsNeverWrittenOver() {
    const QString list = folder_.filePath(QStringLiteral("xodimlar.xlsx"));
    QVERIFY(staff_files::SaveExampleRoster(list.toStdString(), staff_files::ExampleRosterFormat::Xlsx).ok);
    const QByteArray listBytes = Contents(list);
    RosterDialog* dialog = OpenRoster(list);
    QVERIFY(dialog && dialog->ReadyCount() == 4);
    QCOMPARE(::link(QFile::encodeName(list).constData(),
                    QFile::encodeName(folder_.filePath(QStringLiteral("nusxa.pdf"))).constData()),
             0);
    const QStringList entries = QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    // Every other way of reaching the list (its path written otherwise, a symbolic link) is the
    // command line's test of the same check.
    const QStringList sameFile = {list, folder_.filePath(QStringLiteral("nusxa.pdf"))};
    for (const staff_files::StaffFileFormat format :
         {staff_files::StaffFileFormat::Xlsx, staff_files::StaffFileFormat::Pdf}) {
      for (const QString& chosen : sameFile) {
        person_.savePath = chosen;
        const std::size_t asked = person_.saveRequests.size();
        dialog->SaveStaff(format);
        QCOMPARE(person_.saveRequests.size(), asked + 1);
        QCOMPARE(person_.messages.back().icon, MessageIcon::Critical);
        QCOMPARE(person_.messages.back().text,
                 QString::fromStdString(roster_rules::WritesOverRosterMessage(chosen.toStdString())));
        QVERIFY(!dialog->findChild<QProgressDialog*>(QStringLiteral("staffProgress")));
        QCOMPARE(Contents(list), listBytes);
        QCOMPARE(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), entries);
      }
    }
    // The name offered (which names are offered is the staff book's test) is saved as it is,
    // beside the list.
    person_.savePath = person_.saveRequests.back().suggestedPath;
    QCOMPARE(QFileInfo(person_.savePath).absolutePath(), folder_.path());
    dialog->SaveStaff(staff_files::StaffFileFormat::Pdf);
    QCOMPARE(PdfPages(person_.savePath), 5);  // "Jami", then a page per teacher
    QCOMPARE(Contents(list), listBytes);
  }

  void exampleRosterIsSavedInTheFormItsNameAsksFor() {
    RosterDialog* dialog = OpenRoster({});
    QVERIFY(dialog);
    auto& example = Control<QPushButton>(*dialog, "saveExampleRoster");
    QCOMPARE(example.text().remove(QLatin1Char('&')), QStringLiteral("Namuna..."));
    for (const QString& name : {QStringLiteral("namuna.xlsx"), QStringLiteral("namuna.CSV")}) {
      person_.savePath = folder_.filePath(name);
      QTest::mouseClick(&example, Qt::LeftButton);
      QVERIFY(person_.saveRequests.back().filter.contains(QStringLiteral("*.xlsx")));
      QVERIFY(person_.saveRequests.back().filter.contains(QStringLiteral("*.csv")));
      QCOMPARE(person_.messages.back().icon, MessageIcon::Information);
      QVERIFY(person_.messages.back().text.startsWith(QStringLiteral("Ro'yxat namunasi saqlandi:")));
      // What the name asks for: a workbook, or CSV as Excel saves it (that either opens with
      // every teacher ready is the example's own test).
      QCOMPARE(Contents(person_.savePath).left(3),
               name.endsWith(QStringLiteral("CSV")) ? QByteArray("\xEF\xBB\xBF") : QByteArray("PK\x03"));
    }
    // Next to the list that is open.
    QCOMPARE(QFileInfo(person_.saveRequests.back().suggestedPath).absolutePath(), folder_.path());

    person_.savePath = folder_.filePath(QStringLiteral("yo'q/namuna.xlsx"));
    QTest::mouseClick(&example, Qt::LeftButton);
    QCOMPARE(person_.messages.back().icon, MessageIcon::Critical);
    QVERIFY(person_.messages.back().text.startsWith(QStringLiteral("Ro'yxat namunasi saqlanmadi:")));
  }

  // A list whose headings are not the program's is refused in one message naming the
  // columns expected and the headings found; "Yordam" opens the how-to at the staff list.
  void aListWithoutTheProgramsHeadingsIsRefusedOnceAndHelpIsAtHand() {
    const char* list = "F.I.Sh.;Fani;Soat\nKarimova;fizika;24\nAliyev;kimyo;20\n";
    RosterDialog* dialog = OpenRoster(Write("boshqa.csv", list));
    QVERIFY(dialog);
    QCOMPARE(person_.messages.size(), std::size_t{1});
    QCOMPARE(person_.messages.front().icon, MessageIcon::Exclamation);
    QCOMPARE(person_.messages.front().text,
             QString::fromStdString(roster_rules::ReadRoster(list).headingProblem.value_or("")));
    QCOMPARE(Control<QTableWidget>(*dialog, "rosterRows").rowCount(), 0);

    QTest::mouseClick(&Control<QPushButton>(*dialog, "rosterHelp"), Qt::LeftButton);
    auto* help = dialog->findChild<QDialog*>(QStringLiteral("helpWindow"));
    QVERIFY(help && help->isVisible());
    const QString text = Control<QTextBrowser>(*help, "helpText").toPlainText();
    QVERIFY(text.contains(QStringLiteral("Ro'yxat ustunlari")));
    // The form's "Yordam" menu opens the same how-to.
    Control<QAction>(*form_, "showHelp").trigger();
    auto* fromForm = form_->findChild<QDialog*>(QStringLiteral("helpWindow"), Qt::FindDirectChildrenOnly);
    QVERIFY(fromForm && fromForm->isVisible());
    QCOMPARE(Control<QTextBrowser>(*fromForm, "helpText").toPlainText(), text);
  }

  // The code page is said above the rows of the list read in it, and no longer once a UTF-8
  // list is opened after it.
  void windows1251IsSaidOnlyOfTheListReadInIt() {
    RosterDialog* dialog = OpenRoster(Write("windows.csv", kWindows1251List));
    QVERIFY(dialog);
    QCOMPARE(Cell(Control<QTableWidget>(*dialog, "rosterRows"), 0, kName), QStringLiteral("Каримова Дилноза"));
    QVERIFY(Control<QLabel>(*dialog, "rosterSummary").text().startsWith(QStringLiteral("Fayl Windows-1251")));
    QVERIFY(dialog->OpenRosterFile(Write("xodimlar.csv", kStaffList)));
    QVERIFY(Control<QLabel>(*dialog, "rosterSummary").text().startsWith(QStringLiteral("Tayyor: 4 ta")));
  }

  void longReasonsWrapInsteadOfBeingCut() {
    const QString longCategory =
        QStringLiteral("yuqori sinflar uchun, lekin bu matn juda uzun va ustunga sig'maydi ").repeated(3);
    const QByteArray list = "ism;maktab;fan;toifa;soat\nA;1;f;yuqori;24\nB;1;f;" + longCategory.toUtf8() + ";24\n";
    RosterDialog* dialog = OpenRoster(Write("uzun.csv", list.constData()));
    QVERIFY(dialog);
    dialog->resize(700, 400);
    QApplication::processEvents();
    const auto& rows = Control<QTableWidget>(*dialog, "rosterRows");
    QVERIFY(Cell(rows, 1, kStatus).contains(longCategory));  // the whole reason, not cut
    const QRect cell = rows.visualItemRect(rows.item(1, kStatus));
    const int needed = rows.fontMetrics()
                           .boundingRect(QRect(0, 0, cell.width() - 8, 10000), Qt::TextWordWrap, Cell(rows, 1, kStatus))
                           .height();
    QVERIFY2(needed > 2 * rows.fontMetrics().height(), "the reason is long enough to need lines of its own");
    QVERIFY2(rows.rowHeight(1) >= needed, qPrintable(QStringLiteral("%1 < %2").arg(rows.rowHeight(1)).arg(needed)));
    QVERIFY(rows.rowHeight(0) < needed);
    // The reason's column reaches the table's right edge, also for a list opened after it
    // whose statuses are all short.
    const auto statusReachesTheEdge = [&rows] {
      const QRect status = rows.visualItemRect(rows.item(0, kStatus));
      return status.right() >= rows.viewport()->width() - 2;
    };
    QVERIFY(statusReachesTheEdge());
    QVERIFY(dialog->OpenRosterFile(Write("tayyor.csv", "ism;maktab;fan;toifa;soat\nA;1;f;yuqori;24\n")));
    QApplication::processEvents();
    QVERIFY(statusReachesTheEdge());
  }

  void stoppedExportKeepsTheEarlierFile() {
    RosterDialog* dialog = OpenRoster(Write("xodimlar.csv", kStaffList));
    QVERIFY(dialog);
    const QTemporaryDir output;
    person_.savePath = output.filePath(QStringLiteral("kitob.xlsx"));
    WriteContents(person_.savePath, "avvalgi kitob");

    QString cancelText;
    // Pressed as soon as the progress dialog lets the program take in a click.
    QTimer::singleShot(0, dialog, [dialog, &cancelText] {
      auto* progress = dialog->findChild<QProgressDialog*>(QStringLiteral("staffProgress"));
      if (!progress) qFatal("no progress dialog");
      auto* stop = progress->findChild<QPushButton*>();
      cancelText = stop->text();
      QTest::mouseClick(stop, Qt::LeftButton);
    });
    dialog->SaveStaff(staff_files::StaffFileFormat::Xlsx);

    QCOMPARE(cancelText, QStringLiteral("To'xtatish"));
    QCOMPARE(person_.messages.back().text, QStringLiteral("To'xtatildi, fayl yozilmadi."));
    QCOMPARE(Contents(person_.savePath), QByteArray("avvalgi kitob"));
    // No unfinished file is left beside it.
    QCOMPARE(QDir(output.path()).entryList(QDir::Files | QDir::Hidden).size(), qsizetype{1});
  }

  // The staff workbook made again over itself once teachers were corrected in it: a teacher
  // whose row changed is named first and nothing is written until the deputy director goes
  // on (which corrections stay, and the words naming the others, are the staff book's and
  // the command line's tests).
  void makingTheWorkbookAgainKeepsItsCorrections() {
    RosterDialog* dialog = OpenRoster(Write("xodimlar.csv", kStaffList));
    QVERIFY(dialog);
    const QString book = folder_.filePath(QStringLiteral("kitob.xlsx"));
    person_.savePath = book;
    dialog->SaveStaff(staff_files::StaffFileFormat::Xlsx);
    QVERIFY(staff_files::testing::CorrectStaffSheet(book.toStdString(), "Karimova; Dilnoza", 2));
    QVERIFY(staff_files::testing::CorrectStaffSheet(book.toStdString(), "Karimova; Dilnoza (2)", 1));

    QByteArray changed(kStaffList);
    changed.replace("27.5;22;1", "28;22;1");  // the second Karimova's weekly hours
    QVERIFY(dialog->OpenRosterFile(Write("xodimlar.csv", changed.constData())));
    const QByteArray before = Contents(book);
    person_.carryAnswers = {CarryChoice::OtherName};  // and then the question closed
    dialog->SaveStaff(staff_files::StaffFileFormat::Xlsx);
    QCOMPARE(person_.carryQuestions.size(), std::size_t{2});
    QVERIFY(person_.carryQuestions.front().contains(QStringLiteral("\"Karimova; Dilnoza (2)\" varag'i")));
    QCOMPARE(person_.saveRequests.back().suggestedPath, book);  // asked again from the name chosen
    QCOMPARE(Contents(book), before);

    person_.carryAnswers = {CarryChoice::GoOn};
    dialog->SaveStaff(staff_files::StaffFileFormat::Xlsx);
    QVERIFY(person_.messages.back().text.endsWith(
        QStringLiteral("1 ta o'qituvchining tuzatishlari yangi kitobga ko'chirildi.")));
    QVERIFY(Contents(book) != before);
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::RosterDialogTest)
#include "roster_dialog_test.moc"
