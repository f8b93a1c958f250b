// The code pages of staff lists against the C library's converter, which the roster read
// through before and which stays the reference: every byte of Windows-1251, and UTF-16 of
// either byte order with characters in and beyond the first 65,536, halves of pairs, and
// texts cut off inside a unit.
#include "roster_rules/code_page.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>
#include <vector>

namespace soatnoma::roster_rules {
namespace {

std::optional<std::string> ByTheCLibrary(const char* from, std::string_view text) {
  iconv_t converter = iconv_open("UTF-8", from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string converted(text.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* out = converted.data();
  std::size_t outLeft = converted.size();
  const bool failed = iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0;
  iconv_close(converter);
  if (failed) return std::nullopt;
  converted.resize(converted.size() - outLeft);
  return converted;
}

TEST(CodePage, EveryByteOfWindows1251IsTheCharacterTheCLibraryGives) {
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(Windows1251ToUtf8(one), ByTheCLibrary("WINDOWS-1251", one)) << "byte " << byte;
    if (byte != 0x98) everyByte += one;
  }
  EXPECT_EQ(Windows1251ToUtf8(everyByte), ByTheCLibrary("WINDOWS-1251", everyByte));
}

std::string WithMark(bool littleEndian, const std::vector<char16_t>& units, bool cutOff = false) {
  std::string text = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : units) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    text += littleEndian ? std::string{low, high} : std::string{high, low};
  }
  if (cutOff) text.pop_back();
  return text;
}

TEST(CodePage, Utf16OfEitherOrderAsTheCLibraryReadsIt) {
  const std::vector<std::vector<char16_t>> texts = {
      {},
      {u'A', u'l', u'i'},
      {0x041A, 0x0430, 0x2116, 0x0000, 0xFEFF},
      {0xD83D, 0xDE00, u' ', 0xD801, 0xDC37},  // pairs
      {u'a', 0xD83D},                          // half a pair at the end
      {0xDE00, u'a'},                          // a second half alone
      {0xD83D, u'a'},                          // a first half before an ordinary unit
      {0xFFFF, 0xE000},
  };
  for (const bool littleEndian : {true, false}) {
    const char* order = littleEndian ? "UTF-16LE" : "UTF-16BE";
    for (const auto& units : texts) {
      for (const bool cutOff : {false, true}) {
        if (cutOff && units.empty()) continue;
        const std::string text = WithMark(littleEndian, units, cutOff);
        EXPECT_EQ(Utf16ToUtf8(text), ByTheCLibrary(order, std::string_view(text).substr(2)))
            << order << " of " << units.size() << " units" << (cutOff ? ", cut off" : "");
      }
    }
  }
  EXPECT_EQ(Utf16ToUtf8(WithMark(true, {0x0410, 0xD83D, 0xDE00})), "А\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16ToUtf8("Ali"), std::nullopt);  // no byte-order mark: not taken for UTF-16
}

TEST(CodePage, Utf16WithoutItsMarkIsToldByItsNulBytes) {
  const std::vector<char16_t> list = {u'i', u's', u'm', u';', 0x041A, 0x0430, u';', u'2', u'4', u'\n'};
  for (const bool littleEndian : {true, false}) {
    const std::string text = WithMark(littleEndian, list).substr(2);
    EXPECT_EQ(UnmarkedUtf16ToUtf8(text), "ism;Ка;24\n") << littleEndian;
    EXPECT_EQ(UnmarkedUtf16ToUtf8(text + "x"), std::nullopt) << littleEndian;  // cut off inside a unit
  }
  // Texts without NUL bytes, or with a stray one, are not taken for UTF-16.
  const std::string_view strayNul("ism;fan;soat\nA;f\0;20\n", 22);
  for (const std::string_view text : {std::string_view("ism;fan;soat\n"), std::string_view("\xD0\x9A"), strayNul}) {
    EXPECT_EQ(UnmarkedUtf16ToUtf8(text), std::nullopt) << text;
  }
}

// Windows-1251 is read a byte at a time, every byte checked above; UTF-16's pairs are not.
TEST(CodePage, RandomTextsAgreeWithTheCLibrary) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> byte(0, 255);
  // Units drawn mostly from around the surrogates, where UTF-16 is easy to get wrong.
  std::uniform_int_distribution<int> unit(0xD700, 0xE0FF);
  for (int round = 0; round < 2000; ++round) {
    std::vector<char16_t> units(1 + round % 9);
    for (char16_t& each : units) each = static_cast<char16_t>(round % 3 == 0 ? byte(random) : unit(random));
    const std::string text = WithMark(round % 2 == 0, units);
    ASSERT_EQ(Utf16ToUtf8(text),
              ByTheCLibrary(round % 2 == 0 ? "UTF-16LE" : "UTF-16BE", std::string_view(text).substr(2)))
        << "round " << round;
  }
}

}  // namespace
}  // namespace soatnoma::roster_rules
