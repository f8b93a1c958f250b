#include "model/typed_number.h"

#include <algorithm>
#include <optional>

#include "model/number_text.h"

namespace soatnoma {
namespace {

// The bytes of the blank the text starts with: a blank, tab or line feed, or a no-break
// space (U+00A0) or narrow no-break space (U+202F) that a spreadsheet program puts around
// numbers; 0 when it starts with none.
std::size_t BlankLength(std::string_view text) {
  if (!text.empty() && IsSkippedInNumbers(text.front())) return 1;
  if (text.starts_with("\xC2\xA0")) return 2;
  if (text.starts_with("\xE2\x80\xAF")) return 3;
  return 0;
}

bool IsLetterOrDigit(char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); }

// The typed text with its blanks taken out, or nullopt when a blank parts two letters or
// digits ("12 5", "1 2", "&H1 F"): two numbers side by side, which no one means as one.
std::optional<std::string> WithoutBlanks(std::string_view typed) {
  std::string kept;
  kept.reserve(typed.size());
  bool blankBefore = false;
  for (std::size_t i = 0; i < typed.size();) {
    if (const std::size_t blank = BlankLength(typed.substr(i))) {
      blankBefore = !kept.empty();
      i += blank;
      continue;
    }
    if (blankBefore && IsLetterOrDigit(kept.back()) && IsLetterOrDigit(typed[i])) return std::nullopt;
    blankBefore = false;
    kept.push_back(typed[i++]);
  }
  return kept;
}

}  // namespace

std::string WithDecimalPoint(std::string_view typed) {
  std::string text(typed);
  const bool oneComma = std::count(text.begin(), text.end(), ',') == 1;
  const bool noPoint = text.find('.') == std::string::npos;
  if (oneComma && noPoint) text[text.find(',')] = '.';
  return text;
}

TypedNumber ReadTypedNumber(std::string_view typed) {
  const std::optional<std::string> compact = WithoutBlanks(typed);
  if (!compact) return {TypedNumberKind::NotANumber, 0};
  if (compact->empty()) return {TypedNumberKind::Empty, 0};
  const LeadingNumber number = ScanLeadingNumber(WithDecimalPoint(*compact));
  if (!number.wholeText) return {TypedNumberKind::NotANumber, 0};
  return {TypedNumberKind::Number, number.value};
}

}  // namespace soatnoma
