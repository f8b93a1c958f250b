#pragma once
// A measure of text as plain as can be, for the layouts the tests read back: every
// character 0.6 of the font size wide, so that lines break where a reader can count them.

#include "sheet_layout/text_metrics.h"

namespace soatnoma::testing {

class EvenMetrics : public sheet_layout::TextMetrics {
 public:
  sheet_layout::FontMeasures Measures(const sheet_layout::TextFont& font) override {
    return {font.size * 0.93, font.size * 0.24, font.size * 1.17};
  }
  double Width(const sheet_layout::TextFont& font, std::string_view text) override {
    double characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return characters * font.size * 0.6;
  }
  double RightOverhang(const sheet_layout::TextFont&, std::string_view) override { return 0; }
};

}  // namespace soatnoma::testing
