// A real spreadsheet program opens the staff workbook: LibreOffice, headless, recalculates
// every formula, and the summary "Jami" must show the model's annual totals and staff
// total, follow a correction saved back into a teacher's sheet, and every sheet print on a
// page of its own, the summary's headings on each of its pages.
#include <gtest/gtest.h>

#include "roster_rules/csv_records.h"
#include "staff_files/staff_document.h"
#include "report_editing/report_corrections.h"
#include "roster_rules/roster_csv.h"
#include "batch_test_support.h"
#include "libreoffice_support.h"
#include "model/workload_table.h"
#include "report_test_support.h"

namespace soatnoma::staff_files {
namespace {

using soatnoma::testing::Convert;
using soatnoma::testing::ScratchFolder;

double Shown(const std::vector<roster_rules::CsvRecord>& csv, std::size_t row, std::size_t column) {
  return std::stod(csv.at(row).fields.at(column));
}

// The rows of the workbook's "Jami" as LibreOffice recalculates and saves it as CSV.
std::vector<roster_rules::CsvRecord> RecalculatedSummary(const ScratchFolder& folder, const std::string& workbook) {
  const auto csv = Convert(folder, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false", {workbook});
  EXPECT_EQ(csv.status, 0) << csv.output;
  return roster_rules::ReadCsvRecords(soatnoma::testing::ReadFile(folder.File("out/xodimlar.csv")));
}

// A teacher corrected and saved back into the staff workbook: LibreOffice opens it, its
// "Jami" recalculated from the sheets.
TEST(StaffWorkbookInLibreOffice, SummaryRecalculatesFromTheTeachersSheets) {
  const ScratchFolder folder;
  const std::string workbook = testing::WriteStaffWorkbook(folder.File("xodimlar.xlsx"));

  // The third teacher's lessons in September (C8) corrected to 100 hours more and saved
  // back; then the stored results of the summary's formulas are spoiled.
  workbook_package::OpenedReport opened =
      std::get<workbook_package::OpenedReport>(OpenStaffSheet(workbook, testing::kSheetNames[3]));
  report_editing::ReportCorrections corrections(opened.sheet, opened.notes);
  const double corrected = corrections.ComputedHours({8, col::C}) + 100;
  corrections.SetHours({8, col::C}, corrected);
  ASSERT_TRUE(SaveStaffSheet(workbook, testing::kSheetNames[3], opened.sheet, corrections.Notes()).ok);
  soatnoma::testing::ReplaceInPart(workbook, "xl/worksheets/sheet1.xml", "(<f>[^<]*</f>)<v>[^<]*</v>", "$1<v>0</v>");
  std::vector<report_sheet::ReportSheet> reports = testing::ExpectedReports(2025);
  reports[2].Cells().SetNumber(8, col::C, corrected);

  // The rows of the sheet: the title, a gap, the headings, the teachers, the total and,
  // each after a gap, the two signature lines.
  const std::vector<roster_rules::CsvRecord> summary = RecalculatedSummary(folder, workbook);
  ASSERT_EQ(summary.size(), reports.size() + 8);
  EXPECT_EQ(summary[0].fields[0],
            "12, 7, 5 - sonli maktablar o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi");
  EXPECT_EQ(summary[2].fields[0], "№");
  EXPECT_EQ(summary[2].fields[1], "Familiya va ism");
  double staffTotal = 0;
  for (std::size_t i = 0; i < reports.size(); ++i) {
    const double annual = reports[i].Cells().ReadNumber(kFirstWorkRow, col::S);
    EXPECT_EQ(summary[i + 3].fields[0], std::to_string(i + 1));
    EXPECT_EQ(Shown(summary, i + 3, 8), annual) << summary[i + 3].fields[1];
    staffTotal += annual;
  }
  const std::size_t total = reports.size() + 3;
  EXPECT_EQ(summary[total].fields[0], "Jami");
  EXPECT_EQ(Shown(summary, total, 8), staffTotal);
  EXPECT_EQ(Shown(summary, total, 5), 24 + 22.5 + 20 + 27.5);
  EXPECT_TRUE(summary[total + 2].fields[0].starts_with("Direktor: ___"));
  EXPECT_TRUE(summary[total + 4].fields[0].starts_with("O'quv ishlari bo'yicha direktor o'rinbosari: ___"));

  const auto pdf = Convert(folder, "pdf", {workbook});
  ASSERT_EQ(pdf.status, 0) << pdf.output;
  EXPECT_EQ(soatnoma::testing::PdfPages(folder.File("out/xodimlar.pdf")), 5);
}

// LibreOffice writes a one-word sheet's reference back without quotes (Ali!S5): every
// teacher is still listed and opens, and a correction saved back moves that teacher's total.
TEST(StaffWorkbookInLibreOffice, ASummaryResavedListsEveryTeacher) {
  const ScratchFolder folder;
  const std::string workbook = testing::WriteStaffWorkbook(
      folder.File("xodimlar.xlsx"),
      "ism;maktab;fan;toifa;soat\nAli;12;fizika;yuqori;24\nVali;12;tarix;yuqori;18\nGani Karimov;12;kimyo;yuqori;20\n");
  const WorkbookOpening written = OpenReportOrStaff(workbook);
  std::vector<double> totals;
  for (const staff_book::StaffTeacherSheet& teacher : std::get<StaffWorkbookListing>(written).teachers) {
    totals.push_back(teacher.annualTotal);
  }
  const auto resaved = Convert(folder, "xlsx:Calc MS Excel 2007 XML", {workbook});
  ASSERT_EQ(resaved.status, 0) << resaved.output;
  const std::string path = folder.File("out/xodimlar.xlsx");
  const testing::SavedWorkbook saved(path);
  EXPECT_EQ(std::string(testing::SavedWorkbook::Cell(saved.Sheet(1), "I4").child_value("f")), "Ali!S5");

  const WorkbookOpening opened = OpenReportOrStaff(path);
  ASSERT_TRUE(std::holds_alternative<StaffWorkbookListing>(opened));
  const std::vector<staff_book::StaffTeacherSheet>& listed = std::get<StaffWorkbookListing>(opened).teachers;
  ASSERT_EQ(listed.size(), 3u);
  const char* sheets[] = {"Ali", "Vali", "Gani Karimov"};
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(listed[i].sheetName, sheets[i]);
    EXPECT_TRUE(listed[i].Openable()) << listed[i].unmatched;
    EXPECT_EQ(listed[i].annualTotal, totals[i]);
  }
  workbook_package::OpenedReport vali = std::get<workbook_package::OpenedReport>(OpenStaffSheet(path, "Vali"));
  report_editing::ReportCorrections corrections(vali.sheet, vali.notes);
  corrections.SetHours({8, col::C}, corrections.ComputedHours({8, col::C}) + 10);
  ASSERT_TRUE(SaveStaffSheet(path, "Vali", vali.sheet, corrections.Notes()).ok);
  EXPECT_EQ(std::get<StaffWorkbookListing>(OpenReportOrStaff(path)).teachers[1].annualTotal, totals[1] + 10);
}

TEST(StaffWorkbookInLibreOffice, SummaryPrintsItsHeadingsOnEveryPage) {
  const ScratchFolder folder;
  std::string staff = "ism;maktab;fan;toifa;soat\n";
  for (int i = 1; i <= 70; ++i)
    staff += "O'qituvchi " + std::to_string(i) + ";" + (i % 2 ? "12" : "7") + ";fizika;yuqori;24\n";
  const std::string workbook = testing::WriteStaffWorkbook(folder.File("xodimlar.xlsx"), staff);
  const auto pdf = Convert(folder, "pdf", {workbook});
  ASSERT_EQ(pdf.status, 0) << pdf.output;
  const auto pageText = [&](int page) { return soatnoma::testing::PdfPageText(folder.File("out/xodimlar.pdf"), page); };
  // The summary's pages come first, up to the one with the total and the signatures.
  const std::string first = pageText(1);
  EXPECT_NE(first.find("12, 7 - sonli maktablar o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi"),
            std::string::npos)
      << first;
  int page = 1;
  for (std::string text = first; text.find("Direktor:") == std::string::npos; text = pageText(++page)) {
    ASSERT_LT(page, 5) << "the summary ends with the signature lines";
    EXPECT_NE(text.find("Familiya va ism"), std::string::npos) << page;
  }
  EXPECT_GE(page, 2) << "seventy teachers take more than one page";
  const std::string last = pageText(page);
  EXPECT_NE(last.find("Familiya va ism"), std::string::npos) << last;
  EXPECT_NE(last.find("O'quv ishlari bo'yicha direktor o'rinbosari:"), std::string::npos) << last;
  EXPECT_NE(last.find("O'qituvchi 70"), std::string::npos) << last;
}

}  // namespace
}  // namespace soatnoma::staff_files
