#include "report/text_measure.h"

#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace soatnoma {
namespace {

constexpr double kSurfaceDpi = 720;
constexpr double kPixelsPerPoint = kSurfaceDpi / 72.0;
constexpr double kInchesPerMetre = 1 / 0.0254;

}  // namespace

TextMeasure::TextMeasure() : surface_(1, 1, QImage::Format_ARGB32) {
  const int dotsPerMetre = static_cast<int>(kSurfaceDpi * kInchesPerMetre + 0.5);
  surface_.setDotsPerMeterX(dotsPerMetre);
  surface_.setDotsPerMeterY(dotsPerMetre);
}

const MeasuredFont& TextMeasure::Measured(const QFont& font) {
  for (const MeasuredFont& known : fonts_) {
    if (known.font == font) return known;
  }
  const QFontMetricsF metrics(font, &surface_);
  fonts_.push_back({font, metrics, metrics.ascent() / kPixelsPerPoint, metrics.descent() / kPixelsPerPoint,
                    metrics.lineSpacing() / kPixelsPerPoint});
  return fonts_.back();
}

double TextMeasure::Width(const MeasuredFont& font, const QString& text) const {
  const Key key{&font, text, 0};
  if (const auto known = widths_.constFind(key); known != widths_.constEnd()) return *known;
  if (widths_.size() >= kMaxRemembered) widths_.clear();
  const double width = MeasureWidth(font, text);
  widths_.insert(key, width);
  return width;
}

double TextMeasure::MeasureWidth(const MeasuredFont& font, const QString& text) const {
  return font.metrics.horizontalAdvance(text) / kPixelsPerPoint;
}

double TextMeasure::DigitWidth(const MeasuredFont& font) const {
  double widest = 0;
  for (char digit = '0'; digit <= '9'; ++digit) {
    widest = std::max(widest, font.metrics.horizontalAdvance(QChar(digit)));
  }
  return widest / kPixelsPerPoint;
}

std::vector<LineSpan> TextMeasure::Wrap(const MeasuredFont& font, const QString& text, double width) const {
  const Key key{&font, text, width};
  if (const auto known = wraps_.constFind(key); known != wraps_.constEnd()) return *known;
  if (wraps_.size() >= kMaxRemembered) wraps_.clear();
  std::vector<LineSpan> lines = BreakLines(font, text, width);
  wraps_.insert(key, lines);
  return lines;
}

std::vector<LineSpan> TextMeasure::BreakLines(const MeasuredFont& font, const QString& text, double width) const {
  // Most cells hold a short text or a number that needs no breaking at all.
  if (!text.contains(QChar::LineFeed)) {
    const double whole = MeasureWidth(font, text);
    if (whole <= width) return {LineSpan{0, static_cast<int>(text.size()), whole}};
  }
  QTextLayout layout(text, font.font, &surface_);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setUseDesignMetrics(true);
  layout.setTextOption(option);
  std::vector<LineSpan> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(std::max(width, 0.0) * kPixelsPerPoint);
    lines.push_back({line.textStart(), line.textLength(), line.naturalTextWidth() / kPixelsPerPoint});
  }
  layout.endLayout();
  return lines;
}

}  // namespace soatnoma
