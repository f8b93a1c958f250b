#include "model/form_text.h"

#include <gtest/gtest.h>

#include <string>

#include "model/utf8_text.h"

namespace soatnoma {
namespace {

TEST(Utf8Text, WellFormedOnlyAsRfc3629Has) {
  for (std::string_view good : {"", "Oʻtkir", "Каримов", "\xF0\x9F\x93\x9A", "\xED\x9F\xBF", "\xF4\x8F\xBF\xBF"}) {
    EXPECT_TRUE(IsWellFormedUtf8(good)) << good;
  }
  for (std::string_view bad : {"\x80", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                               "\xF0\x9F\x93", "\xE2\x28\xA1", "a\xFF", "\xF5\x80\x80\x80"}) {
    EXPECT_FALSE(IsWellFormedUtf8(bad)) << ::testing::PrintToString(bad);
  }
}

TEST(Utf8Text, DecodesEveryLengthOfSequence) {
  EXPECT_EQ(DecodeUtf8("a\xCA\xBB\xD0\x9A\xEF\xBF\xBF\xF0\x9F\x93\x9A\xF4\x8F\xBF\xBF"),
            std::u32string(U"a\u02BB\u041A\uFFFF\U0001F4DA\U0010FFFF"));
}

TEST(Utf8Text, ReadsOnPastAMalformedByteAndWritesBackWhatItRead) {
  const std::string_view text = "O\xCA\xBBg\xFF\xE2\x84\x96\xF0\x9F\x93\x9A\xC0\xAF";
  std::string written;
  std::u32string read;
  for (std::size_t at = 0; at < text.size();) {
    const char32_t code = DecodeCharacter(text, at).value_or(kReplacementCharacter);
    read += code;
    AppendUtf8(written, code);
  }
  EXPECT_EQ(read, U"O\u02BBg\uFFFD\u2116\U0001F4DA\uFFFD\uFFFD");
  EXPECT_EQ(written, "O\xCA\xBBg\xEF\xBF\xBD\xE2\x84\x96\xF0\x9F\x93\x9A\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(FormText, WhatAWorkbookCannotHoldOrTooLongIsRefused) {
  struct Case {
    FormTextField field;
    std::string text;
    std::optional<std::string_view> refusal;
  };
  const std::vector<Case> cases = {
      {FormTextField::Name, "O'ktamov Oʻtkir", std::nullopt},
      {FormTextField::Name, "Каримов \xF0\x9F\x93\x9A", std::nullopt},
      {FormTextField::School, "", std::nullopt},
      {FormTextField::Name, "\xCA\xE0\xF0", "Familiya va ism UTF-8 kodlashda emas."},
      {FormTextField::Name, std::string("a\0b", 3), "Familiya va ismda boshqaruv belgisi bor."},
      {FormTextField::Name, "a\tb\r\nc", std::nullopt},
      {FormTextField::Name, "a\x1B[2J", "Familiya va ismda boshqaruv belgisi bor."},
      {FormTextField::School, "a\x7F", "Maktab nomida boshqaruv belgisi bor."},
      {FormTextField::Subject, "\xC2\x85", "Fan nomida boshqaruv belgisi bor."},
      {FormTextField::Subject,
       "\xC2\xA0"
       "fizika",
       std::nullopt},  // a no-break space is a character
      {FormTextField::Name, "\xEF\xBF\xBE", "Familiya va ismda yozib bo'lmaydigan belgi bor (U+FFFE yoki U+FFFF)."},
      {FormTextField::Name, "\xEF\xBF\xBD", std::nullopt},  // the replacement character is one
      {FormTextField::Name, std::string(200, 'a'), std::nullopt},
      {FormTextField::Name, std::string(201, 'a'), "Familiya va ism juda uzun: 200 belgidan oshmasin."},
      {FormTextField::School,
       [] {
         std::string cyrillic;
         for (int i = 0; i < 200; ++i) cyrillic += "\xD0\x96";  // 400 bytes, 200 characters
         return cyrillic;
       }(),
       std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckFormText(c.field, c.text), c.refusal) << ::testing::PrintToString(c.text);
  }
}

TEST(FormText, BlankWhenNothingButSpacesOfAnyWidth) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"", true},
      {" \t\r\n\v\f", true},
      {"\xC2\x85\xC2\xA0\xE1\x9A\x80", true},                                  // next line, no-break, ogham
      {"\xE2\x80\x80\xE2\x80\x8A\xE2\x80\xAF\xE2\x81\x9F\xE3\x80\x80", true},  // en quad .. ideographic
      {"\xE2\x80\xA8\xE2\x80\xA9", true},                                      // line and paragraph separators
      {" a ", false},
      {"\xE2\x80\x8B", false},  // zero-width space
      {"'", false},
      {"\xA0", false},  // not UTF-8: no text at all, refused by CheckFormText
      {std::string(" \0 ", 3), false},
  };
  for (const auto& [text, blank] : cases) EXPECT_EQ(IsBlankFormText(text), blank) << ::testing::PrintToString(text);
}

}  // namespace
}  // namespace soatnoma
