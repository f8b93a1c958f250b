// The staff list in the desktop program: Ctrl+R asks for the school's roster and shows each
// row with its line and status; the ready teachers go into one workbook or one PDF; the
// progress dialog's "To'xtatish" writes nothing and keeps the file that was there; a list
// that cannot be read or has no ready teacher saves nothing.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "form_test_case.h"
#include "report/xlsx_package.h"
#include "ui/roster_dialog.h"

namespace soatnoma::ui::testing {
namespace {

// As a school office saves it: BOM, ";" between fields, CRLF, a quoted name holding ";",
// the Uzbek ʻ, and two rows that must be refused (line 4 and line 5).
constexpr char kStaffList[] =
    "\xEF\xBB\xBFIsm;Maktab;Fan;Toifa;Soat;Stavka;Rahbar\r\n"
    "\"Karimova; Dilnoza\";12;Ona tili;yuqori;24;;ha\r\n"
    "Oʻtkir Toshmatov;12;fizika;boshlangich;22.5;;0\r\n"
    "Noma'lum;7;kimyo;o'rta;20;;\r\n"
    "Stavka Nol;3;musiqa;boshlangich;18;0;\r\n"
    "Aliyev Vali;5;algebra;yuqori;27.5;22;1\r\n";

constexpr char kNoReadyRow[] = "ism,maktab,fan,toifa,soat\nNoma'lum,7,kimyo,o'rta,20\n";

QString Cell(const QTableWidget& rows, int row, int column) { return rows.item(row, column)->text(); }

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPages(const QString& pdf) {
  QProcess tool;
  tool.start(QStringLiteral("pdfinfo"), {pdf});
  tool.waitForFinished(10000);
  const QString info = QString::fromUtf8(tool.readAllStandardOutput());
  for (const QString& line : info.split(QLatin1Char('\n'))) {
    if (line.startsWith(QStringLiteral("Pages:"))) return line.section(QLatin1Char(':'), 1).trimmed().toInt();
  }
  return -1;
}

int WorkbookSheets(const QString& path) {
  std::string detail;
  const auto package = XlsxPackage::Open(path.toStdString(), detail);
  const auto workbook = package ? package->Read("xl/workbook.xml") : std::nullopt;
  return workbook ? static_cast<int>(QString::fromStdString(*workbook).count(QStringLiteral("<sheet "))) : -1;
}

}  // namespace

class RosterDialogTest : public FormTestCase {
  Q_OBJECT

  QTemporaryDir folder_;

