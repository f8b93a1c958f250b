#include "desktop/picture_accessibility.h"

#include <QAccessibleWidget>

#include "desktop/pressable_picture.h"

namespace soatnoma::desktop {
namespace {

// The book: pressed as a button is, by a screen reader or the program's keys.
class AccessiblePressablePicture : public QAccessibleWidget {
 public:
  explicit AccessiblePressablePicture(PressablePicture* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) static_cast<PressablePicture*>(widget())->Press();
  }
};

QAccessibleInterface* PictureFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(PressablePicture::staticMetaObject.className())) {
    auto* picture = qobject_cast<PressablePicture*>(object);
    return picture ? new AccessiblePressablePicture(picture) : nullptr;
  }
  if (className == QLatin1String(Picture::staticMetaObject.className())) {
    auto* picture = qobject_cast<Picture*>(object);
    return picture ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
  }
  return nullptr;
}

}  // namespace

void InstallPictureAccessibility() {
  // Qt keeps its factories for the program's life; the pictures' is added once.
  static const bool installed = [] {
    QAccessible::installFactory(PictureFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace soatnoma::desktop
