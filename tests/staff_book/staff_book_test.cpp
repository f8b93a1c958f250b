// The staff workbook's plan, shared by the desktop and the browser: the sheets' names and
// order, the summary's rows, formulas and total, and the name the file is offered under.
#include "staff_book/staff_book.h"

#include <gtest/gtest.h>

#include <variant>

#include "school_staff.h"
#include "report_sheet/report_file_name.h"

namespace soatnoma::staff_book {
namespace {

using testing::ReportOf;
using testing::Teacher;

const SummaryCell* CellAt(const SummarySheet& sheet, int row, int column) {
  for (const SummaryCell& cell : sheet.cells) {
    if (cell.row == row && cell.column == column) return &cell;
  }
  return nullptr;
}

TEST(StaffBook, TeachersFollowTheSummaryAndItsTotalAddsTheirSheets) {
  StaffBook book(2025);
  const std::vector<roster_rules::RosterTeacher> staff = {Teacher("Jami", "24", true), Teacher("O'tkir", "22,5", false),
                                                          Teacher("o'TKIR", "18", false)};
  std::vector<std::string> names;
  double annual = 0;
  for (const roster_rules::RosterTeacher& teacher : staff) {
    const report_sheet::ReportSheet report = ReportOf(teacher);
    annual += report.Cells().ReadNumber(5, 19);
    names.push_back(book.Add(teacher, report));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Jami (2)", "O'tkir", "o'TKIR (2)"}));

  const SummarySheet summary = book.Summary();
  EXPECT_EQ(summary.name, "Jami");
  ASSERT_NE(CellAt(summary, 1, 1), nullptr);
  EXPECT_EQ(CellAt(summary, 1, 1)->lastColumn, 9);
  EXPECT_EQ(CellAt(summary, 1, 1)->text,
            "12 - sonli maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi");
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

// A workbook takes 5000 teachers, the number its refusals name, and not one more; the
// desktop, the command line and the page refuse a larger staff by it.
TEST(StaffBook, AWorkbookTakesFiveThousandTeachersAndNoMore) {
  EXPECT_TRUE(WorkbookTakes(1));
  EXPECT_TRUE(WorkbookTakes(5000));
  EXPECT_FALSE(WorkbookTakes(5001));
  EXPECT_NE(TooManyTeachersMessage().find(" 5000 dan ortiq "), std::string::npos) << TooManyTeachersMessage();
  EXPECT_NE(TooLongListReason(5001).find("5001 ta qator bor, bir ro'yxatda esa ko'pi bilan 5000 ta o'qituvchi"),
            std::string::npos)
      << TooLongListReason(5001);
}

TEST(StaffBook, OneTeacherIsSummedAsOneCell) {
  StaffBook book(2025);
  const roster_rules::RosterTeacher teacher = Teacher("Vali", "24", true);
  book.Add(teacher, ReportOf(teacher));
  const SummarySheet summary = book.Summary();
  EXPECT_EQ(CellAt(summary, 5, 9)->formula, "SUM(I4)");
  // The signature lines stand two rows apart after a gap below the total.
  EXPECT_EQ(CellAt(summary, 7, 1)->text.rfind("Direktor:", 0), 0U);
  EXPECT_EQ(CellAt(summary, 9, 1)->text.rfind("O'quv ishlari", 0), 0U);
}

TEST(StaffBook, FileIsOfferedUnderTheRostersNameAndFitsAFileSystem) {
  const auto repeated = [](std::string_view text, int times) {
    std::string many;
    for (int i = 0; i < times; ++i) many += text;
    return many;
  };
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"xodimlar.csv", "xodimlar hisobotlari.xlsx"},
      {"12-maktab 2025.ro'yxat.xlsx", "12-maktab 2025.ro'yxat hisobotlari.xlsx"},
      {"/home/o'qituvchi/xodimlar.txt", "xodimlar hisobotlari.xlsx"},
      {"C:\\Hujjatlar\\Ro'yxat.CSV", "C__Hujjatlar_Ro'yxat hisobotlari.xlsx"},  // one name on Linux
      {"/home/o'qituvchi/a\\b.csv", "a_b hisobotlari.xlsx"},
      {"..csv", "Xodimlar hisobotlari.xlsx"},
      {".xodimlar.csv", "xodimlar hisobotlari.xlsx"},  // not hidden as the list is
      {"xodimlar\u202Evsc.xlsx", "xodimlarvsc hisobotlari.xlsx"},
      {"xodimlar", "xodimlar hisobotlari.xlsx"},
      {".csv", "Xodimlar hisobotlari.xlsx"},
      {"", "Xodimlar hisobotlari.xlsx"},
      // A hasty "Ha" to replacing the offered file must never put the result in the list's
      // place: a list named as an offer is offered another name, at any length.
      {"xodimlar hisobotlari.xlsx", "xodimlar hisobotlari hisobotlari.xlsx"},
      // A list named with 250 letters was offered a name of more than 255 bytes, which no
      // file system takes: the list's name is cut to 244 bytes (room for a browser's
      // ".crdownload"; where a cut may fall is the report file name's own test), the word
      // and the suffix kept, and never back to the list's own name.
      {repeated("a", 250) + ".csv", repeated("a", 227) + " hisobotlari.xlsx"},
      // The longest list that is named as an offer: cut back, it would be itself.
      {repeated("a", 227) + " hisobotlari.xlsx", repeated("a", 226) + " hisobotlari.xlsx"},
      {repeated("a", 227) + " HISOBOTLARI.XLSX", repeated("a", 226) + " hisobotlari.xlsx"},
      {repeated("a", 227) + ".csv", repeated("a", 227) + " hisobotlari.xlsx"},  // 244: fits as it is
  };
  for (const auto& [roster, offered] : cases) {
    EXPECT_EQ(StaffFileName(roster, "xlsx"), offered) << roster;
    EXPECT_LE(StaffFileName(roster, "pdf").size(), report_sheet::kMaxOfferedNameBytes);
    EXPECT_TRUE(StaffFileName(roster, "pdf").ends_with(" hisobotlari.pdf"));
  }
}

}  // namespace
}  // namespace soatnoma::staff_book
