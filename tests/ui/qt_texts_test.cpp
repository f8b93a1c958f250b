// Qt's own menus and dialogs speak Uzbek once the program's texts are installed: the keys
// of the table must be Qt's very words, or Qt falls back to English.
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "ui/uzbek_qt_texts.h"

namespace soatnoma::ui::testing {
namespace {

QStringList ActionTexts(const QWidget& widget) {
  QStringList texts;
  // Without the shortcut that menus add after a tab.
  for (const QAction* action : widget.findChildren<QAction*>())
    texts << action->text().section(QLatin1Char('\t'), 0, 0);
  return texts;
}

}  // namespace

class QtTextsTest : public QObject {
  Q_OBJECT

  UzbekQtTexts texts_;

 private slots:
  void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&texts_)); }

  void textBoxMenuIsUzbek() {
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    const QStringList items = ActionTexts(*menu);
    QVERIFY(items.contains(QStringLiteral("&Nusxa olish")));
    QVERIFY(items.contains(QStringLiteral("Hammasini belgilash")));
    QVERIFY(!items.contains(QStringLiteral("&Copy")));
  }

  void dialogButtonsAreUzbek() {
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Bekor qilish"));
    QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ha"));
  }

  void printPreviewIsUzbek() {
    QPrinter printer;
    QPrintPreviewDialog preview(&printer);
    const QStringList items = ActionTexts(preview);
    QVERIFY(items.contains(QStringLiteral("Chop etish")));
    QVERIFY(items.contains(QStringLiteral("Kattalashtirish")));
    QVERIFY(items.contains(QStringLiteral("Yotiq")));
    QVERIFY(!items.contains(QStringLiteral("Print")));
  }

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

  void fileDialogIsUzbek() {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QVERIFY(ActionTexts(dialog).contains(QStringLiteral("&Yangi papka")));
    QCOMPARE(dialog.labelText(QFileDialog::FileType), QStringLiteral("Fayl turi:"));
  }
};

}  // namespace soatnoma::ui::testing

QTEST_MAIN(soatnoma::ui::testing::QtTextsTest)
#include "qt_texts_test.moc"
