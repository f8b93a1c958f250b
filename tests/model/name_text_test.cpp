// The one rule of names taken from text (files, worksheets) and of texts shown back in
// messages: no path separators, never dots only, no direction controls.
#include "model/name_text.h"

#include <gtest/gtest.h>

namespace soatnoma {
namespace {

bool IsColon(char32_t c) { return c == U':'; }
bool IsHash(char32_t c) { return c == U'#'; }

std::string Named(std::string_view text, const NameKind& kind) { return Utf8Of(NameOf(CharactersOf(text), kind)); }

TEST(NameText, NamesHoldNoSeparatorNoDirectionControlAndAreNeverDotsOnly) {
  struct Case {
    std::string_view text;
    std::string_view underscored;  // "_" for what is forbidden, ":" forbidden too
    std::string_view blanked;      // a blank for it, "#" trimmed at the ends
  };
  const Case cases[] = {
      {"Aliyev Vali", "Aliyev Vali", "Aliyev Vali"},
      {"a\\b", "a_b", "a b"},
      {"../../etc/passwd", ".._.._etc_passwd", ".. .. etc passwd"},
      {"..", "", ""},
      {".", "", ""},
      {" . . ", ". .", ". ."},
      {"...", "", ""},
      {"#..#", "#..#", ""},
      {"Ali \u202EilaV\u202C", "Ali ilaV", "Ali ilaV"},
      {"\u2066Vali\u2069 \u200E\u200F\u061C", "Vali", "Vali"},
      {"\u202A\u202B\u202D\u2067\u2068", "", ""},
      {"a:b\tc\x01"
       "d\x7F"
       "e\u009B",
       "a_b c_d_e_", "a b c d e"},
      {"  Karimova \u00A0\u2003 Dilnoza  ", "Karimova Dilnoza", "Karimova Dilnoza"},
      {"#Vali#", "#Vali#", "Vali"},
      {"Ali\xFF", "Ali\uFFFD", "Ali\uFFFD"},
      {"z\u200Bz", "z\u200Bz", "z\u200Bz"},  // a zero-width space turns no direction
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Named(c.text, NameKind{IsColon, U'_', nullptr}), c.underscored) << c.text;
    EXPECT_EQ(Named(c.text, NameKind{IsColon, U' ', IsHash}), c.blanked) << c.text;
  }
}

TEST(NameText, DirectionControlsAreTheMarksThatTurnText) {
  const std::u32string controls = U"\u061C\u200E\u200F\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069";
  for (char32_t c = 0; c < 0x3000; ++c) {
    EXPECT_EQ(IsDirectionControl(c), controls.find(c) != std::u32string::npos) << std::hex << static_cast<unsigned>(c);
  }
}

TEST(NameText, MessagesShowTextOnOneLineAndAsItReads) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"yuqori", "\"yuqori\""},
      {"yuq\r\nori\t", "\"yuq\\r\\nori\\t\""},
      {"\x1B[2J\x07\x7F", "\"\\x1b[2J\\x07\\x7f\""},
      {"\u009B"
       "31m",
       "\"\\u009b31m\""},
      {"Ali \u202EilaV\u202C", "\"Ali \\u202eilaV\\u202c\""},
      {"\u2066\u061C\u200F", "\"\\u2066\\u061c\\u200f\""},
      {"Oʻgʻiloy Ёқубова", "\"Oʻgʻiloy Ёқубова\""},
      {"a\xFF"
       "b",
       "\"a\xFF"
       "b\""},  // not UTF-8: the byte as it was
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(QuotedInMessage(text), shown) << text;
}

}  // namespace
}  // namespace soatnoma
