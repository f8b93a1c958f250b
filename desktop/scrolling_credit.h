#pragma once
// Drives the credit line of the about view: Timer5 moves it one step at every tick, from
// the start of the program to its end (the line is seen only in the about view).

#include <chrono>

#include <QObject>

#include "desktop/credit_line.h"

class QLabel;
class QTimer;

namespace soatnoma::desktop {

class ScrollingCredit : public QObject {
 public:
  ScrollingCredit(QLabel& line, std::chrono::milliseconds step, QObject* parent);
  void Step();

 private:
  QLabel& line_;
  CreditLine credit_;
  QTimer* timer_;
};

}  // namespace soatnoma::desktop
