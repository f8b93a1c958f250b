// The staff workbook's plan, shared by the desktop and the browser: the sheets' names and
// order, the summary's rows, formulas and total, and the name the file is offered under.
#include "staff_book/staff_book.h"

#include <gtest/gtest.h>

#include <variant>

#include "form/report_builder.h"

namespace soatnoma::batch {
namespace {

RosterTeacher Teacher(std::string name, std::string weekly, bool leader) {
  RosterTeacher teacher;
  teacher.name = std::move(name);
  teacher.school = "12";
  teacher.subject = "Fizika";
  teacher.weeklyHours = std::move(weekly);
  teacher.rate = "20";
  teacher.classLeader = leader;
  return teacher;
}

ReportSheet ReportOf(const RosterTeacher& teacher) {
  return std::get<ReportSheet>(BuildReport(ReportRequestFor(teacher, 2025)));
}

const SummaryCell* CellAt(const SummarySheet& sheet, int row, int column) {
  for (const SummaryCell& cell : sheet.cells) {
    if (cell.row == row && cell.column == column) return &cell;
  }
  return nullptr;
}

TEST(StaffBook, TeachersFollowTheSummaryAndItsTotalAddsTheirSheets) {
  StaffBook book(2025);
  const std::vector<RosterTeacher> staff = {Teacher("Jami", "24", true), Teacher("O'tkir", "22,5", false),
                                            Teacher("o'TKIR", "18", false)};
  std::vector<std::string> names;
  double annual = 0;
  for (const RosterTeacher& teacher : staff) {
    const ReportSheet report = ReportOf(teacher);
    annual += report.Cells().ReadNumber(5, 19);
    names.push_back(book.Add(teacher, report));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Jami (2)", "O'tkir", "o'TKIR (2)"}));

  const SummarySheet summary = book.Summary();
  EXPECT_EQ(summary.name, "Jami");
  ASSERT_NE(CellAt(summary, 1, 1), nullptr);
  EXPECT_EQ(CellAt(summary, 1, 1)->lastColumn, 9);
  EXPECT_EQ(CellAt(summary, 1, 1)->text, "12 - sonli maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi");
  // Each teacher's row: its number in the list, the texts, the hours as read (a decimal
  // comma too) and the total from its sheet.
  EXPECT_EQ(CellAt(summary, 3, 1)->text, "№");
  for (int row = 4; row <= 6; ++row) {
    EXPECT_EQ(CellAt(summary, row, 1)->kind, SummaryCellKind::Number);
    EXPECT_EQ(CellAt(summary, row, 1)->number, row - 3);
  }
  EXPECT_EQ(CellAt(summary, 5, 2)->text, "O'tkir");
  const SummaryCell* second = CellAt(summary, 5, 9);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->formula, "'O''tkir'!S5");
  EXPECT_EQ(CellAt(summary, 5, 6)->number, 22.5);
  EXPECT_EQ(CellAt(summary, 4, 8)->text, "ha");
  EXPECT_EQ(CellAt(summary, 6, 8)->text, "yo'q");
  // The total row under the last teacher adds the hours and the annual totals; its label
  // stands across the number and the name.
  EXPECT_EQ(CellAt(summary, 7, 1)->text, "Jami");
  EXPECT_EQ(CellAt(summary, 7, 1)->lastColumn, 2);
  EXPECT_EQ(CellAt(summary, 7, 6)->formula, "SUM(F4:F6)");
  EXPECT_EQ(CellAt(summary, 7, 6)->number, 64.5);
  EXPECT_EQ(CellAt(summary, 7, 9)->formula, "SUM(I4:I6)");
  EXPECT_EQ(CellAt(summary, 7, 9)->number, annual);
  EXPECT_EQ(CellAt(summary, 7, 7)->kind, SummaryCellKind::Blank);
  // Every cell names a format of the sheet, each format once.
  for (const SummaryCell& cell : summary.cells) EXPECT_LT(cell.format, summary.formats.size());
  for (std::size_t i = 0; i < summary.formats.size(); ++i) {
    for (std::size_t j = i + 1; j < summary.formats.size(); ++j) EXPECT_FALSE(summary.formats[i] == summary.formats[j]);
  }
}

TEST(StaffBook, OneTeacherIsSummedAsOneCell) {
  StaffBook book(2025);
  const RosterTeacher teacher = Teacher("Vali", "24", true);
  book.Add(teacher, ReportOf(teacher));
  const SummarySheet summary = book.Summary();
  EXPECT_EQ(CellAt(summary, 5, 9)->formula, "SUM(I4)");
  // The signature lines stand two rows apart after a gap below the total.
  EXPECT_EQ(CellAt(summary, 7, 1)->text.rfind("Direktor:", 0), 0U);
  EXPECT_EQ(CellAt(summary, 9, 1)->text.rfind("O'quv ishlari", 0), 0U);
}

TEST(StaffBook, FileIsOfferedUnderTheRostersName) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"xodimlar.csv", "xodimlar.xlsx"},
      {"12-maktab 2025.ro'yxat.xlsx", "12-maktab 2025.ro'yxat.xlsx"},
      {"/home/o'qituvchi/xodimlar.txt", "xodimlar.xlsx"},
      {"C:\\Hujjatlar\\Ro'yxat.CSV", "Ro'yxat.xlsx"},
      {"xodimlar", "xodimlar.xlsx"},
      {".csv", "Xodimlar.xlsx"},
      {"", "Xodimlar.xlsx"},
  };
  for (const auto& [roster, offered] : cases) EXPECT_EQ(StaffFileName(roster, "xlsx"), offered) << roster;
}

}  // namespace
}  // namespace soatnoma::batch
