#include "desktop/form_layout.h"

#include <cmath>

namespace soatnoma::ui {

int TwipsToPixels(double twips, double logicalDpi) {
  return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

QRect TwipsToPixels(const TwipsRect& place, double logicalDpi) {
  const int left = TwipsToPixels(place.left, logicalDpi);
  const int top = TwipsToPixels(place.top, logicalDpi);
  const int right = TwipsToPixels(place.left + place.width, logicalDpi);
  const int bottom = TwipsToPixels(place.top + place.height, logicalDpi);
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace soatnoma::ui
