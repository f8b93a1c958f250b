#include "desktop/about_view.h"

#include <array>
#include <stdexcept>

#include <QLabel>
#include <QStringList>

#include "desktop/form_control.h"

namespace soatnoma::desktop {
namespace {

// The trailing spaces are part of the text.
constexpr std::array<const char*, 13> kHelpLines = {
    "  Ushbu dasturiy vosita o'qituvchilar tomonidan bir yillik ish ",
    "faoliyati uchun hisoblanadigan pedogogik ish yuklamasini ",
    "taqsimlash uchun yordamlashadi.",
    "  Dastur soatnomani ta'rif bo'yicha belgilangan dars ",
    "stavkasiga 'proportsiya' usulida hisoblaydi. Hisoblash ",
    "natijasida hosil bo'ladigan kasr sonlar yahlitlanadi va butun ",
    "sonli natijalarga erishiladi. Bu, datur, SOATNOMANI ",
    "xatolarsiz hisoblaydi degani emas!              ",
    "  Shu sababdan ham 'ESLATMA'! Soatnoma tayyor ",
    "bo'lgach xatoliklarni aniqlang va ularni bartaraf eting.      ",
    "  Dastur muallifi yuzaga kelishi mumkin bo'lgan xatoliklarga      ",
    "javob bermaydi va xech qanday mas'uliyatni o'z zimmasiga ",
    "olmaydi!",
};

// Hidden while the about view is on: what would show through it or means nothing there.
constexpr std::array<const char*, 4> kHiddenInAbout = {"Command2", "Command3", "pic7", "Text1"};

}  // namespace

QString HelpText() {
  QString text;
  for (const char* line : kHelpLines) text += QString::fromUtf8(line) + QStringLiteral("\r\n");
  return text;
}

AboutView::AboutView(QWidget& form) : form_(form) {}

template <typename Widget>
Widget& AboutView::Control(const char* name) const {
  return FormControl<Widget>(form_, name);
}

void AboutView::Toggle(bool primaryChosen) {
  shown_ = !shown_;
  Control<QLabel>("Label3").setText(
      QString::fromUtf8(shown_ ? about_texts::kHeadingInAbout : about_texts::kHeadingAfterAbout));
  Control("Frame2").setVisible(shown_);
  Control("Frame3").setVisible(shown_);
  for (const char* name : kHiddenInAbout) Control(name).setVisible(!shown_);
  if (!shown_) {
    Control("Command2").setVisible(primaryChosen);
    Control("Command1").setVisible(!primaryChosen);
  }
}

}  // namespace soatnoma::desktop
