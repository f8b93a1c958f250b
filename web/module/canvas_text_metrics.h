#pragma once
// The browser's measure of text: the page's canvas, asked through a JavaScript object
// with fontMeasures(family, size, bold), width(family, size, bold, text) and
// rightOverhang(family, size, bold, character), all in points.

#include <emscripten/val.h>

#include "sheet_layout/text_metrics.h"

namespace soatnoma::module {

class CanvasTextMetrics : public sheet_layout::TextMetrics {
 public:
  explicit CanvasTextMetrics(emscripten::val measure) : measure_(std::move(measure)) {}

  sheet_layout::FontMeasures Measures(const sheet_layout::TextFont& font) override;
  double Width(const sheet_layout::TextFont& font, std::string_view text) override;
  double RightOverhang(const sheet_layout::TextFont& font, std::string_view character) override;

 private:
  emscripten::val measure_;
};

}  // namespace soatnoma::module
