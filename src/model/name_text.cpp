#include "model/name_text.h"

#include <algorithm>

#include "model/utf8_text.h"

namespace soatnoma {
namespace {

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsPathSeparator(char32_t c) { return c == U'/' || c == U'\\'; }

std::string Hex(char32_t code, int digits) {
  static constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex;
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) hex += kDigits[(code >> shift) & 0xF];
  return hex;
}

// How a character stands in a message; empty for as it is.
std::string EscapedInMessage(char32_t c) {
  switch (c) {
    case U'\r': return "\\r";
    case U'\n': return "\\n";
    case U'\t': return "\\t";
    default: break;
  }
  if (c < 0x20 || c == 0x7F) return "\\x" + Hex(c, 2);
  if (IsControl(c) || IsDirectionControl(c)) return "\\u" + Hex(c, 4);
  return {};
}

}  // namespace

bool IsDirectionControl(char32_t character) {
  return character == 0x061C || character == 0x200E || character == 0x200F ||
         (character >= 0x202A && character <= 0x202E) || (character >= 0x2066 && character <= 0x2069);
}

std::u32string CharactersOf(std::string_view text) {
  std::u32string characters;
  for (std::size_t at = 0; at < text.size();) characters += DecodeCharacter(text, at).value_or(kReplacementCharacter);
  return characters;
}

std::string Utf8Of(std::u32string_view characters) {
  std::string text;
  for (const char32_t c : characters) AppendUtf8(text, c);
  return text;
}

std::u32string NameOf(std::u32string_view characters, const NameKind& kind) {
  const auto trimmed = [&kind](char32_t c) { return c == U' ' || (kind.trimmedAtEnds && kind.trimmedAtEnds(c)); };
  std::u32string name;
  bool blank = false;
  for (char32_t c : characters) {
    if (IsDirectionControl(c)) continue;
    if (!IsBlankCharacter(c) && (IsControl(c) || IsPathSeparator(c) || (kind.forbidden && kind.forbidden(c)))) {
      c = kind.replacement;
    }
    if (IsBlankCharacter(c)) {
      blank = true;
      continue;
    }
    if (blank && !name.empty()) name += U' ';
    blank = false;
    name += c;
  }
  const auto first = std::find_if_not(name.begin(), name.end(), trimmed);
  const auto last = std::find_if_not(name.rbegin(), std::make_reverse_iterator(first), trimmed).base();
  name = std::u32string(first, last);
  if (std::all_of(name.begin(), name.end(), [](char32_t c) { return c == U'.'; })) name.clear();
  return name;
}

std::string ShownOnOneLine(std::string_view text) {
  std::string shown;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const std::optional<char32_t> c = DecodeCharacter(text, at);
    const std::string escaped = c ? EscapedInMessage(*c) : std::string();
    shown += escaped.empty() ? text.substr(start, at - start) : std::string_view(escaped);
  }
  return shown;
}

std::string QuotedInMessage(std::string_view text) { return "\"" + ShownOnOneLine(text) + "\""; }

}  // namespace soatnoma
