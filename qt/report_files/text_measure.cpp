#include "report_files/text_measure.h"

#include <algorithm>

#include "sheet_layout/line_breaking.h"

namespace soatnoma::report_files {
namespace {

constexpr double kSurfaceDpi = 720;
constexpr double kPixelsPerPoint = kSurfaceDpi / 72.0;
constexpr double kInchesPerMetre = 1 / 0.0254;

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

sheet_layout::TextFont FaceOf(const QFont& font) {
  return {font.families().isEmpty() ? font.family().toStdString() : font.families().front().toStdString(),
          font.pointSizeF(), font.bold()};
}

}  // namespace

QFont QtFont(const sheet_layout::TextFont& face) {
  QFont font;
  font.setFamilies({QString::fromStdString(face.family)});
  font.setPointSizeF(face.size);
  font.setBold(face.bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  // Letters stay letters: no "fi" ligatures, so the PDF's text reads back and searches
  // as it was written.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

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

const MeasuredFont& TextMeasure::Measured(const sheet_layout::TextFont& face) {
  for (const auto& [known, font] : faces_) {
    if (known == face) return *font;
  }
  const MeasuredFont& font = Measured(QtFont(face));
  faces_.emplace_back(face, &font);
  return font;
}

double TextMeasure::Width(const MeasuredFont& font, const QString& text) const {
  const Key key{&font, text};
  if (const auto known = widths_.constFind(key); known != widths_.constEnd()) return *known;
  if (widths_.size() >= kMaxRemembered) widths_.clear();
  const double width = font.metrics.horizontalAdvance(text) / kPixelsPerPoint;
  widths_.insert(key, width);
  return width;
}

std::vector<LineSpan> TextMeasure::Wrap(const MeasuredFont& font, const QString& text, double width) {
  const std::string utf8 = text.toStdString();
  std::vector<LineSpan> lines;
  for (const sheet_layout::TextLineSpan& span : sheet_layout::BreakIntoLines(*this, FaceOf(font.font), utf8, width)) {
    const auto start = static_cast<int>(FromUtf8(std::string_view(utf8).substr(0, span.start)).size());
    const auto length = static_cast<int>(FromUtf8(std::string_view(utf8).substr(span.start, span.length)).size());
    lines.push_back({start, length, span.width});
  }
  return lines;
}

sheet_layout::FontMeasures TextMeasure::Measures(const sheet_layout::TextFont& face) {
  const MeasuredFont& font = Measured(face);
  return {font.ascent, font.descent, font.lineSpacing};
}

double TextMeasure::Width(const sheet_layout::TextFont& face, std::string_view text) {
  return Width(Measured(face), FromUtf8(text));
}

double TextMeasure::RightOverhang(const sheet_layout::TextFont& face, std::string_view character) {
  const QString text = FromUtf8(character);
  if (text.isEmpty()) return 0;
  return std::max(0.0, -Measured(face).metrics.rightBearing(text.front())) / kPixelsPerPoint;
}

}  // namespace soatnoma::report_files
