#pragma once
// Text measured in points, the same on every device: fonts are laid out on a virtual
// 720 dpi surface without hinting, so no screen or printer rounds the widths. A text once
// measured in a font is remembered: the reports of a whole staff share their headings,
// row titles and most numbers, and one measure serves them all. This is the desktop's
// measure of the sheet layout.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QString>
#include <deque>
#include <utility>
#include <vector>

#include "sheet_layout/text_metrics.h"

namespace soatnoma::report_files {

struct LineSpan {
  int start = 0;
  int length = 0;
  double width = 0;  // points, without trailing blanks
};

// A font with its measures, in points.
struct MeasuredFont {
  QFont font;
  QFontMetricsF metrics;
  double ascent = 0;
  double descent = 0;
  double lineSpacing = 0;
};

// The font of the sheet's family, size and weight, laid out without hinting or shaping.
QFont QtFont(const sheet_layout::TextFont& font);

class TextMeasure : public sheet_layout::TextMetrics {
 public:
  TextMeasure();
  TextMeasure(const TextMeasure&) = delete;
  TextMeasure& operator=(const TextMeasure&) = delete;

  // The font measured once, then taken from the ones already measured.
  const MeasuredFont& Measured(const QFont& font);

  double Width(const MeasuredFont& font, const QString& text) const;
  // Breaks the text into lines no wider than width, at word boundaries where it can.
  std::vector<LineSpan> Wrap(const MeasuredFont& font, const QString& text, double width);

  sheet_layout::FontMeasures Measures(const sheet_layout::TextFont& font) override;
  double Width(const sheet_layout::TextFont& font, std::string_view text) override;
  double RightOverhang(const sheet_layout::TextFont& font, std::string_view character) override;

 private:
  // A text in one of the fonts above.
  struct Key {
    const MeasuredFont* font;
    QString text;
    friend bool operator==(const Key&, const Key&) = default;
    friend size_t qHash(const Key& key, size_t seed) { return qHashMulti(seed, key.font, key.text); }
  };
  // Remembered widths stay few: the memory is given back when they grow past this.
  static constexpr qsizetype kMaxRemembered = 20000;

  const MeasuredFont& Measured(const sheet_layout::TextFont& font);

  QImage surface_;
  std::deque<MeasuredFont> fonts_;
  std::vector<std::pair<sheet_layout::TextFont, const MeasuredFont*>> faces_;
  mutable QHash<Key, double> widths_;
};

}  // namespace soatnoma::report_files
