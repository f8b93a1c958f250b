// A staff workbook as a document: told from a report and from a stranger's workbook, its
// teachers read from the summary the staff book describes, the notes of corrections kept
// per sheet, and the summary's stored results once a teacher's yearly total changes.
#include "staff_book/staff_workbook_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "staff_book/staff_summary.h"
#include "workbook_package/workbook_notes.h"
#include "staff_book/staff_workbook_texts.h"
#include "staff_book/stored_summary.h"
#include "school_staff.h"

namespace soatnoma::staff_book {
namespace {

using testing::Stored;

SummaryRow Row(std::string name, double total) { return testing::SummaryRowOf(std::move(name), total); }

// The program's own reference read back whatever the sheet's name, and as spreadsheet
// programs write it back: a plain name without quotes, absolute or mixed rows and columns.
TEST(StaffWorkbookFile, TheSheetOfAYearlyTotalIsReadBackAsSpreadsheetProgramsWriteIt) {
  for (const std::string name : {"Vali", "O'tkir", "A ''B''", "Jami (2)", "x!y"}) {
    EXPECT_EQ(SheetOfAnnualTotal(AnnualTotalFormula(name)), name) << name;
  }
  const std::pair<const char*, const char*> written[] = {
      {"Ali!S5", "Ali"},
      {"'Ali'!$S$5", "Ali"},
      {"Ali!$S5", "Ali"},
      {"Vali_2!S$5", "Vali_2"},
      {"O\u02bbtkir!S5", "O\u02bbtkir"},
      {"'Aliyev Vali'!$S$5", "Aliyev Vali"},
  };
  for (const auto& [formula, sheet] : written) EXPECT_EQ(SheetOfAnnualTotal(formula), sheet) << formula;
  for (const char* other : {"SUM(I4:I7)", "'Vali'!S6", "'Va'li'!S5", "''!S5", "", "#REF!", "#REF!S5", "Va li!S5",
                            "'Vali'!S$$5", "'Vali'!S5$", "!S5", "Vali!S5:S6"}) {
    EXPECT_EQ(SheetOfAnnualTotal(other), std::nullopt) << other;
  }
}

TEST(StaffWorkbookFile, KindIsToldByTheMarkOrBySummaryFirst) {
  const workbook_package::CustomProperty report{"Soatnoma", "yillik taqsimot, 1-shakl", std::nullopt};
  const workbook_package::CustomProperty staff{"Soatnoma", std::string(kStaffWorkbookMark), std::nullopt};
  const workbook_package::CustomProperty other{"Muallif", "kimdir", std::nullopt};
  const std::string title = "12 - sonli maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi";
  struct Case {
    std::vector<workbook_package::CustomProperty> properties;
    std::vector<std::string> sheets;
    std::string title;
    WorkbookKind kind;
  };
  const Case cases[] = {
      {{report}, {"Soatnoma"}, "", WorkbookKind::Report},
      {{staff}, {"Jami", "Vali"}, title, WorkbookKind::Staff},
      {{}, {"Jami", "Vali"}, title, WorkbookKind::Staff},  // written before the mark
      {{other}, {"Jami", "Vali"}, title, WorkbookKind::Staff},
      {{}, {"Jami"}, title, WorkbookKind::Stranger},
      {{}, {"Sheet1", "Vali"}, title, WorkbookKind::Stranger},
      {{}, {"Jami", "Vali"}, "Jami", WorkbookKind::Stranger},
      {{{"Soatnoma", "boshqa", std::nullopt}}, {"Jami", "Vali"}, title, WorkbookKind::Stranger},
      {{}, {"Vali", "Jami"}, title, WorkbookKind::Staff},  // "Jami" moved off the first place
  };
  for (const Case& c : cases) EXPECT_EQ(KindOfWorkbook(c.properties, c.sheets, c.title), c.kind) << c.sheets.front();
}

// The summary as a spreadsheet program may leave it: a heading row and a blank row inserted
// between the teachers, references written its own way, a sheet deleted (#REF!), a total
// naming a sheet that is not there, a second row of one sheet, a sheet no row refers to, and
// totals stored as no number. Every row and every sheet is listed; none is dropped.
TEST(StaffWorkbookFile, NoTeacherOfTheSummaryOrOfTheSheetsIsDropped) {
  const std::vector<SummaryRow> rows = {Row("Ali", 100),  Row("Vali", 200), Row("Gani", 300),
                                        Row("Soli", 400), Row("Olim", 500), Row("Zokir", 600)};
  std::vector<StoredSheetCell> cells = Stored(DescribeStaffSummary(rows, 2025));
  const int total = 9;
  for (StoredSheetCell& cell : cells) {
    if (cell.row >= 5) cell.row += 2;  // a heading row and a blank row inserted below Ali
    if (cell.column != total) continue;
    if (cell.row == 4) cell.formula = "Ali!S5";
    if (cell.row == 7) cell.formula = "'Vali'!$S$5";
    if (cell.row == 8) cell.formula = "#REF!";
    if (cell.row == 9) cell.formula = "'Yoq'!S5";
    if (cell.row == 10) cell.formula = "Ali!S5";
    if (cell.row == 11) cell.number = std::nullopt;  // "NaN" or "1e400" as stored
  }
  cells.push_back({5, 2, "Boshlang'ich sinflar", std::nullopt, ""});
  const auto listed = StaffTeachers(cells, {"Ali", "Vali", "Jami", "Zokir", "Gani", "Qodir"});
  ASSERT_TRUE(listed);
  struct Expected {
    std::string sheet;
    std::string teacher;
    bool openable;
    std::string reasonHas;
  };
  const std::vector<Expected> expected = {
      {"Ali", "Ali", true, ""},          {"Vali", "Vali", true, ""},         {"", "Gani", false, "#REF!"},
      {"", "Soli", false, "\"Yoq\""},    {"", "Olim", false, "yuqoriroqda"}, {"Zokir", "Zokir", true, ""},
      {"Gani", "", false, "qator yo'q"}, {"Qodir", "", false, "qator yo'q"},
  };
  ASSERT_EQ(listed->size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const StaffTeacherSheet& row = (*listed)[i];
    EXPECT_EQ(row.sheetName, expected[i].sheet) << i;
    EXPECT_EQ(row.teacher, expected[i].teacher) << i;
    EXPECT_EQ(row.Openable(), expected[i].openable) << i;
    EXPECT_NE(row.unmatched.find(expected[i].reasonHas), std::string::npos) << i << ": " << row.unmatched;
    EXPECT_EQ(ListedNote(row).empty(), expected[i].openable && row.totalUnread.empty()) << i;
  }
  EXPECT_EQ((*listed)[1].annualTotal, 200);
  EXPECT_EQ((*listed)[5].totalUnread.empty(), false) << "a total stored as no number is not listed as 0";
  EXPECT_EQ(ListedTotalText((*listed)[5]), "\u2014");
  EXPECT_NE(ListedNote((*listed)[5]).find("son emas"), std::string::npos);
  EXPECT_EQ(ListedTotalText((*listed)[1]), "200");
  EXPECT_FALSE(StaffTeachers({}, {"Jami"})) << "no summary to read the teachers from";
}

TEST(StaffWorkbookFile, TheSummaryIsReadWhereverItStands) {
  const workbook_package::CustomProperty report{"Soatnoma", "yillik taqsimot, 1-shakl", std::nullopt};
  EXPECT_EQ(SheetReadFirst({}, {"Ali", "Vali", "Jami"}), 2u);
  EXPECT_EQ(SheetReadFirst({}, {"Ali", "Vali"}), 0u);
  EXPECT_EQ(SheetReadFirst({report}, {"Ali", "Jami"}), 0u) << "a report reads its own sheet";
}

TEST(StaffWorkbookFile, EachSheetKeepsItsOwnNotes) {
  const std::vector<workbook_package::CustomProperty> before = {
      {"Soatnoma", "yillik taqsimot, 1-shakl", std::nullopt},
      {workbook_package::SheetComputedHoursPropertyName("Vali", 8, 3), {}, 10},
      {workbook_package::SheetComputedHoursPropertyName("O'tkir!", 9, 4), {}, 7},
      {"Muallif", "kimdir", std::nullopt}};
  const std::vector<workbook_package::CustomProperty> after =
      PropertiesWithSheetNotes(before, "Vali", workbook_package::WorkbookNotes{{{10, 5, 3.5}}});
  ASSERT_EQ(after.size(), 4u);
  EXPECT_EQ(after[0].text, kStaffWorkbookMark);
  EXPECT_EQ(after[1].name, workbook_package::SheetComputedHoursPropertyName("O'tkir!", 9, 4));
  EXPECT_EQ(after[2].name, "Muallif");
  const std::vector<workbook_package::CustomProperty> vali = PropertiesOfSheet(after, "Vali");
  ASSERT_EQ(vali.size(), 1u);
  EXPECT_EQ(vali[0].name, workbook_package::ComputedHoursPropertyName(10, 5));
  EXPECT_EQ(vali[0].number, 3.5);
  const std::vector<workbook_package::CustomProperty> other = PropertiesOfSheet(after, "O'tkir!");
  ASSERT_EQ(other.size(), 1u);
  EXPECT_EQ(other[0].name, workbook_package::ComputedHoursPropertyName(9, 4));
  // A workbook written before staff workbooks carried the mark is marked once saved into.
  const std::vector<workbook_package::CustomProperty> marked = PropertiesWithSheetNotes({}, "Vali", {});
  ASSERT_FALSE(marked.empty());
  EXPECT_EQ(marked.front().text, kStaffWorkbookMark);
}

TEST(StaffWorkbookFile, ASavedTotalStoresTheSummarysSumsAnew) {
  const std::vector<SummaryRow> rows = {Row("A", 100), Row("B", 200), Row("C", 300)};
  const std::vector<StoredCellChange> changes = SummaryCellChanges(Stored(DescribeStaffSummary(rows, 2025)), "B", 250);
  const auto at = [&](int row, int column) -> std::optional<double> {
    for (const StoredCellChange& change : changes) {
      if (change.row == row && change.column == column) return change.value;
    }
    return std::nullopt;
  };
  EXPECT_EQ(at(5, 9), 250);           // B's yearly total
  EXPECT_EQ(at(7, 9), 650);           // the staff's total
  EXPECT_EQ(at(7, 6), 72);            // the weekly hours, as they were
  EXPECT_EQ(at(4, 9), std::nullopt);  // A's is not touched
}

// The properties' part a save writes, every name and text escaped, each property numbered
// from 2; and the words of the list of teachers.
TEST(StaffWorkbookFile, PropertiesArePartOfTheWorkbookAsItStoresThem) {
  const std::string xml = workbook_package::CustomPropertiesPart(std::vector<workbook_package::CustomProperty>{
      {"Soatnoma", "a&b <c> \"d\"", std::nullopt},
      {workbook_package::SheetComputedHoursPropertyName("O'tkir \"&\" Co", 8, 3), {}, 2.5}});
  EXPECT_NE(xml.find(R"(pid="2" name="Soatnoma"><vt:lpwstr>a&amp;b &lt;c&gt; "d"</vt:lpwstr>)"), std::string::npos)
      << xml;
  EXPECT_NE(xml.find(R"(pid="3" name="Soatnoma hisoblangan O'tkir &quot;&amp;&quot; Co!C8"><vt:r8>2.5</vt:r8>)"),
            std::string::npos)
      << xml;
  EXPECT_EQ(StaffTotalText(1935.5), "1935.5");  // the command line's listing
  EXPECT_EQ(StaffTeacherQuestion("x.xlsx").rfind("\"x.xlsx\" - xodimlar kitobi.", 0), 0u);
}

// A staff workbook printed as it stands: every teacher's row read back as the summary holds
// it (name, school, subject, the category and class leadership in words, the numbers), the
// title as stored, and a total saved into the workbook (1548 corrected to 1550) in its row
// and in the staff's total.
TEST(StaffWorkbookFile, TheSummaryPrintsAsTheWorkbookStoresIt) {
  std::vector<SummaryRow> rows = {Row("Vali Karimov", 1200), Row("Oʻtkir", 1548), Row("A 'B'", 900.5)};
  rows[1].category = TeacherCategory::Primary;
  rows[1].classLeader = true;
  rows[1].rate = 18;
  rows[1].subject = "fizika";
  rows[2].school = "7";
  std::vector<StoredSheetCell> stored = Stored(DescribeStaffSummary(rows, 2031));
  for (const StoredCellChange& change : SummaryCellChanges(stored, "Oʻtkir", 1550)) {
    for (StoredSheetCell& cell : stored) {
      if (cell.row == change.row && cell.column == change.column) cell.number = change.value;
    }
  }
  const auto teachers = StaffTeachers(stored, {"Jami", "Vali Karimov", "Oʻtkir", "A 'B'"});
  ASSERT_TRUE(teachers);
  const SummarySheet printed = StoredSummary(stored, *teachers);

  rows[1].annualTotal = 1550;
  const SummarySheet expected = DescribeStaffSummary(rows, 2031);
  ASSERT_EQ(printed.cells.size(), expected.cells.size());
  for (std::size_t i = 0; i < expected.cells.size(); ++i) {
    const SummaryCell& want = expected.cells[i];
    const SummaryCell& got = printed.cells[i];
    EXPECT_EQ(std::tie(got.row, got.column, got.lastColumn, got.kind, got.text, got.formula, got.format),
              std::tie(want.row, want.column, want.lastColumn, want.kind, want.text, want.formula, want.format))
        << want.row << ":" << want.column;
    EXPECT_EQ(got.number, want.number) << want.row << ":" << want.column;
  }
  EXPECT_EQ(printed.cells.front().text.find("12, 7 - sonli maktablar"), 0u);
  EXPECT_EQ(printed.totalRow, expected.totalRow);
}

}  // namespace
}  // namespace soatnoma::staff_book
