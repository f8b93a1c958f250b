#pragma once
// The one rule for every number a person types: the form's boxes, the report's cells, the
// staff list's fields and the command line's options.

#include <string>
#include <string_view>

namespace soatnoma {

enum class TypedNumberKind {
  Empty,       // nothing but blanks
  NotANumber,  // the leading-number parse does not take the whole text
  Number,
};

struct TypedNumber {
  TypedNumberKind kind = TypedNumberKind::Empty;
  double value = 0;  // 0 unless a number
  bool IsNumber() const { return kind == TypedNumberKind::Number; }
};

// The text as the form reads it: a decimal comma, when it is the only "," and there is no
// ".", becomes a point ("12,5" reads as "12.5" in every respect); any other text as typed.
std::string WithDecimalPoint(std::string_view typed);

// Reads a typed text: blanks (blanks, tabs, line feeds and the no-break spaces U+00A0 and
// U+202F) are skipped, except that a blank between two letters or digits refuses the text;
// a lone decimal comma is a point, and the leading-number parse must take the whole text
// ("24", " 24\u00a0", "- 24", "+25", "24.0", "&H1E", "12,5" are numbers; "2 4", "24abc",
// "1e", "&H", "1,2,3", "12.5.1" are not).
TypedNumber ReadTypedNumber(std::string_view typed);

}  // namespace soatnoma
