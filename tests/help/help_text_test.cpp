// "Yordam" and "Namuna": the how-to names every column a staff list may have and the school
// year's choice, and the staff list window opens it at a section that is there; the example
// list's notes sheet tells of every column.
#include "help/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "report_sheet/school_year.h"
#include "roster_rules/example_roster.h"
#include "roster_rules/roster_columns.h"

namespace soatnoma::help {
namespace {

const HelpSection* SectionNamed(const std::vector<HelpSection>& sections, std::string_view heading) {
  const auto found = std::find_if(sections.begin(), sections.end(),
                                  [heading](const HelpSection& section) { return section.heading == heading; });
  return found == sections.end() ? nullptr : &*found;
}

TEST(HelpText, TellsOfEveryColumnAndOfTheSchoolYear) {
  const std::vector<HelpSection> sections = HelpSections();
  std::set<std::string> headings;
  for (const HelpSection& section : sections) {
    EXPECT_TRUE(headings.insert(section.heading).second) << section.heading;
    EXPECT_FALSE(section.paragraphs.empty()) << section.heading;
  }
  ASSERT_NE(SectionNamed(sections, kStaffListHeading), nullptr);
  const HelpSection* year = SectionNamed(sections, report_sheet::kSchoolYearCaption);
  ASSERT_NE(year, nullptr);
  EXPECT_NE(year->paragraphs.front().find("2027/2028"), std::string::npos);
  const HelpSection* columns = SectionNamed(sections, "Ro'yxat ustunlari");
  ASSERT_NE(columns, nullptr);
  for (const roster_rules::RosterColumn& column : roster_rules::RosterColumns()) {
    const std::string told = std::string(column.names) + " - " + std::string(column.holds);
    EXPECT_TRUE(std::any_of(columns->paragraphs.begin(), columns->paragraphs.end(),
                            [&told](const std::string& paragraph) { return paragraph.starts_with(told); }))
        << column.names;
  }
}

// That the example reads back with every teacher ready, in both forms, is the staff files'
// own test.
TEST(ExampleRoster, ItsNotesTellOfEveryColumn) {
  const std::vector<roster_rules::ExampleSheet> sheets = roster_rules::ExampleRosterSheets();
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_TRUE(sheets[0].headingRow);
  EXPECT_EQ(sheets[0].rows.size(), 5u);
  for (const roster_rules::RosterColumn& column : roster_rules::RosterColumns()) {
    EXPECT_TRUE(std::any_of(sheets[1].rows.begin(), sheets[1].rows.end(), [&column](const auto& row) {
      return std::get<std::string>(row[0]) == column.names && std::get<std::string>(row[1]) == column.holds;
    })) << column.names;
  }
}

}  // namespace
}  // namespace soatnoma::help
