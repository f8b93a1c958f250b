#pragma once
// The one rule for every number a person types: the form's boxes, the report's cells, the
// staff list's fields and the command line's options.

#include <string>
#include <string_view>

namespace soatnoma {

enum class TypedNumberKind {
  Empty,       // nothing but blanks, tabs and line feeds
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

// Reads a typed text: blanks, tabs and line feeds are skipped wherever they stand, a lone
// decimal comma is a point, and the leading-number parse must take the whole text
// ("24", " 24", "2 4", "+25", "24.0", "&H1E", "12,5" are numbers; "24abc", "1e", "&H",
// "1,2,3", "12.5.1" are not).
TypedNumber ReadTypedNumber(std::string_view typed);

}  // namespace soatnoma
