#pragma once
// Text measured in points, the same on every device: fonts are laid out on a virtual
// 720 dpi surface without hinting, so no screen or printer rounds the widths. A text once
// measured in a font is remembered: the reports of a whole staff share their headings,
// row titles and most numbers, and one measure serves them all.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QString>
#include <deque>
#include <vector>

namespace soatnoma {

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

class TextMeasure {
 public:
  TextMeasure();
  TextMeasure(const TextMeasure&) = delete;
  TextMeasure& operator=(const TextMeasure&) = delete;

  // The font measured once, then taken from the ones already measured.
  const MeasuredFont& Measured(const QFont& font);

  double Width(const MeasuredFont& font, const QString& text) const;
  // The widest of the ten digits: the unit of column widths.
  double DigitWidth(const MeasuredFont& font) const;
  // Breaks the text into lines no wider than width, at word boundaries where it can.
  std::vector<LineSpan> Wrap(const MeasuredFont& font, const QString& text, double width) const;

 private:
  // A text in one of the fonts above, and for a wrap the width it was wrapped to.
  struct Key {
    const MeasuredFont* font;
    QString text;
    double width;
    friend bool operator==(const Key&, const Key&) = default;
    friend size_t qHash(const Key& key, size_t seed) { return qHashMulti(seed, key.font, key.text, key.width); }
  };
  // Remembered results stay few: the memory is given back when they grow past this.
  static constexpr qsizetype kMaxRemembered = 20000;

  double MeasureWidth(const MeasuredFont& font, const QString& text) const;
  std::vector<LineSpan> BreakLines(const MeasuredFont& font, const QString& text, double width) const;

  QImage surface_;
  std::deque<MeasuredFont> fonts_;
  mutable QHash<Key, double> widths_;
  mutable QHash<Key, std::vector<LineSpan>> wraps_;
};

}  // namespace soatnoma
