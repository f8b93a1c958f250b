// A staff workbook opened again: told from a report and a stranger's workbook (also one
// written before staff workbooks carried a mark), its teachers listed with their sheets and
// yearly totals, a teacher's sheet opened as that teacher's report, and a correction saved
// back: the sheet and the summary's stored results change, the notes of the correction
// come back with the sheet, and every other part of the workbook stays byte for byte.
#include "staff_files/staff_document.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <variant>

#include "batch_test_support.h"
#include "corrected_workbook.h"
#include "workbook_package/pasted_totals.h"
#include "report_editing/report_corrections.h"
#include "workbook_package/stored_number.h"
#include "staff_book/staff_workbook_texts.h"
#include "model/workload_table.h"
#include "report_files/xlsx_package.h"
#include "report_files/xlsx_writer.h"
#include "report_test_support.h"

namespace soatnoma::staff_files {
namespace {

using testing::EditPart;
using testing::PasteAsValues;
using testing::SumsIn;

using soatnoma::testing::ScratchFolder;

std::string StaffWorkbook(const ScratchFolder& folder) {
  return testing::WriteStaffWorkbook(folder.File("xodimlar.xlsx"));
}

// Every part of the package with its content.
std::map<std::string, std::string> Parts(const std::string& path) {
  std::map<std::string, std::string> parts;
  std::string detail;
  const auto package = report_files::XlsxPackage::Open(path, detail);
  EXPECT_TRUE(package) << detail;
  for (const char* entry :
       {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/styles.xml", "xl/sharedStrings.xml",
        "docProps/custom.xml", "xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml", "xl/worksheets/sheet3.xml",
        "xl/worksheets/sheet4.xml", "xl/worksheets/sheet5.xml"}) {
    if (const auto content = package->Read(entry)) parts[entry] = *content;
  }
  return parts;
}

TEST(StaffDocument, ListsItsTeachersWithTheirSheetsAndTotals) {
  const ScratchFolder folder;
  const std::string path = StaffWorkbook(folder);
  const WorkbookOpening opened = OpenReportOrStaff(path);
  const auto* listing = std::get_if<StaffWorkbookListing>(&opened);
  ASSERT_NE(listing, nullptr);
  const std::vector<report_sheet::ReportSheet> reports = testing::ExpectedReports(2025);
  ASSERT_EQ(listing->teachers.size(), reports.size());
  for (std::size_t i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(listing->teachers[i].sheetName, testing::kSheetNames[i + 1]);
    EXPECT_EQ(listing->teachers[i].annualTotal, reports[i].Cells().ReadNumber(kFirstWorkRow, col::S));
  }
  EXPECT_EQ(listing->teachers[0].teacher, "Karimova; Dilnoza");
  // A single report still opens as one (what is refused is the last test's).
  ASSERT_TRUE(report_files::SaveXlsx(reports[0], folder.File("bitta.xlsx")).ok);
  EXPECT_TRUE(std::holds_alternative<workbook_package::OpenedReport>(OpenReportOrStaff(folder.File("bitta.xlsx"))));
}

TEST(StaffDocument, ATeachersSheetOpensAsTheReportAndACorrectionGoesBackIntoTheWorkbook) {
  const ScratchFolder folder;
  const std::string path = StaffWorkbook(folder);
  const std::map<std::string, std::string> before = Parts(path);
  const std::string sheetName = testing::kSheetNames[2];  // "Oʻtkir Toshmatov", the second teacher

  workbook_package::OpenOutcome outcome = OpenStaffSheet(path, sheetName);
  ASSERT_TRUE(std::holds_alternative<workbook_package::OpenedReport>(outcome))
      << std::get<workbook_package::OpenRefusal>(outcome).message;
  workbook_package::OpenedReport opened = std::move(std::get<workbook_package::OpenedReport>(outcome));
  const report_sheet::ReportSheet expected = testing::ExpectedReports(2025)[1];
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      EXPECT_EQ(opened.sheet.Cells().ReadNumber(row, column), expected.Cells().ReadNumber(row, column))
          << row << column;
    }
  }
  report_editing::ReportCorrections corrections(opened.sheet, opened.notes);
  const double computed = corrections.ComputedHours({8, col::C});
  corrections.SetHours({8, col::C}, computed + 2.5);
  ASSERT_TRUE(SaveStaffSheet(path, sheetName, opened.sheet, corrections.Notes()).ok);

