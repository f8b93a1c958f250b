// What the program remembers from one start to the next: the form's last entries, and the
// folder each file dialog last used.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>

#include "form_test_case.h"
#include "report_driver.h"

namespace soatnoma::desktop::testing {
namespace {

QString FolderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

}  // namespace

class RememberedTest : public FormTestCase {
  Q_OBJECT

  QTemporaryDir folders_;
  QString Folder(const char* name) const {
    QDir(folders_.path()).mkpath(QString::fromLatin1(name));
    return folders_.filePath(QString::fromLatin1(name));
  }

 private slots:
  void theFormsLastEntriesComeBack() {
    Type(*form_, "Text3", QStringLiteral("Karimova Dilnoza"));
    Type(*form_, "Text6", "45");
    Type(*form_, "Text4", QStringLiteral("Ona tili"));
    const char* days[] = {"Text7", "Text8", "Text9", "Text10", "Text11", "Text12"};
    const QStringList hours = {"4", "3", "", "2,5", "4", "1"};
    for (int i = 0; i < 6; ++i) Type(*form_, days[i], hours[i]);
    Click(*form_, "Option1");
    Click(*form_, "Check1");
    QVERIFY(form_->close());
    Reopen();

    QCOMPARE(TextOf(*form_, "Text3"), QStringLiteral("Karimova Dilnoza"));
    QCOMPARE(TextOf(*form_, "Text6"), QStringLiteral("45"));
    QCOMPARE(TextOf(*form_, "Text4"), QStringLiteral("Ona tili"));
    for (int i = 0; i < 6; ++i) QCOMPARE(TextOf(*form_, days[i]), hours[i]);
    QCOMPARE(TextOf(*form_, "Text2"), QStringLiteral("14.5"));  // the days add up again
    QVERIFY(Control<QRadioButton>(*form_, "Option1").isChecked());
    QCOMPARE(TextOf(*form_, "Text1"), QStringLiteral("18"));
    QVERIFY(Control(*form_, "Command2").isVisible() && !Control(*form_, "Command1").isVisible());
    QVERIFY(Control<QCheckBox>(*form_, "Check1").isChecked());

    // A run keeps the entries too, should the program never be closed as it should.
    Type(*form_, "Text3", QStringLiteral("Aliyev Bobur"));
    Click(*form_, "Option2");
    Click(*form_, "Check1");
    Click(*form_, "Command1");
    Reopen();
    QCOMPARE(TextOf(*form_, "Text3"), QStringLiteral("Aliyev Bobur"));
    QVERIFY(Control<QRadioButton>(*form_, "Option2").isChecked());
    QVERIFY(!Control<QCheckBox>(*form_, "Check1").isChecked());
    QCOMPARE(TextOf(*form_, "Text1"), QStringLiteral("20"));
  }

  void eachFileDialogStartsInTheFolderLastUsedForIt() {
    const QString workbooks = Folder("kitoblar");
    const QString pdfs = Folder("pdf");
    ReportWindow& first = *FinishedReport(*form_, QStringLiteral("Karimova Dilnoza"), "20");
    person_.savePath = QDir(workbooks).filePath(QStringLiteral("birinchi.xlsx"));
    QVERIFY(first.SaveAsWorkbook());
    person_.savePath = QDir(pdfs).filePath(QStringLiteral("birinchi.pdf"));
    QVERIFY(first.ExportPdf());
    person_.openPath.clear();
    form_->OpenWorkbook();  // the first time: the usual folder
    const QString usualFolder = person_.openRequests.back().folder;
    QVERIFY(usualFolder != workbooks);
    person_.openPath = QDir(workbooks).filePath(QStringLiteral("birinchi.xlsx"));
    form_->OpenWorkbook();
    person_.unsavedAnswers.assign(10, UnsavedChoice::Discard);
    for (ReportWindow* report : form_->OpenReports()) report->close();

    // The next start: a new report is offered in each dialog's own folder, under its own name.
    Reopen();
    ReportWindow& second = *FinishedReport(*form_, QStringLiteral("Aliyev Bobur"), "20");
    person_.savePath.clear();
    second.SaveAsWorkbook();
    second.ExportPdf();
    const auto& requests = person_.saveRequests;
    QCOMPARE(FolderOf(requests[requests.size() - 2].suggestedPath), workbooks);
    QVERIFY(requests[requests.size() - 2].suggestedPath.endsWith(
        QStringLiteral("Aliyev Bobur %1-%2.xlsx").arg(second.CalendarYear()).arg(second.CalendarYear() + 1)));
    QCOMPARE(FolderOf(requests.back().suggestedPath), pdfs);
    form_->OpenWorkbook();
    QCOMPARE(person_.openRequests.back().folder, workbooks);

    // A report with a file of its own is saved beside it, wherever the last report went.
    const QString elsewhere = Folder("boshqa");
    QVERIFY(QFile::copy(QDir(workbooks).filePath(QStringLiteral("birinchi.xlsx")),
                        QDir(elsewhere).filePath(QStringLiteral("nusxa.xlsx"))));
    QVERIFY(form_->OpenWorkbookFile(QDir(elsewhere).filePath(QStringLiteral("nusxa.xlsx"))));
    NewestReport(*form_)->SaveAsWorkbook();
    QCOMPARE(FolderOf(person_.saveRequests.back().suggestedPath), elsewhere);

    // A folder removed since is no place to start.
    QVERIFY(QDir(pdfs).removeRecursively());
    second.ExportPdf();
    QVERIFY(FolderOf(person_.saveRequests.back().suggestedPath) != pdfs);
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::RememberedTest)
#include "remembered_test.moc"
