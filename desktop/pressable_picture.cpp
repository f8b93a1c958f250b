#include "desktop/pressable_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "desktop/form_layout.h"
#include "desktop/picture_accessibility.h"

namespace soatnoma::desktop {

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource) {
  renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
  InstallPictureAccessibility();
}

void Picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_.render(&painter, rect());
}

PressablePicture::PressablePicture(const QString& resource, float topTwips, double logicalDpi, QWidget* parent)
    : Picture(resource, parent), topTwips_(topTwips), logicalDpi_(logicalDpi) {
  setCursor(Qt::PointingHandCursor);
}

void PressablePicture::mousePressEvent(QMouseEvent*) { MoveTop(kPressDepthTwips); }

void PressablePicture::mouseReleaseEvent(QMouseEvent* event) {
  MoveTop(-kPressDepthTwips);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void PressablePicture::MoveTop(float deltaTwips) {
  topTwips_ += deltaTwips;
  move(x(), TwipsToPixels(topTwips_, logicalDpi_));
}

}  // namespace soatnoma::desktop