  // The sheet and the summary changed; every other part is as it was.
  const std::map<std::string, std::string> after = Parts(path);
  for (const auto& [entry, content] : before) {
    if (entry == "xl/worksheets/sheet1.xml" || entry == "xl/worksheets/sheet3.xml" || entry == "docProps/custom.xml") {
      EXPECT_NE(after.at(entry), content) << entry;
    } else {
      EXPECT_EQ(after.at(entry), content) << entry;
    }
  }
  const auto listed = std::get<StaffWorkbookListing>(OpenReportOrStaff(path));
  EXPECT_EQ(listed.teachers[1].annualTotal, expected.Cells().ReadNumber(kFirstWorkRow, col::S) + 2.5);
  EXPECT_EQ(listed.teachers[0].annualTotal,
            testing::ExpectedReports(2025)[0].Cells().ReadNumber(kFirstWorkRow, col::S));
  // (Which of the summary's stored results change is the staff workbook file's own test.)

  // Opened again: the correction, marked as one; the other teachers have none.
  workbook_package::OpenedReport again = std::get<workbook_package::OpenedReport>(OpenStaffSheet(path, sheetName));
  EXPECT_EQ(again.sheet.Cells().ReadNumber(8, col::C), computed + 2.5);
  const report_editing::ReportCorrections reread(again.sheet, again.notes);
  EXPECT_TRUE(reread.IsCorrected({8, col::C}));
  EXPECT_EQ(reread.ComputedHours({8, col::C}), computed);
  EXPECT_TRUE(reread.FlagsAt({8, col::C}).notWhole);
  const workbook_package::OpenedReport other =
      std::get<workbook_package::OpenedReport>(OpenStaffSheet(path, testing::kSheetNames[1]));
  EXPECT_TRUE(other.notes.computedOfCorrected.empty());
  EXPECT_TRUE(std::holds_alternative<workbook_package::OpenRefusal>(OpenStaffSheet(path, "Yo'q varaq")));
}

// A teacher's sheet pasted as values in a spreadsheet program is said when it opens, its
// totals follow a correction, and saving it back writes them as sums again.
TEST(StaffDocument, ASheetPastedAsValuesIsSaidAndSavedBackWithItsSums) {
  const ScratchFolder folder;
  const std::string path = StaffWorkbook(folder);
  const std::string sheetName = testing::kSheetNames[2];
  const std::ptrdiff_t written = SumsIn(Parts(path).at("xl/worksheets/sheet3.xml"));
  ASSERT_GT(written, 20);
  ASSERT_TRUE(PasteAsValues(path, "xl/worksheets/sheet3.xml"));

  workbook_package::OpenedReport opened = std::get<workbook_package::OpenedReport>(OpenStaffSheet(path, sheetName));
  EXPECT_EQ(opened.notice, workbook_package::PastedTotalsNotice(static_cast<int>(written)));
  report_editing::ReportCorrections corrections(opened.sheet, opened.notes);
  const double year = opened.sheet.Cells().ReadNumber(kFirstWorkRow, col::S);
  corrections.SetHours({8, col::C}, corrections.ComputedHours({8, col::C}) + 3);
  EXPECT_EQ(opened.sheet.Cells().ReadNumber(kFirstWorkRow, col::S), year + 3);
  ASSERT_TRUE(SaveStaffSheet(path, sheetName, opened.sheet, corrections.Notes()).ok);

  EXPECT_EQ(SumsIn(Parts(path).at("xl/worksheets/sheet3.xml")), written);
  const workbook_package::OpenedReport again =
      std::get<workbook_package::OpenedReport>(OpenStaffSheet(path, sheetName));
  EXPECT_EQ(again.notice, "");
  EXPECT_EQ(again.sheet.Cells().KindAt(kFirstWorkRow, col::S), CellKind::Formula);
  EXPECT_EQ(again.sheet.Cells().ReadNumber(kFirstWorkRow, col::S), year + 3);
}

