#pragma once
// Texts in the encodings Excel on Windows saves staff lists in, made into UTF-8: the
// Windows-1251 code page of its "CSV" in Uzbek and Russian settings, and the UTF-16 of its
// "Unicode text".

#include <optional>
#include <string>
#include <string_view>

namespace soatnoma::roster_rules {

// The UTF-8 form of a Windows-1251 text; nullopt when the text holds a byte that the code
// page leaves undefined (0x98), so it cannot be Windows-1251.
std::optional<std::string> Windows1251ToUtf8(std::string_view text);

// The UTF-8 form of a UTF-16 text that begins with its byte-order mark (FF FE or FE FF),
// the mark left out; nullopt for anything else, or a text that is not UTF-16.
std::optional<std::string> Utf16ToUtf8(std::string_view text);

// The UTF-8 form of a UTF-16 text saved without its byte-order mark, its byte order told
// by its bytes: a staff list's headings, numbers and separators are ASCII, so a good part
// of its units hold a NUL byte, the second of the pair in little-endian order and the first
// in big-endian. nullopt for a text whose NUL bytes do not stand so (a text file holds
// none), or that is not UTF-16.
std::optional<std::string> UnmarkedUtf16ToUtf8(std::string_view text);

}  // namespace soatnoma::roster_rules
