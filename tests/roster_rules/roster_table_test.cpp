// The staff list as every edition lists it: a row's texts and the line that counts them.
#include "roster_rules/roster_table.h"

#include <gtest/gtest.h>

#include "model/number_text.h"
#include "roster_rules/roster_csv.h"

namespace soatnoma::roster_rules {
namespace {

using Texts = std::array<std::string, kRosterColumnCount>;

TEST(RosterTable, ARowsTextsAreItsLineWhoItIsAndItsHoursOrWhyNot) {
  const Roster roster = ReadRoster(
      "ism;maktab;fan;toifa;soat;stavka\n"
      "Aliyev Vali;12;fizika;yuqori;24,5;19\n"
      "Karimova Gul;7;tarix;bilmayman;20;\n"
      "Soatsiz;3;kimyo;boshlangich;;\n");
  ASSERT_EQ(roster.rows.size(), 3u);
  const Texts ready = RosterRowTexts(roster.rows[0]);
  EXPECT_EQ(ready[kLineColumn], "2");
  EXPECT_EQ(ready[kNameColumn], "Aliyev Vali");
  EXPECT_EQ(ready[kSchoolColumn], "12");
  EXPECT_EQ(ready[kSubjectColumn], "fizika");
  EXPECT_EQ(ready[kWeeklyHoursColumn], "24,5");
  // The yearly total with the decimal comma, as the status line writes numbers.
  EXPECT_EQ(ready[kAnnualTotalColumn], DecimalCommaText(roster.rows[0].teacher->annualTotal));
  EXPECT_GT(roster.rows[0].teacher->annualTotal, 0);
  EXPECT_EQ(ready[kStatusColumn], "Tayyor");
  for (const RosterRow& refused : {roster.rows[1], roster.rows[2]}) {
    const Texts texts = RosterRowTexts(refused);
    EXPECT_EQ(texts[kLineColumn], std::to_string(refused.line));
    EXPECT_EQ(texts[kWeeklyHoursColumn], "");
    EXPECT_EQ(texts[kAnnualTotalColumn], "");
    // The reason without its line: the line stands in the first column.
    ASSERT_TRUE(refused.problem);
    EXPECT_EQ(texts[kStatusColumn], refused.problem->reason);
    EXPECT_EQ(texts[kStatusColumn].find("qator "), std::string::npos);
  }
}

TEST(RosterTable, TheSummaryCountsReadyTeachersAndRefusedRows) {
  const char* header = "ism;maktab;fan;toifa;soat\n";
  struct Case {
    std::string rows;
    const char* summary;
  };
  const Case cases[] = {
      {"", "Ro'yxatda o'qituvchi yo'q."},
      {"A;1;f;yuqori;24\nB;1;f;yuqori;abc\nC;1;f;yuqori;20\n", "Tayyor: 2 ta o'qituvchi. Rad etilgan: 1 ta qator."},
      {"B;1;f;yuqori;abc\n", "Tayyor: 0 ta o'qituvchi. Rad etilgan: 1 ta qator."},
      // Not UTF-8: read in the Windows-1251 code page, and said first.
      {"\xC0\xEB\xE8;1;f;yuqori;24\n",
       "Fayl Windows-1251 kodlashida o'qildi. Tayyor: 1 ta o'qituvchi. Rad etilgan: 0 ta qator."},
  };
  for (const Case& c : cases) EXPECT_EQ(RosterSummaryText(ReadRoster(header + c.rows)), c.summary) << c.rows;
}

}  // namespace
}  // namespace soatnoma::roster_rules
