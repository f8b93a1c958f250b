#pragma once
// The characters of a UTF-8 text, one at a time, and characters written back as UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace soatnoma {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character that starts at byte `at` of a non-empty rest of the text, moving `at` past
// it. A malformed sequence (a stray or missing continuation byte, an overlong form, a
// surrogate, anything above U+10FFFF) reads as one replacement character for its first byte.
char32_t NextCharacter(std::string_view text, std::size_t& at);

void AppendUtf8(std::string& text, char32_t character);

}  // namespace soatnoma