// What opening a workbook or a sheet refused with.
template <typename Outcome>
std::string Refusal(const Outcome& outcome) {
  const auto* refusal = std::get_if<workbook_package::OpenRefusal>(&outcome);
  return refusal ? refusal->message : "(not refused)";
}

// "Jami" moved behind the teachers, a total written without quotes and absolute, another
// left pointing at a deleted sheet: the summary is read where it stands, the teacher of the
// lost reference is listed with the reason, and a correction saved back goes into "Jami".
TEST(StaffDocument, ASummaryEditedElsewhereListsEveryTeacherAndTakesCorrections) {
  const ScratchFolder folder;
  const std::string path = StaffWorkbook(folder);
  const std::string summarySheet = "<sheet name=\"Jami\" sheetId=\"1\" r:id=\"rId1\"/>";
  EditPart(path, "xl/workbook.xml", summarySheet, "");
  EditPart(path, "xl/workbook.xml", "</sheets>", summarySheet + "</sheets>");
  EditPart(path, "xl/worksheets/sheet1.xml", "<f>'Karimova; Dilnoza (2)'!S5</f>", "<f>#REF!</f>");
  EditPart(path, "xl/worksheets/sheet1.xml", "<f>'Karimova; Dilnoza'!S5</f>", "<f>'Karimova; Dilnoza'!$S$5</f>");
  const report_sheet::ReportSheet secondReport = testing::ExpectedReports(2025)[1];
  const std::string total = workbook_package::StoredNumberText(secondReport.Cells().ReadNumber(kFirstWorkRow, col::S));
  const std::string second = "<f>'" + testing::kSheetNames[2] + "'!S5</f><v>";
  EditPart(path, "xl/worksheets/sheet1.xml", second + total + "</v>", second + "1e400</v>");

  const WorkbookOpening opened = OpenReportOrStaff(path);
  const auto* listing = std::get_if<StaffWorkbookListing>(&opened);
  ASSERT_NE(listing, nullptr) << Refusal(opened);
  // Four rows and the sheet no row refers to any more (how each row is listed is the staff
  // workbook file's own test); that sheet is no teacher's to open.
  ASSERT_EQ(listing->teachers.size(), 5u);
  EXPECT_EQ(staff_book::ListedTotalText(listing->teachers[1]), "\u2014") << "a total of 1e400 is not listed as 0";
  EXPECT_TRUE(std::holds_alternative<workbook_package::OpenRefusal>(OpenStaffSheet(path, testing::kSheetNames[4])));

  workbook_package::OpenedReport first =
      std::get<workbook_package::OpenedReport>(OpenStaffSheet(path, testing::kSheetNames[1]));
  report_editing::ReportCorrections corrections(first.sheet, first.notes);
  corrections.SetHours({8, col::C}, corrections.ComputedHours({8, col::C}) + 3);
  ASSERT_TRUE(SaveStaffSheet(path, testing::kSheetNames[1], first.sheet, corrections.Notes()).ok);
  const auto saved = std::get<StaffWorkbookListing>(OpenReportOrStaff(path));
  EXPECT_EQ(saved.teachers[0].annualTotal, listing->teachers[0].annualTotal + 3);
  EXPECT_EQ(staff_book::ListedTotalText(saved.teachers[1]), "\u2014");
}

