#include "desktop/blinking_arrow.h"

#include <QLabel>
#include <QTimer>

namespace soatnoma::desktop {

BlinkingArrow::BlinkingArrow(QLabel& arrow, std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), arrow_(arrow), lengthenTimer_(new QTimer(this)), shortenTimer_(new QTimer(this)) {
  lengthenTimer_->setObjectName(QStringLiteral("Timer1"));
  shortenTimer_->setObjectName(QStringLiteral("Timer2"));
  lengthenTimer_->setInterval(interval);
  shortenTimer_->setInterval(interval);
  connect(lengthenTimer_, &QTimer::timeout, this, &BlinkingArrow::Lengthen);
  connect(shortenTimer_, &QTimer::timeout, this, &BlinkingArrow::Shorten);
  lengthenTimer_->start();
}

void BlinkingArrow::Lengthen() {
  arrow_.setText(QString::fromLatin1(kLong));
  lengthenTimer_->stop();
  shortenTimer_->start();
}

void BlinkingArrow::Shorten() {
  arrow_.setText(QString::fromLatin1(kShort));
  shortenTimer_->stop();
  lengthenTimer_->start();
}

}  // namespace soatnoma::desktop
