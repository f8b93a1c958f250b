#pragma once
// The about view: a short help text in place of the input frame and the credit line in
// place of the run buttons. The picture Image2 switches it on and off.

#include <QString>

class QWidget;

namespace soatnoma::desktop {

namespace about_texts {
inline constexpr const char* kHeadingInAbout = "Dastur haqida qisqacha!";
// The heading after the about view has been shown, as the form has always written it.
inline constexpr const char* kHeadingAfterAbout = "Tariv bo'yicha belgilangan dars stavkasi";
}  // namespace about_texts

// The help text of the about view, line by line with CR LF line ends.
QString HelpText();

// Works on the form's controls by their names: Label3, Frame2, Frame3, Command2, Command3,
// pic7 and Text1.
class AboutView {
 public:
  explicit AboutView(QWidget& form);

  bool Shown() const { return shown_; }
  // On leaving, the run button of the chosen category comes back: the primary-class
  // button only when the primary category is chosen.
  void Toggle(bool primaryChosen);

 private:
  template <typename Widget = QWidget>
  Widget& Control(const char* name) const;

  QWidget& form_;
  bool shown_ = false;
};

}  // namespace soatnoma::desktop
