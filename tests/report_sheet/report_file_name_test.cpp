// The file name a report is offered under, the same on the desktop and in the browser, and
// its fit in the 255 bytes a file system takes, with room for a browser's download.
#include "report_sheet/report_file_name.h"

#include <gtest/gtest.h>

#include "model/utf8_text.h"

namespace soatnoma::report_sheet {
namespace {

std::string Repeated(std::string_view text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

TEST(ReportFileName, NamesTheTeacherAndTheSchoolYearAndFitsAFileSystem) {
  struct Case {
    std::string name;
    int year;
    std::string_view suffix;
    std::string expected;
  };
  const Case cases[] = {
      {"Familiya Ism", 2025, "xlsx", "Familiya Ism 2025-2026.xlsx"},
      {"  A/B: \"C\"  ", 2024, "pdf", "A_B_ _C_ 2024-2025.pdf"},
      {" \t\u00A0 ", 2025, "xlsx", "Soatnoma 2025-2026.xlsx"},
      {"Oʻgʻiloy\t\u2003 Ёқубова", 2026, "xlsx", "Oʻgʻiloy Ёқубова 2026-2027.xlsx"},
      {"a*b?c<d>e|f\\g\x01h", 2026, "xlsx", "a_b_c_d_e_f_g_h 2026-2027.xlsx"},
      // No direction control, no hidden file, no folder (which characters turn text or name
      // nothing is the name texts' own table).
      {"Vali\u202Exslx.exe", 2026, "pdf", "Valixslx.exe 2026-2027.pdf"},
      {".Ali", 2026, "xlsx", "Ali 2026-2027.xlsx"},
      {". . Ali.", 2026, "xlsx", "Ali. 2026-2027.xlsx"},
      {"../../a", 2026, "xlsx", "_.._a 2026-2027.xlsx"},
      // A name of 200 "Ж" (as the form takes it) was offered in 415 bytes, which no file
      // system takes: the name is cut where a character ends, the year and the suffix kept,
      // to 244 bytes, so that a browser can add ".crdownload" while it downloads the file.
      {Repeated("Ж", 200), 2026, "xlsx", Repeated("Ж", 114) + " 2026-2027.xlsx"},  // 229 bytes for the name
      {"a" + Repeated("Ж", 200), 2026, "xlsx", "a" + Repeated("Ж", 114) + " 2026-2027.xlsx"},
      {Repeated("😀", 100), 2026, "xlsx", Repeated("😀", 57) + " 2026-2027.xlsx"},
      {Repeated("a", 228) + " bcd", 2026, "xlsx", Repeated("a", 228) + " 2026-2027.xlsx"},  // no blank before the year
      {Repeated("a", 229), 2026, "xlsx", Repeated("a", 229) + " 2026-2027.xlsx"},           // 244: fits as it is
  };
  for (const Case& c : cases) {
    const std::string offered = ReportFileName(c.name, c.year, c.suffix);
    EXPECT_EQ(offered, c.expected) << c.name;
    EXPECT_LE(offered.size(), kMaxOfferedNameBytes);
  }
}

// Every length of every width of character, cut or not: at most 244 bytes of well-formed
// UTF-8, the beginning of the whole name, and the tail whole.
TEST(ReportFileName, EveryCutKeepsWholeCharactersAndTheTail) {
  for (const std::string_view character : {"a", "ʻ", "Ж", "ў", "€", "😀", "e\u0301"}) {
    for (int count = 0; count <= 300; ++count) {
      const std::string name = Repeated(character, count);
      for (const std::string_view tail : {" 2026-2027.xlsx", " hisobotlari.pdf", ".x", ""}) {
        const std::string fitted = FittedFileName(name, tail);
        ASSERT_LE(fitted.size(), kMaxOfferedNameBytes) << count << character;
        ASSERT_TRUE(IsWellFormedUtf8(fitted)) << count << character;
        ASSERT_TRUE(fitted.ends_with(tail));
        const std::string_view kept = std::string_view(fitted).substr(0, fitted.size() - tail.size());
        ASSERT_TRUE(name.starts_with(kept)) << count << character;
        // Cut only when the whole name does not fit, and then no more than one character short.
        if (name.size() + tail.size() <= kMaxOfferedNameBytes)
          ASSERT_EQ(kept, name);
        else
          ASSERT_GT(kept.size() + tail.size() + character.size(), kMaxOfferedNameBytes);
      }
    }
  }
}

}  // namespace
}  // namespace soatnoma::report_sheet
