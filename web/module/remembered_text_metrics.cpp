#include "remembered_text_metrics.h"

#include <cstring>

namespace soatnoma::web {

std::string RememberedTextMetrics::KeyOf(const TextFont& font, std::string_view text) {
  std::string key;
  key.reserve(text.size() + font.family.size() + sizeof(font.size) + 3);
  key.append(text).append(1, '\0').append(font.family).append(1, font.bold ? 'b' : 'r');
  char size[sizeof(font.size)];
  std::memcpy(size, &font.size, sizeof(size));
  return key.append(size, sizeof(size));
}

FontMeasures RememberedTextMetrics::Measures(const TextFont& font) {
  const auto [at, added] = measures_.try_emplace(KeyOf(font, {}));
  if (added) at->second = measured_.Measures(font);
  return at->second;
}

double RememberedTextMetrics::Width(const TextFont& font, std::string_view text) {
  const auto [at, added] = widths_.try_emplace(KeyOf(font, text));
  if (added) at->second = measured_.Width(font, text);
  return at->second;
}

double RememberedTextMetrics::RightOverhang(const TextFont& font, std::string_view character) {
  const auto [at, added] = overhangs_.try_emplace(KeyOf(font, character));
  if (added) at->second = measured_.RightOverhang(font, character);
  return at->second;
}

}  // namespace soatnoma::web
