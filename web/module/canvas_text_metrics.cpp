#include "canvas_text_metrics.h"

#include <string>

namespace soatnoma::module {

using emscripten::val;

sheet_layout::FontMeasures CanvasTextMetrics::Measures(const sheet_layout::TextFont& font) {
  const val measures = measure_.call<val>("fontMeasures", font.family, font.size, font.bold);
  return {measures["ascent"].as<double>(), measures["descent"].as<double>(), measures["lineSpacing"].as<double>()};
}

double CanvasTextMetrics::Width(const sheet_layout::TextFont& font, std::string_view text) {
  return measure_.call<double>("width", font.family, font.size, font.bold, std::string(text));
}

double CanvasTextMetrics::RightOverhang(const sheet_layout::TextFont& font, std::string_view character) {
  return measure_.call<double>("rightOverhang", font.family, font.size, font.bold, std::string(character));
}

}  // namespace soatnoma::module
