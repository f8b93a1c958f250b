#pragma once
// A picture of the form drawn from an SVG resource. The clickable one sinks by 10 twips
// while the mouse button is held on it and rises again on release, like a pressed key;
// a release over the picture is a click. A screen reader meets the one as a picture, the
// other as a button.

#include <QSvgRenderer>
#include <QWidget>

namespace soatnoma::desktop {

class Picture : public QWidget {
  Q_OBJECT
 public:
  Picture(const QString& resource, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
};

class PressablePicture : public Picture {
  Q_OBJECT
 public:
  static constexpr float kPressDepthTwips = 10.0f;

  // topTwips: where the picture stands when not pressed; logicalDpi turns twips to pixels.
  PressablePicture(const QString& resource, float topTwips, double logicalDpi, QWidget* parent);
  float TopTwips() const { return topTwips_; }
  // Pressed without the mouse (a screen reader's press): a click.
  void Press() { emit clicked(); }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void MoveTop(float deltaTwips);

  float topTwips_;
  double logicalDpi_;
};

}  // namespace soatnoma::desktop
