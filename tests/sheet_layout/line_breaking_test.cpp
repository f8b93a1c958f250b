// Lines of wrapped text, measured by a plain measure: every character one point wide, an
// "f" leaning half a point past its advance.
#include "sheet_layout/line_breaking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace soatnoma::sheet_layout {
namespace {

class OnePointPerCharacter : public TextMetrics {
 public:
  FontMeasures Measures(const TextFont&) override { return {0.8, 0.2, 1.2}; }
  double Width(const TextFont&, std::string_view text) override {
    double characters = 0;
    for (const char byte : text) characters += (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u ? 1 : 0;
    return characters;
  }
  double RightOverhang(const TextFont&, std::string_view character) override { return character == "f" ? 0.5 : 0; }
};

std::vector<std::string> Lines(std::string_view text, double width) {
  OnePointPerCharacter metrics;
  std::vector<std::string> lines;
  for (const TextLineSpan& span : BreakIntoLines(metrics, TextFont{}, text, width)) {
    lines.emplace_back(text.substr(span.start, span.length));
  }
  return lines;
}

struct WrapCase {
  std::string_view text;
  double width;
  std::vector<std::string> lines;
};

TEST(BreakIntoLines, BreaksWhereTheFormsTextsMayBreak) {
  const WrapCase cases[] = {
      {"", 5, {}},
      {"aaa bbb ccc", 20, {"aaa bbb ccc"}},
      {"aaa bbb ccc", 7, {"aaa bbb ", "ccc"}},
      {"aaa   bbb", 4, {"aaa   ", "bbb"}},
      // After a hyphen between words, never before a number.
      {"Latif-Karimov", 8, {"Latif-", "Karimov"}},
      {"sinf-12", 6, {"sinf-1", "2"}},
      // A year pair and a decimal stay whole where the line allows.
      {"2026/2027 o'quv", 10, {"2026/2027 ", "o'quv"}},
      {"ab 2026/2027", 8, {"ab ", "2026/202", "7"}},
      {"so'z/gap", 5, {"so'z/", "gap"}},
      // Closing marks stay with their word; an opening bracket may begin a line.
      {"(Pedagogik kengash, metod birlashma)", 18, {"(Pedagogik ", "kengash, metod ", "birlashma)"}},
      {"ab.(cd)", 4, {"ab.", "(cd)"}},
      {"ab,cd", 3, {"ab,", "cd"}},
      // A word wider than the line is cut where it no longer fits, its blanks kept.
      {"abcdeghi", 3, {"abc", "deg", "hi"}},
      {"abcdef gh", 4, {"abcd", "ef ", "gh"}},
      // Letters of more than one byte count as one.
      {"Oʻgʻiloy Oʻrinova", 8, {"Oʻgʻiloy ", "Oʻrinova"}},
      // A leaning last letter needs room for its ink.
      {"aa aaf bb", 6, {"aa ", "aaf bb"}},
      {"aa aab bb", 6, {"aa aab ", "bb"}},
  };
  for (const WrapCase& wrap : cases) {
    EXPECT_EQ(Lines(wrap.text, wrap.width), wrap.lines) << wrap.text << " in " << wrap.width;
  }
}

TEST(BreakIntoLines, WidthLeavesOutTheBlanksThatEndALine) {
  OnePointPerCharacter metrics;
  const auto lines = BreakIntoLines(metrics, TextFont{}, "ab   cd", 4);
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0].width, 2);
  EXPECT_EQ(lines[0].length, 5U);
  EXPECT_EQ(lines[1].start, 5U);
  EXPECT_EQ(lines[1].width, 2);
}

}  // namespace
}  // namespace soatnoma::sheet_layout
