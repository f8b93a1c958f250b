#pragma once
// The arrow in front of the weekly-hours box: two timers hand over to each other, so the
// arrow is long ("--->") for one interval and short ("->") for the next, drawing the eye
// to the box.

#include <chrono>

#include <QObject>

class QLabel;
class QTimer;

namespace soatnoma::desktop {

class BlinkingArrow : public QObject {
 public:
  static constexpr const char* kShort = "->";
  static constexpr const char* kLong = "--->";

  // Timer1 (running from the start) lengthens the arrow, Timer2 shortens it again.
  BlinkingArrow(QLabel& arrow, std::chrono::milliseconds interval, QObject* parent);

  void Lengthen();
  void Shorten();

 private:
  QLabel& arrow_;
  QTimer* lengthenTimer_;
  QTimer* shortenTimer_;
};

}  // namespace soatnoma::desktop
