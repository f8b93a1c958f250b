#include "model/utf8_text.h"

#include <array>
#include <cstdint>

namespace soatnoma {
namespace {

// The sequences a lead byte may start: how many continuation bytes follow, and the range
// the first of them must lie in (this excludes overlong forms, surrogates and code points
// above U+10FFFF). The table of RFC 3629, section 4.
struct LeadByte {
  std::uint8_t first;
  std::uint8_t last;
  int continuations;
  std::uint8_t secondLow;
  std::uint8_t secondHigh;
};

constexpr std::array<LeadByte, 8> kLeadBytes = {{
    {0xC2, 0xDF, 1, 0x80, 0xBF},
    {0xE0, 0xE0, 2, 0xA0, 0xBF},
    {0xE1, 0xEC, 2, 0x80, 0xBF},
    {0xED, 0xED, 2, 0x80, 0x9F},
    {0xEE, 0xEF, 2, 0x80, 0xBF},
    {0xF0, 0xF0, 3, 0x90, 0xBF},
    {0xF1, 0xF3, 3, 0x80, 0xBF},
    {0xF4, 0xF4, 3, 0x80, 0x8F},
}};

const LeadByte* LeadFor(std::uint8_t byte) {
  for (const LeadByte& lead : kLeadBytes) {
    if (byte >= lead.first && byte <= lead.last) return &lead;
  }
  return nullptr;
}

bool IsContinuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::optional<char32_t> DecodeCharacter(std::string_view text, std::size_t& at) {
  const auto byte = static_cast<std::uint8_t>(text[at]);
  ++at;
  if (byte < 0x80) return static_cast<char32_t>(byte);
  const LeadByte* lead = LeadFor(byte);
  if (lead == nullptr || text.size() - at < static_cast<std::size_t>(lead->continuations)) return std::nullopt;
  const auto second = static_cast<std::uint8_t>(text[at]);
  if (second < lead->secondLow || second > lead->secondHigh) return std::nullopt;
  // The lead byte keeps 6 - continuations bits of the code point, each continuation 6.
  auto code = static_cast<char32_t>(byte & (0x3F >> lead->continuations));
  for (int i = 0; i < lead->continuations; ++i) {
    const auto next = static_cast<std::uint8_t>(text[at + static_cast<std::size_t>(i)]);
    if (!IsContinuation(next)) return std::nullopt;
    code = (code << 6) | static_cast<char32_t>(next & 0x3F);
  }
  at += static_cast<std::size_t>(lead->continuations);
  return code;
}

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
  std::u32string decoded;
  decoded.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto code = DecodeCharacter(text, at);
    if (!code) return std::nullopt;
    decoded += *code;
  }
  return decoded;
}

void AppendUtf8(std::string& text, char32_t character) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (character < 0x80) {
    text += byte(character);
  } else if (character < 0x800) {
    text += byte(0xC0 | (character >> 6));
    text += byte(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    text += byte(0xE0 | (character >> 12));
    text += byte(0x80 | ((character >> 6) & 0x3F));
    text += byte(0x80 | (character & 0x3F));
  } else {
    text += byte(0xF0 | (character >> 18));
    text += byte(0x80 | ((character >> 12) & 0x3F));
    text += byte(0x80 | ((character >> 6) & 0x3F));
    text += byte(0x80 | (character & 0x3F));
  }
}

bool IsWellFormedUtf8(std::string_view text) { return DecodeUtf8(text).has_value(); }

bool IsBlankCharacter(char32_t code) {
  if ((code >= 0x09 && code <= 0x0D) || code == 0x20 || code == 0x85 || code == 0xA0 || code == 0x1680) return true;
  if (code >= 0x2000 && code <= 0x200A) return true;
  return code == 0x2028 || code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000;
}

std::string_view TrimmedBlanks(std::string_view text) {
  std::size_t begin = text.size();
  std::size_t end = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const auto code = DecodeCharacter(text, at);
    if (code && IsBlankCharacter(*code)) continue;
    if (begin > start) begin = start;
    end = at;
  }
  return begin < end ? text.substr(begin, end - begin) : std::string_view();
}

}  // namespace soatnoma
