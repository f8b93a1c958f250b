#include "staff_book/name_characters.h"

#include <algorithm>
#include <string_view>

#include "staff_book/unicode_tables.h"
#include "model/form_text.h"

namespace soatnoma::batch {

char32_t FoldedCase(char32_t character) {
  const auto runs = FoldingRuns();
  // The last run that starts at or before the character.
  const auto after = std::upper_bound(runs.begin(), runs.end(), character,
                                      [](char32_t c, const FoldingRun& run) { return c < run.first; });
  if (after == runs.begin()) return character;
  const FoldingRun& run = *(after - 1);
  if (character > run.last || (character - run.first) % static_cast<char32_t>(run.step) != 0) return character;
  return static_cast<char32_t>(static_cast<int>(character) + run.delta);
}

bool JoinsPrevious(char32_t character) {
  const auto ranges = JoiningRanges();
  const auto after = std::upper_bound(ranges.begin(), ranges.end(), character,
                                      [](char32_t c, const CodeRange& range) { return c < range.first; });
  return after != ranges.begin() && character <= (after - 1)->last;
}

bool IsRegionalIndicator(char32_t character) { return character >= 0x1F1E6 && character <= 0x1F1FF; }

bool IsForbiddenInSheetName(char32_t character) {
  constexpr std::u32string_view kForbidden = U"[]:*?/\\\u2028\u2029\uFFFE\uFFFF";
  const bool control = character < 0x20 || (character >= 0x7F && character <= 0x9F);
  return control || kForbidden.find(character) != std::u32string_view::npos;
}

}  // namespace soatnoma::batch
