#include "screen_view/screen_view.h"

#include <algorithm>
#include <cmath>

namespace soatnoma::screen_view {
namespace {

constexpr double kCornerShare = 0.4;
constexpr double kLeastCornerPixels = 4;
constexpr int kLeastEditorFontPixels = 8;

}  // namespace

double HeldZoom(double zoom) {
  if (std::isnan(zoom)) return 1;
  return std::clamp(zoom, kLeastZoom, kMostZoom);
}

double SteppedZoom(double zoom, int steps) {
  for (; steps > 0; --steps) zoom *= kZoomStep;
  for (; steps < 0; ++steps) zoom /= kZoomStep;
  return HeldZoom(zoom);
}

std::string ZoomText(double zoom) { return std::to_string(std::lround(zoom * 100)) + "%"; }

double MarkCornerSize(double cellWidth, double cellHeight, double pixelsPerUnit) {
  return std::max(kLeastCornerPixels / pixelsPerUnit, std::min(cellWidth, cellHeight) * kCornerShare);
}

int EditorFontPixels(double fontPoints, double pixelsPerPoint) {
  return std::max(kLeastEditorFontPixels, static_cast<int>(std::lround(fontPoints * pixelsPerPoint)));
}

}  // namespace soatnoma::screen_view
