#include "batch/utf8_text.h"

#include <array>
#include <cstdint>

namespace soatnoma::batch {
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

bool IsWellFormedUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto byte = static_cast<std::uint8_t>(text[at]);
    if (byte < 0x80) {
      ++at;
      continue;
    }
    const LeadByte* lead = LeadFor(byte);
    if (lead == nullptr || text.size() - at <= static_cast<std::size_t>(lead->continuations)) return false;
    const auto second = static_cast<std::uint8_t>(text[at + 1]);
    if (second < lead->secondLow || second > lead->secondHigh) return false;
    for (int i = 2; i <= lead->continuations; ++i) {
      if (!IsContinuation(static_cast<std::uint8_t>(text[at + static_cast<std::size_t>(i)]))) return false;
    }
    at += static_cast<std::size_t>(lead->continuations) + 1;
  }
  return true;
}

}  // namespace soatnoma::batch
