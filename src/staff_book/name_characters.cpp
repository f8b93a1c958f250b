#include "staff_book/name_characters.h"

#include <algorithm>
#include <string_view>

#include "staff_book/unicode_tables.h"
#include "model/form_text.h"

namespace soatnoma::staff_book {

namespace {

// What one character compares as, appended to the key.
void AppendFolded(char32_t character, std::u32string& key) {
  const auto expansions = FoldingExpansions();
  const auto expanded = std::lower_bound(expansions.begin(), expansions.end(), character,
                                         [](const FoldingExpansion& entry, char32_t c) { return entry.character < c; });
  if (expanded != expansions.end() && expanded->character == character) {
    key += expanded->folded;
    return;
  }
  const auto runs = FoldingRuns();
  // The last run that starts at or before the character.
  const auto after = std::upper_bound(runs.begin(), runs.end(), character,
                                      [](char32_t c, const FoldingRun& run) { return c < run.first; });
  if (after == runs.begin()) {
    key += character;
    return;
  }
  const FoldingRun& run = *(after - 1);
  const bool inRun = character <= run.last && (character - run.first) % static_cast<char32_t>(run.step) == 0;
  key += inRun ? static_cast<char32_t>(static_cast<int>(character) + run.delta) : character;
}

}  // namespace

std::u32string ComparisonKey(std::u32string_view name) {
  std::u32string key;
  key.reserve(name.size());
  for (const char32_t character : name) {
    if (!IsZeroWidth(character)) AppendFolded(character, key);
  }
  return key;
}

bool IsZeroWidth(char32_t character) {
  return (character >= 0x200B && character <= 0x200D) || character == 0x2060 || character == 0xFEFF ||
         character == 0x00AD;
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

}  // namespace soatnoma::staff_book
