// Staff lists as school offices keep them: a workbook's first sheet read like the CSV
// file, the form of a file told by its content, files that are no roster refused with a
// reason, and the example roster, which opens with every teacher ready.
#include "staff_files/roster_source.h"
#include "roster_rules/roster_csv.h"

#include <gtest/gtest.h>
#include <tuple>
#include <variant>
#include <xlsxwriter.h>
#include <zip.h>

#include "roster_rules/workbook_records.h"
#include "staff_files/example_roster.h"
#include "report_test_support.h"

namespace soatnoma::staff_files {
namespace {

using soatnoma::testing::ReadFile;
using soatnoma::testing::ScratchFolder;
using soatnoma::testing::WriteFile;

// A staff list kept in a workbook, as people fill one in: a title above the table, numbers
// typed as numbers, a school number typed as text, TRUE for a class leader, a formula for a name and one for
// the weekly hours, an empty row, a column of notes the roster does not know, and two rows
// that must be refused. With constantMemory the texts stand in the cells themselves
// instead of the shared texts.
void WriteStaffWorkbook(const std::string& path, bool constantMemory) {
  using namespace std::string_literals;
  using Cell = std::variant<std::monostate, std::string, double, bool>;
  const std::vector<std::pair<lxw_row_t, std::vector<Cell>>> rows = {
      {0, {"12-maktab o'qituvchilari"s}},  // the title in A1 above the table, the header on row 2
      {1, {"Ism"s, "Maktab"s, "Fan"s, "Toifa"s, "Soat"s, "Stavka"s, "Rahbar"s, "Izoh"s}},
      {2, {"Karimova Dilnoza"s, 12.0, "Ona tili"s, "yuqori"s, 24.0, {}, "ha"s, "yangi"s}},
      {4, {"Oʻtkir Toshmatov"s, "12"s, "fizika"s, "boshlang'ich"s, 22.5, 18.0, true}},
      {5, {"Kam Soat"s, 7.0, "tarix"s, "yuqori"s, 9.0}},
      {6, {{}, 5.0, "algebra"s, "yuqori"s, {}, 22.0, 0.0}},
      {8, {"Stavka Nol"s, 3.0, "musiqa"s, "boshlangich"s, "12,5"s, 0.0}},
  };
  lxw_workbook_options options{};
  options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
  lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Xodimlar");
  workbook_add_worksheet(workbook, "Boshqa");
  for (const auto& [row, cells] : rows) {
    for (std::size_t at = 0; at < cells.size(); ++at) {
      const Cell& cell = cells[at];
      const auto column = static_cast<lxw_col_t>(at);
      if (const auto* text = std::get_if<std::string>(&cell))
        worksheet_write_string(sheet, row, column, text->c_str(), nullptr);
      if (const auto* number = std::get_if<double>(&cell)) worksheet_write_number(sheet, row, column, *number, nullptr);
      if (const auto* truth = std::get_if<bool>(&cell)) worksheet_write_boolean(sheet, row, column, *truth, nullptr);
    }
    if (row == 6) {
      worksheet_write_formula_str(sheet, 6, 0, "=\"Ali\"&\"yev\"", nullptr, "Aliyev");
      worksheet_write_formula_num(sheet, 6, 4, "=20+7.5", nullptr, 27.5);
    }
  }
  ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);
}

std::vector<std::string> Described(const roster_rules::Roster& roster) {
  std::vector<std::string> described;
  for (const roster_rules::RosterProblem& problem : roster.Problems())
    described.push_back(roster_rules::DescribeProblem(problem));
  return described;
}

TEST(WorkbookRoster, FirstSheetReadsAsTheSameRowsWouldFromCsv) {
  const ScratchFolder folder;
  for (const bool constantMemory : {false, true}) {
    SCOPED_TRACE(constantMemory ? "texts in the cells" : "shared texts");
    const std::string path = folder.File(constantMemory ? "inline.xlsx" : "shared.xlsx");
    WriteStaffWorkbook(path, constantMemory);
    const LoadedRoster loaded = LoadRoster(path);
    ASSERT_TRUE(loaded.ok) << loaded.message;
    EXPECT_FALSE(loaded.roster.readAsWindows1251);
    const std::vector<roster_rules::RosterTeacher> teachers = loaded.roster.Teachers();
    ASSERT_EQ(teachers.size(), 3u);
    // Line N is row N of the sheet, also across the empty row 4.
    EXPECT_EQ(Described(loaded.roster), (std::vector<std::string>{
                                            "qator 6: soat \"9\": 10 soatdan kam dars uchun soatnoma shart emas.",
                                            "qator 9: stavka \"0\": Dars stavkasi noto'g'ri kiritildi!",
                                        }));
    // The teachers are the same, and as ready, as from the CSV file of the same rows; their
    // lines are the sheet's rows 3, 5 and 7.
    const roster_rules::Roster fromCsv = roster_rules::ReadRoster(
        "ism;maktab;fan;toifa;soat;stavka;rahbar\n"
        "Karimova Dilnoza;12;Ona tili;yuqori;24;;ha\n\n"
        "Oʻtkir Toshmatov;12;fizika;boshlang'ich;22.5;18;1\n"
        "Kam Soat;7;tarix;yuqori;9;;\n"
        "Aliyev;5;algebra;yuqori;27.5;22;0\n\n"
        "Stavka Nol;3;musiqa;boshlangich;12,5;0;\n");
    const auto fields = [](const roster_rules::RosterTeacher& t) {
      return std::tie(t.name, t.school, t.subject, t.weeklyHours, t.rate, t.category, t.classLeader, t.annualTotal);
    };
    const std::vector<roster_rules::RosterTeacher> csvTeachers = fromCsv.Teachers();
    ASSERT_EQ(csvTeachers.size(), teachers.size());
    for (std::size_t i = 0; i < teachers.size(); ++i) {
      EXPECT_EQ(teachers[i].line, static_cast<int>(3 + 2 * i));
      EXPECT_EQ(fields(teachers[i]), fields(csvTeachers[i])) << teachers[i].name;
    }
  }
}

// Writes a zip package holding the given entries.
void WriteZip(const std::string& path, const std::vector<std::pair<std::string, std::string>>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr);
  for (const auto& [name, content] : entries) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    ASSERT_GE(zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0);
  }
  ASSERT_EQ(zip_close(archive), 0);
}

