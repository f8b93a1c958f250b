// The school year is chosen, not guessed: in February 2027 the form's menu names
// 2027/2028 and offers 2026/2027 and 2028/2029 too; the year chosen sets the report's
// title, its file name and the staff workbook's "Jami", is the same choice in the staff
// list window, and comes back at the next start; a workbook opened again keeps the year
// it was made for.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "form_test_case.h"
#include "report_driver.h"
#include "desktop/roster_dialog.h"
#include "report_files/xlsx_package.h"

namespace soatnoma::desktop::testing {
namespace {

QString Title(const ReportWindow& report) {
  return QString::fromStdString(std::string(report.Sheet().Cells().TextAt(2, 1)));
}

QMenu& YearMenu(const MainWindow& form) { return Control<QMenu>(form, "schoolYearMenu"); }

}  // namespace

class SchoolYearTest : public FormTestCase {
  Q_OBJECT

  void Prepare() override {
    person_.today = QDate(2027, 2, 14);
    person_.now = QDateTime(person_.today, QTime(9, 30));
  }

 private slots:
  void theDateGivesTheYearUntilAnotherIsChosen() {
    QMenu& menu = YearMenu(*form_);
    QVERIFY(form_->findChild<QMenuBar*>()->actions().contains(menu.menuAction()));  // in sight, on the menu bar
    QCOMPARE(menu.title().remove(QLatin1Char('&')), QStringLiteral("O'quv yili: 2027/2028"));
    QStringList offered;
    for (const QAction* item : menu.actions()) {
      offered << item->text().remove(QLatin1Char('&')) + (item->isChecked() ? "*" : "");
    }
    QCOMPARE(offered, QStringList({"2026/2027", "2027/2028*", "2028/2029"}));

    ReportWindow* usual = FinishedReport(*form_, QStringLiteral("Karimova Dilnoza"), "20");
    QVERIFY(Title(*usual).contains(QStringLiteral("2027/2028 o'quv yili")));

    Control<QAction>(*form_, "schoolYear2026").trigger();
    QCOMPARE(menu.title().remove(QLatin1Char('&')), QStringLiteral("O'quv yili: 2026/2027"));
    ReportWindow* chosen = FinishedReport(*form_, QStringLiteral("Karimova Dilnoza"), "20");
    QVERIFY(Title(*chosen).contains(QStringLiteral("2026/2027 o'quv yili")));
    QVERIFY(chosen->windowTitle().contains(QStringLiteral("2026/2027")));
    person_.savePath.clear();
    chosen->SaveAsWorkbook();
    QVERIFY(person_.saveRequests.back().suggestedPath.endsWith(QStringLiteral("Karimova Dilnoza 2026-2027.xlsx")));
    QCOMPARE(usual->CalendarYear(), 2027);  // a report made before keeps its year

    // The next start: the choice comes back, and is still the year a workbook saved under
    // another year is opened with.
    person_.savePath = folder_.filePath(QStringLiteral("ikkinchi.xlsx"));
    QVERIFY(usual->SaveAsWorkbook());
    Reopen();
    QCOMPARE(YearMenu(*form_).title().remove(QLatin1Char('&')), QStringLiteral("O'quv yili: 2026/2027"));
    QVERIFY(form_->OpenWorkbookFile(person_.savePath));
    QCOMPARE(NewestReport(*form_)->CalendarYear(), 2027);
    QVERIFY(Title(*NewestReport(*form_)).contains(QStringLiteral("2027/2028 o'quv yili")));
  }

  void theStaffWindowSharesTheChoice() {
    const QString list = WriteContents(folder_.filePath(QStringLiteral("xodimlar.csv")),
                                       "ism;maktab;fan;toifa;soat\nKarimova Dilnoza;12;fizika;yuqori;24\n");
    RosterDialog* dialog = OpenRoster(list);
    QVERIFY(dialog && dialog->ReadyCount() == 1);
    auto& box = Control<QComboBox>(*dialog, "schoolYear");
    QVERIFY(box.isVisible());
    QCOMPARE(box.currentText(), QStringLiteral("2027/2028"));
    QCOMPARE(box.count(), 3);

    box.setCurrentIndex(0);
    emit box.activated(0);  // as the teacher picks it
    QCOMPARE(YearMenu(*form_).title().remove(QLatin1Char('&')), QStringLiteral("O'quv yili: 2026/2027"));
    Control<QAction>(*form_, "schoolYear2028").trigger();
    QCOMPARE(box.currentText(), QStringLiteral("2028/2029"));

    // The staff workbook's summary and the teacher's sheet name the year chosen.
    person_.savePath = folder_.filePath(QStringLiteral("xodimlar.xlsx"));
    dialog->SaveStaff(staff_files::StaffFileFormat::Xlsx);
    std::string detail;
    const auto package = report_files::XlsxPackage::Open(person_.savePath.toStdString(), detail);
    QVERIFY2(package, detail.c_str());
    const auto strings = package->Read("xl/sharedStrings.xml");
    QVERIFY(strings);
    QVERIFY(strings->find("2028/2029 o'quv yili uchun yillik ish yuklamasi") != std::string::npos);
    QVERIFY(strings->find("2028/2029 o'quv yili uchun taxminiy") != std::string::npos);
    QVERIFY(strings->find("2027/2028") == std::string::npos);
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::SchoolYearTest)
#include "school_year_test.moc"
