#pragma once
// What a name's characters are, for cutting and comparing sheet names: plain C++ over
// the tables of unicode_tables.h.

#include <string>
#include <string_view>

namespace soatnoma::staff_book {

// The name as spreadsheet programs compare sheet names (unicode_tables.h): two names they
// hold to be one have the same key ("ﬁna Karim" and "FINA KARIM", "ılhom" and "İlhom").
std::u32string ComparisonKey(std::u32string_view name);

// A character that shows nothing: the zero-width space, non-joiner and joiner, the word
// joiner, the byte-order mark and the soft hyphen. Two names that differ by one look alike.
bool IsZeroWidth(char32_t character);

// A mark, joiner or selector that belongs to the character before it.
bool JoinsPrevious(char32_t character);

// A flag is two of these, and is cut only whole.
bool IsRegionalIndicator(char32_t character);

// What a sheet's name may not hold: [ ] : * ? / \, control characters, the line and
// paragraph separators, U+FFFE and U+FFFF.
bool IsForbiddenInSheetName(char32_t character);

}  // namespace soatnoma::staff_book
