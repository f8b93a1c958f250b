#pragma once
// What a name's characters are, for cutting and comparing sheet names: plain C++ over
// the tables of unicode_tables.h.

namespace soatnoma::batch {

// The letter in its folded case ('Ў' and 'ў' both 'ў'); any other character as it is.
char32_t FoldedCase(char32_t character);

// A mark, joiner or selector that belongs to the character before it.
bool JoinsPrevious(char32_t character);

// A flag is two of these, and is cut only whole.
bool IsRegionalIndicator(char32_t character);

// What a sheet's name may not hold: [ ] : * ? / \, control characters, the line and
// paragraph separators, U+FFFE and U+FFFF.
bool IsForbiddenInSheetName(char32_t character);

}  // namespace soatnoma::batch
