#include "roster_rules/code_page.h"

#include <array>

#include "model/utf8_text.h"

namespace soatnoma::roster_rules {
namespace {

constexpr char16_t kNone = 0;  // a byte the code page leaves without a character

// Windows-1251 from 0x80 on, a row of eight bytes to a line; below 0x80 it is ASCII.
constexpr std::array<char16_t, 128> kWindows1251Upper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kNone,  0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::optional<std::string> Windows1251ToUtf8(std::string_view text) {
  std::string converted;
  converted.reserve(text.size() * 2);
  for (const char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    if (code < 0x80) {
      converted += byte;
      continue;
    }
    const char16_t character = kWindows1251Upper[code - 0x80];
    if (character == kNone) return std::nullopt;
    AppendUtf8(converted, character);
  }
  return converted;
}

namespace {

// The UTF-8 form of UTF-16 units in the byte order given; nullopt for a text that is not UTF-16.
std::optional<std::string> Utf16UnitsToUtf8(std::string_view text, bool littleEndian) {
  // A text that ends inside a unit is cut off, not UTF-16.
  if (text.size() % 2 != 0) return std::nullopt;
  const auto unitAt = [&](std::size_t at) {
    const auto first = static_cast<unsigned char>(text[at]);
    const auto second = static_cast<unsigned char>(text[at + 1]);
    return static_cast<char32_t>(littleEndian ? first | (second << 8) : (first << 8) | second);
  };
  std::string converted;
  converted.reserve(text.size() / 2 * 3);
  for (std::size_t at = 0; at < text.size(); at += 2) {
    const char32_t unit = unitAt(at);
    if (IsLowSurrogate(unit)) return std::nullopt;
    if (!IsHighSurrogate(unit)) {
      AppendUtf8(converted, unit);
      continue;
    }
    // A character beyond the first 65,536 comes as a pair; half a pair is no character.
    at += 2;
    if (at >= text.size()) return std::nullopt;
    const char32_t low = unitAt(at);
    if (!IsLowSurrogate(low)) return std::nullopt;
    AppendUtf8(converted, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
  }
  return converted;
}

// The bytes looked at to tell the byte order of a text without its mark.
constexpr std::size_t kBytesToTellTheOrder = 4096;

}  // namespace

std::optional<std::string> Utf16ToUtf8(std::string_view text) {
  const bool littleEndian = text.starts_with("\xFF\xFE");
  if (!littleEndian && !text.starts_with("\xFE\xFF")) return std::nullopt;
  return Utf16UnitsToUtf8(text.substr(2), littleEndian);
}

std::optional<std::string> UnmarkedUtf16ToUtf8(std::string_view text) {
  const std::string_view start = text.substr(0, kBytesToTellTheOrder);
  std::size_t nulsFirst = 0;
  std::size_t nulsSecond = 0;
  for (std::size_t at = 0; at + 1 < start.size(); at += 2) {
    nulsFirst += start[at] == '\0' ? 1 : 0;
    nulsSecond += start[at + 1] == '\0' ? 1 : 0;
  }
  const std::size_t units = start.size() / 2;
  const auto ordersBy = [units](std::size_t nuls, std::size_t otherNuls) {
    return nuls * 4 >= units && nuls > 0 && otherNuls * 8 <= nuls;
  };
  if (ordersBy(nulsSecond, nulsFirst)) return Utf16UnitsToUtf8(text, true);
  if (ordersBy(nulsFirst, nulsSecond)) return Utf16UnitsToUtf8(text, false);
  return std::nullopt;
}

}  // namespace soatnoma::roster_rules
