#pragma once
// How the platform measures text: the desktop through its font engine, the browser through
// its canvas, both with the same font. Everything else about lines of text (where they
// break, how tall a row grows, where a line stands in its cell) is worked out once from
// these measures, so every platform lays the form out the same way.

#include <string>
#include <string_view>

namespace soatnoma::sheet_layout {

// A font of the sheet: family, size in points, bold or regular.
struct TextFont {
  std::string family;
  double size = 10;
  bool bold = false;

  friend bool operator==(const TextFont&, const TextFont&) = default;
};

// A font's vertical measures, in points.
struct FontMeasures {
  double ascent = 0;
  double descent = 0;
  double lineSpacing = 0;
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;

  virtual FontMeasures Measures(const TextFont& font) = 0;
  // The advance of a UTF-8 text on one line, in points.
  virtual double Width(const TextFont& font, std::string_view text) = 0;
  // How far the ink of one UTF-8 character runs past its advance to the right, in points
  // ("f" leans over); 0 when it does not.
  virtual double RightOverhang(const TextFont& font, std::string_view character) = 0;
};

}  // namespace soatnoma::sheet_layout