  QString Write(const char* name, const char* contents) const {
    const QString path = folder_.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) < 0) qFatal("cannot write %s", name);
    return path;
  }

  // The roster opened from the form with Ctrl+R, as the teacher would.
  RosterDialog* OpenFromForm(const QString& rosterPath) {
    person_.openPath = rosterPath;
    form_->activateWindow();
    QTest::keyClick(form_.get(), Qt::Key_R, Qt::ControlModifier);
    return form_->findChild<RosterDialog*>();
  }

 private slots:
  void rowsShowTheirLineAndStatus() {
    QAction& action = Control<QAction>(*form_, "openRoster");
    QVERIFY(form_->actions().contains(&action));  // in the form's context menu
    QCOMPARE(form_->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(!action.toolTip().isEmpty());

    RosterDialog* dialog = OpenFromForm(Write("xodimlar.csv", kStaffList));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(person_.openRequests.size(), std::size_t{1});
    QVERIFY(person_.openRequests.front().filter.contains(QStringLiteral("*.csv")));
    QVERIFY(dialog->windowTitle().startsWith(QStringLiteral("xodimlar.csv")));

    const auto& rows = Control<QTableWidget>(*dialog, "rosterRows");
    QCOMPARE(rows.rowCount(), 5);
    const QStringList lines = {"2", "3", "4", "5", "6"};
    for (int row = 0; row < rows.rowCount(); ++row) QCOMPARE(Cell(rows, row, 0), lines[row]);
    QCOMPARE(Cell(rows, 0, 1), QStringLiteral("Karimova; Dilnoza"));
    QCOMPARE(Cell(rows, 1, 1), QStringLiteral("Oʻtkir Toshmatov"));
    QCOMPARE(Cell(rows, 0, 4), QStringLiteral("Tayyor"));
    QCOMPARE(Cell(rows, 4, 4), QStringLiteral("Tayyor"));
    QCOMPARE(Cell(rows, 2, 1), QStringLiteral("Noma'lum"));  // a refused row still says whose it is
    QVERIFY(Cell(rows, 2, 4).contains(QStringLiteral("toifa \"o'rta\" noma'lum")));
    QVERIFY(Cell(rows, 3, 4).contains(QStringLiteral("stavka \"0\"")));
    QCOMPARE(Control<QLabel>(*dialog, "rosterSummary").text(),
             QStringLiteral("Tayyor: 3 ta o'qituvchi. Rad etilgan: 2 ta qator."));
    QVERIFY(Control<QPushButton>(*dialog, "saveStaffWorkbook").isEnabled());
  }

  void nothingOpensWithoutAReadableRoster() {
    QVERIFY(!OpenFromForm({}));  // the open dialog cancelled
    QVERIFY(person_.messages.empty());

    QVERIFY(!OpenFromForm(folder_.filePath(QStringLiteral("yo'q.csv"))));
    QCOMPARE(person_.messages.size(), std::size_t{1});
    QCOMPARE(person_.messages.front().icon, MessageIcon::Exclamation);
    QVERIFY(person_.messages.front().text.startsWith(QStringLiteral("Ro'yxat o'qilmadi:")));

    // A list without a single ready teacher is shown, but offers nothing to save.
    RosterDialog* dialog = OpenFromForm(Write("yomon.csv", kNoReadyRow));
    QVERIFY(dialog);
    QCOMPARE(dialog->ReadyCount(), 0);
    QVERIFY(!Control<QPushButton>(*dialog, "saveStaffWorkbook").isEnabled());
    QVERIFY(!Control<QPushButton>(*dialog, "saveStaffPdf").isEnabled());
    dialog->SaveStaff(batch::StaffFileFormat::Xlsx);
    QVERIFY(person_.saveRequests.empty());
  }

  void readyTeachersGoIntoOneWorkbookAndOnePdf() {
    RosterDialog* dialog = OpenFromForm(Write("xodimlar.csv", kStaffList));
    QVERIFY(dialog);

    person_.savePath = folder_.filePath(QStringLiteral("kitob.xlsx"));
    QTest::mouseClick(&Control<QPushButton>(*dialog, "saveStaffWorkbook"), Qt::LeftButton);
    QCOMPARE(person_.saveRequests.size(), std::size_t{1});
    QCOMPARE(person_.saveRequests.back().suggestedPath, folder_.filePath(QStringLiteral("xodimlar.xlsx")));
    QCOMPARE(person_.saveRequests.back().suffix, QStringLiteral("xlsx"));
    QCOMPARE(WorkbookSheets(person_.savePath), 4);  // "Jami" and a sheet for each ready teacher
    QCOMPARE(person_.messages.back().icon, MessageIcon::Information);
    QVERIFY(person_.messages.back().text.startsWith(QStringLiteral("3 ta o'qituvchining hisoboti saqlandi")));

    person_.savePath = folder_.filePath(QStringLiteral("hisobotlar.pdf"));
    QTest::mouseClick(&Control<QPushButton>(*dialog, "saveStaffPdf"), Qt::LeftButton);
    QCOMPARE(person_.saveRequests.back().suffix, QStringLiteral("pdf"));
    QCOMPARE(PdfPages(person_.savePath), 3);
    QVERIFY(person_.messages.back().text.startsWith(QStringLiteral("3 ta o'qituvchining hisoboti saqlandi")));

    // The save dialog cancelled: nothing more is written or said.
    const std::size_t said = person_.messages.size();
    person_.savePath.clear();
    dialog->SaveStaff(batch::StaffFileFormat::Pdf);
    QCOMPARE(person_.messages.size(), said);
  }

  void stoppedExportKeepsTheEarlierFile() {
    RosterDialog* dialog = OpenFromForm(Write("xodimlar.csv", kStaffList));
    QVERIFY(dialog);
    const QTemporaryDir output;
    person_.savePath = output.filePath(QStringLiteral("kitob.xlsx"));
    QFile earlier(person_.savePath);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("avvalgi kitob") > 0);
    earlier.close();

    QString cancelText;
    // Pressed as soon as the progress dialog lets the program take in a click.
    QTimer::singleShot(0, dialog, [dialog, &cancelText] {
      auto* progress = dialog->findChild<QProgressDialog*>(QStringLiteral("staffProgress"));
      if (!progress) qFatal("no progress dialog");
      auto* stop = progress->findChild<QPushButton*>();
      cancelText = stop->text();
      QTest::mouseClick(stop, Qt::LeftButton);
    });
    dialog->SaveStaff(batch::StaffFileFormat::Xlsx);

    QCOMPARE(cancelText, QStringLiteral("To'xtatish"));
    QCOMPARE(person_.messages.back().text, QStringLiteral("To'xtatildi, fayl yozilmadi."));
    QCOMPARE(Contents(person_.savePath), QByteArray("avvalgi kitob"));
    // No unfinished file is left beside it.
    QCOMPARE(QDir(output.path()).entryList(QDir::Files | QDir::Hidden).size(), qsizetype{1});
  }
};

}  // namespace soatnoma::ui::testing

QTEST_MAIN(soatnoma::ui::testing::RosterDialogTest)
#include "roster_dialog_test.moc"
