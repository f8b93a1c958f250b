// The school year a report is made for: the date's by default, a kept choice while it is
// still offered, and the years offered around it.
#include "report_sheet/school_year.h"

#include <gtest/gtest.h>

namespace soatnoma::report_sheet {
namespace {

TEST(SchoolYear, TheDateGivesTheDefaultAndTheYearsAroundIt) {
  EXPECT_EQ(DefaultSchoolYear(2027), 2027);
  EXPECT_EQ(OfferedSchoolYears(2027), (std::vector<int>{2026, 2027, 2028}));
  EXPECT_EQ(SchoolYearText(2026), "2026/2027");
  EXPECT_EQ(SchoolYearText(1999), "1999/2000");
}

TEST(SchoolYear, AKeptChoiceStandsWhileItIsOffered) {
  struct Case {
    int today;
    std::optional<int> kept;
    int chosen;
  };
  const Case cases[] = {
      {2027, std::nullopt, 2027}, {2027, 2026, 2026}, {2027, 2028, 2028}, {2027, 2027, 2027},
      {2027, 2025, 2027},         {2027, 2029, 2027}, {2029, 2028, 2028}, {2030, 2028, 2030},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChosenSchoolYear(c.today, c.kept), c.chosen) << c.today << " " << c.kept.value_or(0);
  }
}

TEST(SchoolYear, AKeptTextIsAYearOfFourDigitsOrNothing) {
  EXPECT_EQ(ReadKeptSchoolYear("2026"), 2026);
  for (const char* text : {"", "abc", "2026 ", " 2026", "2026/2027", "26", "-2026", "99999", "2026.0"}) {
    EXPECT_EQ(ReadKeptSchoolYear(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace soatnoma::report_sheet
