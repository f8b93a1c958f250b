#include "desktop/credit_line.h"

#include <utility>

namespace soatnoma::desktop {

QString CreditText() {
  return QStringLiteral(
      "Soatnoma - o'qituvchining yillik ish yuklamasini taqsimlash dasturi. Muallif: Soatnoma jamoasi");
}

CreditLine::CreditLine(QString text) : text_(std::move(text)), caption_(text_) {}

void CreditLine::Step() {
  caption_.prepend(QLatin1Char(' '));
  if (caption_.size() == kRestartLength) caption_ = text_;
}

}  // namespace soatnoma::desktop
