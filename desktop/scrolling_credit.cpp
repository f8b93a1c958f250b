#include "desktop/scrolling_credit.h"

#include <QLabel>
#include <QTimer>

namespace soatnoma::desktop {

ScrollingCredit::ScrollingCredit(QLabel& line, std::chrono::milliseconds step, QObject* parent)
    : QObject(parent), line_(line), credit_(CreditText()), timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("Timer5"));
  timer_->setInterval(step);
  connect(timer_, &QTimer::timeout, this, &ScrollingCredit::Step);
  line_.setText(credit_.Caption());
  timer_->start();
}

void ScrollingCredit::Step() {
  credit_.Step();
  line_.setText(credit_.Caption());
}

}  // namespace soatnoma::desktop
