// The export on its own: a stopped export leaves no file and an earlier one untouched; the
// roster's yearly totals are the reports'; the summary's title names schools and year.
#include "staff_files/staff_export.h"
#include "roster_rules/roster_csv.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "staff_book/staff_summary.h"
#include "batch_test_support.h"
#include "report_files/workbook_parts.h"
#include "model/workload_table.h"
#include "report_test_support.h"

namespace soatnoma::staff_files {
namespace {

using soatnoma::testing::ReadFile;
using soatnoma::testing::ScratchFolder;
using soatnoma::testing::WriteFile;

// Stopped part way, or by Ctrl+C while the last teacher's file is being finished: nothing is
// written and the earlier file stays, as the message then says, rather than being replaced
// behind a "nothing written".
TEST(StaffExport, StoppedPartWayOrWhileTheFileIsFinishedKeepsTheEarlierOne) {
  const ScratchFolder folder;
  const std::vector<roster_rules::RosterTeacher> teachers = testing::StaffTeachers();
  for (const int goOn : {1, 4}) {  // the teachers let go on before the stop
    for (const auto format : {StaffFileFormat::Xlsx, StaffFileFormat::Pdf}) {
      const std::string path = folder.File(format == StaffFileFormat::Pdf ? "xodimlar.pdf" : "xodimlar.xlsx");
      WriteFile(path, "earlier");
      std::vector<int> told;
      const StaffExportResult result = ExportStaff({teachers, 2025, format, path}, [&](int done, int total) {
        told.push_back(done * 10 + total);
        return static_cast<int>(told.size()) <= goOn;
      });
      EXPECT_EQ(result.status, StaffExportStatus::Stopped) << goOn;
      if (goOn == 1) {
        EXPECT_EQ(result.produced, 0);
        EXPECT_EQ(told, (std::vector<int>{14, 24}));
      } else {
        EXPECT_EQ(told.size(), 5u);  // every teacher went on; the stop came while the file was finished
      }
      EXPECT_EQ(ReadFile(path), "earlier");
    }
  }
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"xodimlar.pdf", "xodimlar.xlsx"}));
}

// No report to make writes no file (how many a written file holds is said by the staff
// list window and the command line, whose tests count them).
TEST(StaffExport, NoReportToMakeWritesNothing) {
  const ScratchFolder folder;
  EXPECT_EQ(ExportStaff({{}, 2025, StaffFileFormat::Pdf, folder.File("b.pdf")}).status,
            StaffExportStatus::NothingToWrite);
  EXPECT_TRUE(folder.Entries().empty());
}

TEST(StaffExport, RosterTotalsAreTheFinishedReports) {
  const std::vector<roster_rules::RosterTeacher> teachers = testing::StaffTeachers();
  const std::vector<report_sheet::ReportSheet> reports = testing::ExpectedReports(2025);
  ASSERT_EQ(teachers.size(), reports.size());
  for (std::size_t i = 0; i < teachers.size(); ++i) {
    EXPECT_EQ(teachers[i].annualTotal, reports[i].Cells().ReadNumber(kFirstWorkRow, col::S)) << teachers[i].name;
    EXPECT_GT(teachers[i].annualTotal, 0);
  }
}

TEST(StaffSummary, TitleNamesEverySchoolOnceAndTheSchoolYear) {
  const auto rowsOf = [](std::vector<std::string> schools) {
    std::vector<staff_book::SummaryRow> rows;
    for (std::string& school : schools) {
      staff_book::SummaryRow row;
      row.school = std::move(school);
      rows.push_back(std::move(row));
    }
    return rows;
  };
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"12"}, "12 - sonli maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi"},
      {{"12", " 12 ", "12\t"}, "12 - sonli maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi"},
      {{"12", "7", "12", "", "5"},
       "12, 7, 5 - sonli maktablar o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi"},
      {{"", "  "}, "O'qituvchilarning 2025/2026 o'quv yili uchun yillik ish yuklamasi"},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
       "1, 2, 3, 4, 5, 6, 7, 8, 9, 10 - sonli maktablar o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish "
       "yuklamasi"},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "2"},
       "11 ta maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi"},
      {{std::string(100, 'A'), std::string(30, 'B')},
       "2 ta maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi"},
  };
  for (const auto& [schools, title] : cases) EXPECT_EQ(staff_book::SummaryTitle(rowsOf(schools), 2025), title);
}

// Names and schools that look like the workbook's codes of characters are written so that
// they read back as they are: on the teacher's sheet, in the summary's rows and its title.
TEST(StaffExport, TextsLikeCodesOfCharactersReadBackAsWritten) {
  const ScratchFolder folder;
  const std::string path = folder.File("kodlar.xlsx");
  const std::vector<roster_rules::RosterTeacher> teachers =
      roster_rules::ReadRoster("ism;maktab;fan;toifa;soat\nAli _x0000_ Valiyev;_x0041_;fizika;yuqori;24\n").Teachers();
  ASSERT_EQ(ExportStaff({teachers, 2025, StaffFileFormat::Xlsx, path}).status, StaffExportStatus::Written);
  std::string detail;
  const auto package = report_files::XlsxPackage::Open(path, detail);
  ASSERT_TRUE(package) << detail;
  const auto texts = report_files::SharedTexts(*package);
  ASSERT_TRUE(texts);
  const auto holds = [&](const std::string& text) {
    return std::find(texts->begin(), texts->end(), text) != texts->end();
  };
  EXPECT_TRUE(holds("Ali _x0000_ Valiyev"));
  EXPECT_TRUE(holds("_x0041_"));
  staff_book::SummaryRow row;
  row.school = "_x0041_";
  EXPECT_TRUE(holds(staff_book::SummaryTitle({row}, 2025)));
}

// One teacher more than the 5000 a workbook holds (written in full elsewhere) is refused.
TEST(StaffExport, WorkbookOfMoreTeachersThanMemoryAllowsIsRefusedUpFront) {
  const ScratchFolder folder;
  const std::vector<roster_rules::RosterTeacher> listed = testing::StaffTeachers();
  ASSERT_FALSE(listed.empty());
  const std::vector<roster_rules::RosterTeacher> staff(5001, listed.front());
  const StaffExportResult result =
      ExportStaff({staff, 2025, StaffFileFormat::Xlsx, folder.File("a.xlsx")}, [](int, int) {
        ADD_FAILURE() << "no report is made";
        return false;
      });
  EXPECT_EQ(result.status, StaffExportStatus::NotWritten);
  EXPECT_EQ(result.message,
            "Hisobot saqlanmadi: bir kitobga 5000 dan ortiq o'qituvchi sig'maydi; ro'yxatni bo'ling yoki PDF tanlang.");
  EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace
}  // namespace soatnoma::staff_files
