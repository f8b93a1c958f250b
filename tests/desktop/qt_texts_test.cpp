// Qt's own menus and dialogs speak Uzbek once the program's texts are installed: the keys
// of the table must be Qt's very words, or Qt falls back to English.
#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "desktop/uzbek_dates.h"
#include "desktop/uzbek_qt_texts.h"

namespace soatnoma::desktop::testing {
namespace {

QStringList ActionTexts(const QWidget& widget) {
  QStringList texts;
  // Without the shortcut that menus add after a tab.
  for (const QAction* action : widget.findChildren<QAction*>())
    texts << action->text().section(QLatin1Char('\t'), 0, 0);
  return texts;
}

// Texts that stay as Qt writes them: key names, paper sizes as printed on the packs,
// numbers and units, the name of a form no one sees, and Qt's settings.
bool ShownInUzbek(const char* context, const char* source) {
  static const QRegularExpression kept(QStringLiteral(R"(^(Form|%1%|\.\.\.|mm|\d+ \(\dx\d\)|Alt\+\w+)$)"));
  const QByteArray area(context);
  if (!area.startsWith('Q') || area == "QShortcut" || area == "QPageSize" || area == "QGuiApplication") return false;
  return !kept.match(QString::fromUtf8(source)).hasMatch();
}

// Qt's own texts that Qt asked for while the dialogs were built and shown, and that the
// program's table does not give in Uzbek.
class MissedTexts : public UzbekQtTexts {
 public:
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override {
    QString uzbek = UzbekQtTexts::translate(context, sourceText, disambiguation, n);
    if (uzbek.isEmpty() && context && sourceText && ShownInUzbek(context, sourceText)) {
      missed_.insert(QStringLiteral("%1: %2").arg(QString::fromLatin1(context), QString::fromUtf8(sourceText)));
    }
    return uzbek;
  }
  QStringList Missed() const {
    QStringList list(missed_.begin(), missed_.end());
    list.sort();
    return list;
  }
  void Clear() { missed_.clear(); }

 private:
  mutable QSet<QString> missed_;
};

// Shows a dialog and waits until it is on the screen, then draws it whole once: every text
// it asks for while it is built, shown and painted has been asked.
void ShowAndDraw(QWidget& dialog) {
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  dialog.grab();
}

}  // namespace

class QtTextsTest : public QObject {
  Q_OBJECT

  UzbekQtTexts texts_;

 private slots:
  void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&texts_)); }

  void undoAndRedoAreUzbek() {
    QUndoStack stack;
    std::unique_ptr<QAction> undo(stack.createUndoAction(nullptr));
    std::unique_ptr<QAction> redo(stack.createRedoAction(nullptr));
    QCOMPARE(undo->text(), QStringLiteral("Bekor qilish"));
    stack.push(new QUndoCommand(QStringLiteral("C8 (Sentabr): 12 → 10")));
    QCOMPARE(undo->text(), QStringLiteral("Bekor qilish: C8 (Sentabr): 12 → 10"));
    stack.undo();
    QCOMPARE(redo->text(), QStringLiteral("Qaytarish: C8 (Sentabr): 12 → 10"));
  }

  void everyTextOfTheDialogsIsUzbek() {
    MissedTexts missed;
    QVERIFY(QCoreApplication::installTranslator(&missed));
    {
      QLineEdit box;
      std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
      QVERIFY(ActionTexts(*menu).contains(QStringLiteral("&Nusxa olish")));
    }
    {
      QFileDialog dialog;
      dialog.setOption(QFileDialog::DontUseNativeDialog);
      dialog.setViewMode(QFileDialog::Detail);
      ShowAndDraw(dialog);
    }
    {
      QPrinter printer;
      printer.setOutputFormat(QPrinter::PdfFormat);
      QPrintDialog dialog(&printer);
      ShowAndDraw(dialog);
      for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text().startsWith(QStringLiteral("&Sozlamalar"))) button->click();
      }
      dialog.grab();
      // The printer's own properties, where the machine has a printer to choose.
      QWidget& printers = *dialog.findChild<QWidget*>(QStringLiteral("printers"));
      auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"));
      if (properties && properties->isEnabled() && printers.isEnabled()) {
        // Closed as soon as its own event loop runs.
        QTimer::singleShot(0, [] {
          if (QWidget* window = QApplication::activeModalWidget()) window->close();
        });
        properties->click();
      }
    }
    {
      QPrinter printer;
      QPrintPreviewDialog preview(&printer);
      ShowAndDraw(preview);
    }
    {
      QPrinter printer;
      printer.setOutputFormat(QPrinter::PdfFormat);
      QPageSetupDialog setup(&printer);
      ShowAndDraw(setup);
    }
    {
      QMessageBox box(QMessageBox::Warning, QStringLiteral("Soatnoma"), QStringLiteral("?"));
      box.setDetailedText(QStringLiteral("."));
      ShowAndDraw(box);
    }
    QCoreApplication::removeTranslator(&missed);
    QCOMPARE(missed.Missed(), QStringList());
  }

  void fileDatesAndSizesAreUzbek() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("hisobot.xlsx"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("twelve bytes");
    file.flush();
    QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 6), QTime(14, 5)), QFileDevice::FileModificationTime));
    file.close();
    QFileSystemModel files;
    files.setRootPath(folder.path());
    UzbekFileDates dates;
    dates.setSourceModel(&files);
    const QModelIndex name = files.index(path, 0);
    QTRY_COMPARE(dates.mapFromSource(name.siblingAtColumn(3)).data().toString(), QStringLiteral("6-dek 2026, 14:05"));
    QCOMPARE(dates.mapFromSource(name).data().toString(), QStringLiteral("hisobot.xlsx"));
    QCOMPARE(dates.mapFromSource(name.siblingAtColumn(1)).data().toString(), QStringLiteral("12 bayt"));
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::QtTextsTest)
#include "qt_texts_test.moc"
