#pragma once
// Lines of a wrapped text: broken after blanks and hyphens where the words fit, and inside
// a word only where the word alone is wider than the line. The text is UTF-8.

#include <cstddef>
#include <string_view>
#include <vector>

#include "sheet_layout/text_metrics.h"

namespace soatnoma::sheet_layout {

struct TextLineSpan {
  std::size_t start = 0;   // bytes into the text
  std::size_t length = 0;  // bytes, with the blanks that end the line
  double width = 0;        // points, without the blanks that end the line
};

// Breaks the text into lines no wider than width, points, where it can; a line feed
// always ends a line.
std::vector<TextLineSpan> BreakIntoLines(TextMetrics& metrics, const TextFont& font, std::string_view text,
                                         double width);

}  // namespace soatnoma::sheet_layout
