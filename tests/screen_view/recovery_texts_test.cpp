// How a report kept unsaved is named when it is offered back, the same on the desktop and
// in the browser.
#include "screen_view/recovery_texts.h"

#include <gtest/gtest.h>

namespace soatnoma::screen_view {
namespace {

TEST(RecoveryTexts, NameTheTeacherTheSchoolYearTheFileAndTheMinute) {
  const LocalMinute morning{2026, 3, 4, 9, 5};
  struct Case {
    KeptReportFacts facts;
    std::string_view expected;
  };
  const Case cases[] = {
      {{"Karimova Dilnoza", 2025, "Karimova Dilnoza 2025-2026.xlsx", LocalMinute{2025, 3, 14, 10, 12}, ""},
       "Karimova Dilnoza, 2025/2026 o'quv yili (Karimova Dilnoza 2025-2026.xlsx), 14.03.2025 10:12"},
      {{" \t\u00A0Karimova  Dilnoza\u3000\n", 2026, "", morning, ""},
       "Karimova  Dilnoza, 2026/2027 o'quv yili, 04.03.2026 09:05"},
      {{"", 2026, "", morning, ""}, "Nomsiz hisobot, 2026/2027 o'quv yili, 04.03.2026 09:05"},
      {{"\u2003", 0, "hisobot.xlsx", std::nullopt, ""}, "Nomsiz hisobot (hisobot.xlsx)"},
      {{"Ali\xFF ", 2026, "", LocalMinute{999, 12, 31, 23, 59}, ""}, "Ali\xFF, 2026/2027 o'quv yili, 31.12.0999 23:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(KeptReportDescription(c.facts), c.expected) << c.expected;
}

TEST(RecoveryTexts, CountTheReportsLeftUnsaved) {
  EXPECT_EQ(LeftUnsavedHeading(1), "Oldingi safardan 1 ta hisobot saqlab qo'yilgan:");
  EXPECT_EQ(LeftUnsavedHeading(12), "Oldingi safardan 12 ta hisobot saqlab qo'yilgan:");
}

}  // namespace
}  // namespace soatnoma::screen_view