TEST(WorkbookRoster, TheFormIsToldByContentAndOtherFilesAreRefused) {
  const ScratchFolder folder;
  // A workbook whose name says CSV is still read as the workbook it is.
  WriteStaffWorkbook(folder.File("xodimlar.csv"), false);
  EXPECT_EQ(LoadRoster(folder.File("xodimlar.csv")).roster.Teachers().size(), 3u);
  // A workbook damaged inside (a shared text that is not there) is the stored cells' own test.

  WriteFile(folder.File("eski.xls"), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0'));
  WriteZip(folder.File("boshqa.xlsx"), {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}});

  const std::vector<std::pair<std::string, std::string>> refused = {
      {"eski.xls",
       "eski Excel (.xls) kitobi yoki parol bilan himoyalangan; uni Excel ish kitobi (.xlsx) yoki CSV "
       "qilib saqlang."},
      {"boshqa.xlsx", "Excel ish kitobi (.xlsx) emas yoki u buzilgan."},
  };
  for (const auto& [name, reason] : refused) {
    const LoadedRoster loaded = LoadRoster(folder.File(name));
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.message, "Ro'yxat o'qilmadi: \"" + folder.File(name) + "\" " + reason);
  }
}

// The staff list's workbook is weighed from its package's listing as a report's is: parts it
// never reads count too, so a list padded to unpack to gigabytes is refused at once (every
// limit of the listing is the package's own test, a part just within or beyond the largest
// the report reader's).
TEST(WorkbookRoster, APackageTooLargeIsRefusedBeforeUnpacking) {
  const ScratchFolder folder;
  const std::string path = folder.File("katta.xlsx");
  WriteStaffWorkbook(path, false);
  soatnoma::testing::AddPartsOfZeros(
      path, static_cast<int>(workbook_package::kLargestUnpackedWorkbook / workbook_package::kLargestWorkbookPart + 1),
      workbook_package::kLargestWorkbookPart);
  const LoadedRoster loaded = LoadRoster(path);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.message, "Ro'yxat o'qilmadi: \"" + path +
                                "\" ish kitobi arxivdan chiqarilganda juda katta bo'ladi (173 MB dan ortiq).");
}

