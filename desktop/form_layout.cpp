#include "desktop/form_layout.h"

#include <algorithm>
#include <cmath>

namespace soatnoma::desktop {

int TwipsToPixels(double twips, double logicalDpi) {
  return static_cast<int>(std::lround(twips * logicalDpi / form_controls::kTwipsPerInch));
}

QRect TwipsToPixels(const form_controls::TwipsRect& place, double logicalDpi) {
  const int left = TwipsToPixels(place.left, logicalDpi);
  const int top = TwipsToPixels(place.top, logicalDpi);
  const int right = TwipsToPixels(place.left + place.width, logicalDpi);
  const int bottom = TwipsToPixels(place.top + place.height, logicalDpi);
  return QRect(left, top, right - left, bottom - top);
}

double FormScale(int availableHeight, int formHeight) {
  constexpr double kShareOfScreen = 0.5;
  constexpr double kSteps = 4;
  if (formHeight <= 0) return 1;
  const double scale = std::floor(kShareOfScreen * availableHeight / formHeight * kSteps) / kSteps;
  return std::clamp(scale, 1.0, 2.0);
}

}  // namespace soatnoma::desktop
