#include "remembered_text_metrics.h"

namespace soatnoma::module {

template <typename Value>
RememberedTextMetrics::ByText<Value>& RememberedTextMetrics::Of(ByFont<Value>& fonts,
                                                                const sheet_layout::TextFont& font) {
  for (auto& [known, texts] : fonts) {
    if (known == font) return texts;
  }
  return fonts.emplace_back(font, ByText<Value>()).second;
}

sheet_layout::FontMeasures RememberedTextMetrics::Measures(const sheet_layout::TextFont& font) {
  for (const auto& [known, measures] : measures_) {
    if (known == font) return measures;
  }
  return measures_.emplace_back(font, measured_.Measures(font)).second;
}

double RememberedTextMetrics::Width(const sheet_layout::TextFont& font, std::string_view text) {
  auto& texts = Of(widths_, font);
  if (const auto known = texts.find(text); known != texts.end()) return known->second;
  return texts.emplace(std::string(text), measured_.Width(font, text)).first->second;
}

double RememberedTextMetrics::RightOverhang(const sheet_layout::TextFont& font, std::string_view character) {
  auto& characters = Of(overhangs_, font);
  if (const auto known = characters.find(character); known != characters.end()) return known->second;
  return characters.emplace(std::string(character), measured_.RightOverhang(font, character)).first->second;
}

}  // namespace soatnoma::module
