#pragma once
// The credit line of the about view: on every step one space goes in front of the text, so
// the line drifts to the right; at 200 characters it starts again from the bare text.

#include <QString>

namespace soatnoma::desktop {

// The program's credit, shown drifting in the about view.
QString CreditText();

class CreditLine {
 public:
  static constexpr qsizetype kRestartLength = 200;

  explicit CreditLine(QString text);
  const QString& Caption() const { return caption_; }
  void Step();

 private:
  QString text_;
  QString caption_;
};

}  // namespace soatnoma::desktop
