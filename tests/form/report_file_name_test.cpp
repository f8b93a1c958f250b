// The file name a report is offered under, the same on the desktop and in the browser.
#include "form/report_file_name.h"

#include <gtest/gtest.h>

namespace soatnoma {
namespace {

TEST(ReportFileName, NamesTheTeacherAndTheSchoolYear) {
  struct Case {
    std::string_view name;
    int year;
    std::string_view suffix;
    std::string_view expected;
  };
  const Case cases[] = {
      {"Familiya Ism", 2025, "xlsx", "Familiya Ism 2025-2026.xlsx"},
      {"  A/B: \"C\"  ", 2024, "pdf", "A_B_ _C_ 2024-2025.pdf"},
      {"", 2025, "xlsx", "Soatnoma 2025-2026.xlsx"},
      {" \t\u00A0 ", 2025, "xlsx", "Soatnoma 2025-2026.xlsx"},
      {"Oʻgʻiloy\t\u2003 Ёқубова", 2026, "xlsx", "Oʻgʻiloy Ёқубова 2026-2027.xlsx"},
      {"a*b?c<d>e|f\\g\x01h", 2026, "xlsx", "a_b_c_d_e_f_g_h 2026-2027.xlsx"},
      {"Ali\xFF", 2026, "xlsx", "Ali\uFFFD 2026-2027.xlsx"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReportFileName(c.name, c.year, c.suffix), c.expected) << c.name;
}

}  // namespace
}  // namespace soatnoma
