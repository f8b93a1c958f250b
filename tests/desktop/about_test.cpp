// The about view, the terms-of-use message and the decorations: the blinking arrow, the
// drifting credit line and the press effect of the picture.
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "form_driver.h"
#include "form_test_case.h"
#include "scripted_person.h"
#include "desktop/about_view.h"
#include "desktop/credit_line.h"
#include "desktop/main_window.h"
#include "desktop/pressable_picture.h"

namespace soatnoma::desktop::testing {

class AboutTest : public FormTestCase {
  Q_OBJECT

  QString Heading() const { return Control<QLabel>(*form_, "Label3").text(); }
  bool Shows(const char* name) const { return Control(*form_, name).isVisible(); }

 private slots:
  void pictureTogglesTheAboutView() {
    Click(*form_, "Image2");
    QCOMPARE(Heading(), QStringLiteral("Dastur haqida qisqacha!"));
    QVERIFY(Shows("Frame2") && Shows("Frame3") && Shows("Text5") && Shows("Label6"));
    QVERIFY(!Shows("Command2") && !Shows("Command3") && !Shows("pic7") && !Shows("Text1"));
    // The help text lies over the input frame.
    const QWidget* atNameBox = form_->childAt(Control(*form_, "Text3").mapTo(form_.get(), QPoint(5, 5)));
    QVERIFY(Control(*form_, "Text5").isAncestorOf(atNameBox));

    Click(*form_, "Image2");
    QCOMPARE(Heading(), QStringLiteral("Tariv bo'yicha belgilangan dars stavkasi"));
    QVERIFY(!Shows("Frame2") && !Shows("Frame3"));
    QVERIFY(Shows("Command3") && Shows("pic7") && Shows("Text1") && Shows("Command1"));
  }

  void leavingTheAboutViewKeepsTheChosenCategorysRunButton() {
    Click(*form_, "Image2");
    Click(*form_, "Image2");
    QVERIFY(!Shows("Command2"));

    Click(*form_, "Option1");
    Click(*form_, "Image2");
    QVERIFY(!Shows("Command2"));
    Click(*form_, "Image2");
    QVERIFY(Shows("Command2"));
  }

  void everyHelpLineFitsTheBox() {
    Click(*form_, "Image2");
    auto& box = Control<QPlainTextEdit>(*form_, "Text5");
    const QFontMetricsF metrics(box.font());
    const int scrollBar = box.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &box);
    const double room = box.width() - 2 * box.frameWidth() - scrollBar - 2 * box.document()->documentMargin();
    for (const QString& line : HelpText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
      QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= room, qPrintable(line));
    }
  }

  void termsOfUseIsAnEmptyExclamation() {
    Click(*form_, "Command3");
    QCOMPARE(person_.messages.size(), std::size_t{1});
    QCOMPARE(person_.messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(person_.messages[0].text, QStringLiteral("\r"));
  }

  void creditLineRestartsAtTwoHundredCharacters() {
    for (const QString& text : {QStringLiteral("Soatnoma"), CreditText(), QString(199, QLatin1Char('x'))}) {
      CreditLine line(text);
      int steps = 0;
      do {
        line.Step();
        ++steps;
        QVERIFY(line.Caption().endsWith(text));
      } while (line.Caption() != text && steps < 1000);
      QCOMPARE(steps, 200 - text.size());
    }
    QVERIFY(CreditText().contains(QStringLiteral("Soatnoma")));
  }

  void creditLineDriftsOnItsTimer() {
    person_.timings.creditStep = std::chrono::milliseconds(1);
    // The line as the form starts, before its timer can have ticked once.
    form_.reset();
    form_ = std::make_unique<MainWindow>(person_.Services());
    auto& line = Control<QLabel>(*form_, "Label6");
    QCOMPARE(line.text(), CreditText());
    form_->show();
    QTRY_VERIFY_WITH_TIMEOUT(line.text().startsWith(QStringLiteral("   ")), 2000);
    QVERIFY(line.text().endsWith(CreditText()));
  }

  void arrowBlinksOnTwoTimers() {
    // Timers too slow to tick by themselves during the test; each tick is asked for in turn,
    // so a busy machine cannot make the arrow blink between two looks.
    constexpr std::chrono::milliseconds kNever{std::chrono::hours(1)};
    person_.timings.arrowBlink = kNever;
    Reopen();
    auto& arrow = Control<QLabel>(*form_, "Label4");
    auto& lengthen = Control<QTimer>(*form_, "Timer1");
    auto& shorten = Control<QTimer>(*form_, "Timer2");
    QCOMPARE(arrow.text(), QStringLiteral("->"));
    QVERIFY(lengthen.isActive() && !shorten.isActive());
    lengthen.start(0);
    QTRY_COMPARE_WITH_TIMEOUT(arrow.text(), QStringLiteral("--->"), 2000);
    lengthen.setInterval(kNever);
    QVERIFY(!lengthen.isActive() && shorten.isActive());
    shorten.start(0);
    QTRY_COMPARE_WITH_TIMEOUT(arrow.text(), QStringLiteral("->"), 2000);
    QVERIFY(lengthen.isActive() && !shorten.isActive());
  }

  void pictureSinksWhilePressed() {
    auto& picture = Control<PressablePicture>(*form_, "Image2");
    const float top = picture.TopTwips();
    const int y = picture.y();
    QTest::mousePress(&picture, Qt::LeftButton);
    QCOMPARE(picture.TopTwips(), top + 10.0f);
    if (form_->logicalDpiX() == 96) QCOMPARE(picture.y(), y + 1);  // 75 to 85 twips: pixel 5 to 6
    QTest::mouseRelease(&picture, Qt::LeftButton);
    QCOMPARE(picture.TopTwips(), top);
    QCOMPARE(picture.y(), y);
    QVERIFY(Shows("Frame2"));  // the release over the picture was a click

    QTest::mousePress(&picture, Qt::LeftButton);
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(picture.TopTwips(), top);
    QVERIFY(Shows("Frame2"));  // released away from the picture: no click
  }
};

}  // namespace soatnoma::desktop::testing

QTEST_MAIN(soatnoma::desktop::testing::AboutTest)
#include "about_test.moc"