// Cells far right of the table are left (the stored cells' own test); a sheet whose rows
// would be laid out far beyond what a list needs is refused.
TEST(WorkbookRoster, ASheetThatWouldFillTheMemoryIsRefused) {
  // Ten thousand rows, each a single cell at the last column read: a small file, but
  // rows of 256 cells each once laid out.
  const ScratchFolder folder;
  const std::string path = folder.File("katta.xlsx");
  lxw_workbook* workbook = workbook_new(path.c_str());
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  for (lxw_row_t row = 0; row < 10000; ++row)
    worksheet_write_number(sheet, row, roster_rules::kMaxRosterColumns - 1, 1, nullptr);
  ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);
  const LoadedRoster loaded = LoadRoster(path);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.message, "Ro'yxat o'qilmadi: \"" + path + "\" ro'yxat uchun juda katta (2000000 katakdan ortiq).");
}

TEST(ExampleRoster, OpensWithEveryTeacherReadyInBothForms) {
  const ScratchFolder folder;
  ASSERT_TRUE(SaveExampleRoster(folder.File("namuna.xlsx"), ExampleRosterFormat::Xlsx).ok);
  ASSERT_TRUE(SaveExampleRoster(folder.File("namuna.csv"), ExampleRosterFormat::Csv).ok);
  const LoadedRoster workbook = LoadRoster(folder.File("namuna.xlsx"));
  const LoadedRoster csv = LoadRoster(folder.File("namuna.csv"));
  ASSERT_TRUE(workbook.ok && csv.ok);
  EXPECT_TRUE(workbook.roster.Problems().empty());
  EXPECT_TRUE(csv.roster.Problems().empty());
  const std::vector<roster_rules::RosterTeacher> fromWorkbook = workbook.roster.Teachers();
  const std::vector<roster_rules::RosterTeacher> fromCsv = csv.roster.Teachers();
  ASSERT_EQ(fromWorkbook.size(), 4u);
  ASSERT_EQ(fromCsv.size(), 4u);
  bool someLeader = false;
  bool somePrimary = false;
  for (std::size_t i = 0; i < fromWorkbook.size(); ++i) {
    EXPECT_EQ(fromWorkbook[i].name, fromCsv[i].name);
    EXPECT_EQ(fromWorkbook[i].line, i + 2);
    EXPECT_EQ(fromWorkbook[i].annualTotal, fromCsv[i].annualTotal) << fromCsv[i].name;
    someLeader = someLeader || fromCsv[i].classLeader;
    somePrimary = somePrimary || fromCsv[i].category == TeacherCategory::Primary;
  }
  EXPECT_TRUE(someLeader && somePrimary);
  // One teacher's weekly hours are the lesson hours of the days added up.
  EXPECT_EQ(fromCsv[1].weeklyHours, "22.5");
  EXPECT_EQ(fromWorkbook[1].weeklyHours, "22.5");
  // The CSV is what Excel in Uzbek settings reads back: a byte-order mark, ";", decimal commas.
  const std::string text = ReadFile(folder.File("namuna.csv"));
  EXPECT_TRUE(text.starts_with("\xEF\xBB\xBFism;maktab;fan;toifa;soat;stavka;rahbar;du;se;ch;pa;ju;sh\r\n")) << text;
  EXPECT_NE(text.find(";27,5;20;"), std::string::npos) << text;

  const report_files::SaveResult missing =
      SaveExampleRoster(folder.File("yo'q") + "/namuna.csv", ExampleRosterFormat::Csv);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "Ro'yxat namunasi saqlanmadi: \"" + folder.File("yo'q") + "\" papkasi topilmadi.");
}

}  // namespace
}  // namespace soatnoma::staff_files