// The largest staff workbook the program writes, 5000 teachers, reopens, lists every teacher
// and takes a correction back: the package's limits follow what the program itself writes.
TEST(StaffDocument, TheLargestStaffWorkbookReopensListsAndSavesBack) {
  const ScratchFolder folder;
  std::string list = "ism;maktab;fan;toifa;soat\n";
  for (int i = 1; i <= 5000; ++i) {
    list += "O'qituvchi " + std::to_string(i) + ";12;fizika;yuqori;24\n";
  }
  const std::string path = folder.File("katta-maktab.xlsx");
  const std::vector<roster_rules::RosterTeacher> teachers = roster_rules::ReadRoster(list).Teachers();
  ASSERT_EQ(ExportStaff({teachers, 2025, StaffFileFormat::Xlsx, path}).status, StaffExportStatus::Written);
  const WorkbookOpening opened = OpenReportOrStaff(path);
  const auto* listing = std::get_if<StaffWorkbookListing>(&opened);
  ASSERT_NE(listing, nullptr) << Refusal(opened);
  ASSERT_EQ(listing->teachers.size(), 5000u);
  const staff_book::StaffTeacherSheet last = listing->teachers.back();
  ASSERT_TRUE(last.Openable());
  workbook_package::OpenOutcome outcome = OpenStaffSheet(path, last.sheetName);
  ASSERT_TRUE(std::holds_alternative<workbook_package::OpenedReport>(outcome)) << Refusal(outcome);
  workbook_package::OpenedReport report = std::move(std::get<workbook_package::OpenedReport>(outcome));
  report_editing::ReportCorrections corrections(report.sheet, report.notes);
  corrections.SetHours({8, col::C}, corrections.ComputedHours({8, col::C}) + 1);
  ASSERT_TRUE(SaveStaffSheet(path, last.sheetName, report.sheet, corrections.Notes()).ok);
  EXPECT_EQ(std::get<StaffWorkbookListing>(OpenReportOrStaff(path)).teachers.back().annualTotal, last.annualTotal + 1);
}

// A file that is no plain file, or a package made to unpack to far more than a school's
// workbook, is refused before it is read as a staff workbook, as a report is; a sheet the
// summary does not list as a teacher's is not opened as one.
TEST(StaffDocument, RefusesWhatOchishRefusesAndOpensOnlyTheTeachersSheets) {
  const ScratchFolder folder;
  const std::string path = StaffWorkbook(folder);
  ASSERT_EQ(::mkfifo(folder.File("pipe.xlsx").c_str(), 0600), 0);  // opening it would wait for a writer
  std::filesystem::copy_file(path, folder.File("katta.xlsx"));
  soatnoma::testing::AddPartsOfZeros(
      folder.File("katta.xlsx"),
      static_cast<int>(workbook_package::kLargestUnpackedWorkbook / workbook_package::kLargestWorkbookPart + 1),
      workbook_package::kLargestWorkbookPart);
  const std::pair<const char*, const char*> refused[] = {
      {"pipe.xlsx", "oddiy fayl emas"},
      {"katta.xlsx", "juda katta bo'ladi"},
      {"yoq.xlsx", "topilmadi"},
  };
  for (const auto& [file, told] : refused) {
    EXPECT_NE(Refusal(OpenReportOrStaff(folder.File(file))).find(told), std::string::npos) << file;
    EXPECT_NE(Refusal(OpenStaffSheet(folder.File(file), testing::kSheetNames[1])).find(told), std::string::npos)
        << file;
  }
  EXPECT_NE(Refusal(OpenStaffSheet(path, "Jami")).find("\"Jami\" o'qituvchisining varag'i yo'q"), std::string::npos);
  const report_sheet::ReportSheet report = testing::ExpectedReports(2025)[0];
  ASSERT_TRUE(report_files::SaveXlsx(report, folder.File("bitta.xlsx")).ok);
  EXPECT_NE(Refusal(OpenStaffSheet(folder.File("bitta.xlsx"), "Soatnoma")).find("xodimlar kitobi emas"),
            std::string::npos);

  // Saving into a sheet that is not a teacher's writes nothing.
  const std::string before = soatnoma::testing::ReadFile(path);
  EXPECT_FALSE(SaveStaffSheet(path, "Jami", report, {}).ok);
  EXPECT_FALSE(SaveStaffSheet(folder.File("bitta.xlsx"), "Soatnoma", report, {}).ok);
  EXPECT_EQ(soatnoma::testing::ReadFile(path), before);
}

}  // namespace
}  // namespace soatnoma::staff_files
