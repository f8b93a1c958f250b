// The summary "Jami" as it prints ahead of the teachers' pages: the title on the first page,
// the headings on every page, each teacher once and in order, long texts wrapped inside
// their cells, the total and the signatures on the last page beside a teacher, nothing
// beyond the margins, and page numbers once there is more than one page.
#include "staff_book/summary_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "even_metrics.h"
#include "school_staff.h"
#include "staff_book/staff_book.h"

namespace soatnoma::staff_book {
namespace {

using soatnoma::testing::EvenMetrics;

SummaryRow Teacher(int number, std::string name = {}) {
  return testing::SummaryRowOf(name.empty() ? "O'qituvchi " + std::to_string(number) : std::move(name), 1000 + number,
                               number % 2 ? "12" : "7");
}

std::string TextOf(const sheet_layout::SheetBox& box) {
  std::string text;
  for (const sheet_layout::SheetTextLine& line : box.lines) text += (text.empty() ? "" : " ") + line.text;
  return text;
}

bool Holds(const SummaryPrintPage& page, const std::string& text) {
  return std::any_of(page.boxes.begin(), page.boxes.end(),
                     [&](const sheet_layout::SheetBox& box) { return TextOf(box).find(text) == 0; });
}

// The number at the foot of the page: the one box of no cell.
std::string PageNumberOf(const SummaryPrintPage& page) {
  for (const sheet_layout::SheetBox& box : page.boxes) {
    if (box.row == 0 && box.column == 0) return TextOf(box);
  }
  return {};
}

SummaryPrint Print(const std::vector<SummaryRow>& rows) {
  EvenMetrics metrics;
  return LaySummaryPages(DescribeStaffSummary(rows, 2026), report_sheet::ReportSheet().Font(), metrics);
}

TEST(SummaryPages, AFewTeachersSignOnOnePage) {
  const SummaryPrint print = Print({Teacher(1), Teacher(2), Teacher(3)});
  EXPECT_NEAR(print.paperWidth, 841.89, 0.01);
  EXPECT_NEAR(print.paperHeight, 595.28, 0.01);
  ASSERT_EQ(print.pages.size(), 1U);
  const SummaryPrintPage& page = print.pages.front();
  for (const char* text :
       {"12, 7 - sonli maktablar o'qituvchilarining 2026/2027", "№", "Familiya va ism", "O'qituvchi 3", "Jami", "72",
        "3006", "Direktor:", "O'quv ishlari bo'yicha direktor o'rinbosari:"}) {
    EXPECT_TRUE(Holds(page, text)) << text;
  }
  EXPECT_EQ(PageNumberOf(page), "") << "one page needs no number";
  // The columns fill the width between the margins, the number column first.
  double left = 1e9;
  double right = 0;
  for (const sheet_layout::SheetBox& box : page.boxes) {
    left = std::min(left, box.rect.left);
    right = std::max(right, box.rect.left + box.rect.width);
  }
  EXPECT_NEAR(left, 0.7 * 72, 1e-6);
  EXPECT_NEAR(right, print.paperWidth - 0.7 * 72, 1e-6);
}

TEST(SummaryPages, ManyTeachersRunOnWithTheHeadingsAndEndWithTheSignatures) {
  std::vector<SummaryRow> rows;
  for (int i = 1; i <= 70; ++i) rows.push_back(Teacher(i));
  rows[10] = Teacher(11, std::string(120, 'W'));  // wraps onto several lines of its cell
  const SummaryPrint print = Print(rows);
  ASSERT_GE(print.pages.size(), 3U);
  EXPECT_TRUE(Holds(print.pages.front(), "12, 7 - sonli maktablar"));
  std::vector<int> teachers;
  for (std::size_t i = 0; i < print.pages.size(); ++i) {
    const SummaryPrintPage& page = print.pages[i];
    EXPECT_TRUE(Holds(page, "Familiya va ism")) << i;
    EXPECT_EQ(Holds(page, "Direktor:"), i + 1 == print.pages.size()) << i;
    EXPECT_EQ(Holds(page, "12, 7 - sonli"), i == 0) << i;
    EXPECT_EQ(PageNumberOf(page), std::to_string(i + 1));
    int teachersHere = 0;
    for (const sheet_layout::SheetBox& box : page.boxes) {
      EXPECT_GE(box.rect.top, 0.75 * 72 - 1e-6);
      if (box.column == 2 && box.row > 3 && box.row <= 73) {
        teachers.push_back(box.row - 3);
        ++teachersHere;
        EXPECT_LE(box.rect.top + box.rect.height, print.paperHeight - 0.75 * 72 + 1e-6) << box.row;
        EXPECT_FALSE(box.overflows) << box.row;
        if (box.row == 14) {
          EXPECT_GE(box.lines.size(), 3U);
        }
      }
    }
    EXPECT_GE(teachersHere, 1) << i;
  }
  std::vector<int> inOrder(70);
  for (int i = 0; i < 70; ++i) inOrder[static_cast<std::size_t>(i)] = i + 1;
  EXPECT_EQ(teachers, inOrder);
}

}  // namespace
}  // namespace soatnoma::staff_book
