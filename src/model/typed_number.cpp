#include "model/typed_number.h"

#include <algorithm>

#include "model/number_text.h"

namespace soatnoma {
std::string WithDecimalPoint(std::string_view typed) {
  std::string text(typed);
  const bool oneComma = std::count(text.begin(), text.end(), ',') == 1;
  const bool noPoint = text.find('.') == std::string::npos;
  if (oneComma && noPoint) text[text.find(',')] = '.';
  return text;
}

TypedNumber ReadTypedNumber(std::string_view typed) {
  if (std::all_of(typed.begin(), typed.end(), IsSkippedInNumbers)) return {TypedNumberKind::Empty, 0};
  const LeadingNumber number = ScanLeadingNumber(WithDecimalPoint(typed));
  if (!number.wholeText) return {TypedNumberKind::NotANumber, 0};
  return {TypedNumberKind::Number, number.value};
}

}  // namespace soatnoma
