#pragma once
// Whether a text is well-formed UTF-8. A staff list saved by a spreadsheet program in an
// older code page (Windows-1251, 1252) is not, and its bytes would spoil a workbook's XML.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace soatnoma {

// Well-formed as RFC 3629 has it: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing above U+10FFFF.
bool IsWellFormedUtf8(std::string_view text);

// The code points of a well-formed text; nullopt for any other.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// The character that starts at byte `at` of a non-empty rest of the text, moving `at` past
// it; nullopt for a malformed sequence, `at` then moved past its first byte only.
std::optional<char32_t> DecodeCharacter(std::string_view text, std::size_t& at);

// What stands for a malformed sequence when a text is read all the same.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

void AppendUtf8(std::string& text, char32_t character);

// A blank of any script (a space, a tab, a line end, a no-break or ideographic space): it
// separates words and counts for nothing at the ends of a name.
bool IsBlankCharacter(char32_t code);

// The text without the blanks at its ends; a malformed sequence is kept as it is.
std::string_view TrimmedBlanks(std::string_view text);

}  // namespace soatnoma
