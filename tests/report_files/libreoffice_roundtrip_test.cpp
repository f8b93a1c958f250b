// A real spreadsheet program opens the saved workbooks: LibreOffice, headless, recalculates
// every formula and must show the model's numbers, follow an edited cell, keep user texts
// as texts, and print the form on one A4 landscape page. Slow: a few LibreOffice starts.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "model/relative_formula.h"
#include "model/workload_table.h"
#include "report_files/xlsx_writer.h"
#include "libreoffice_support.h"
#include "report_test_support.h"

namespace soatnoma {
namespace {

using testing::Built;
using testing::Convert;
using testing::Quoted;
using testing::ReadCsv;
using testing::RunTool;
using testing::ScratchFolder;
using testing::Teacher;

// Every hour of C5:S20 as LibreOffice computed it equals the model's.
void ExpectSameHours(const report_sheet::ReportSheet& sheet, const std::vector<std::vector<std::string>>& csv,
                     const std::string& name) {
  ASSERT_GE(csv.size(), 22U) << name;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      const std::string& shown = csv[static_cast<std::size_t>(row - 1)].at(static_cast<std::size_t>(column - 1));
      const auto expected = sheet.Cells().ReadValue(row, column);
      const std::string where = name + " " + ColumnLetters(column) + std::to_string(row);
      if (!expected) {
        EXPECT_EQ(shown, "") << where;
      } else {
        EXPECT_NEAR(std::stod(shown), *expected, 1e-9 * std::max(1.0, std::abs(*expected))) << where;
      }
    }
  }
}

// Texts that look like the workbook's codes of characters ("_x000D_" is CR) are texts.
const report_sheet::ReportTexts kCodeLike{"_x000D_", "_x005F_ fan", "Ali _x0000_ Valiyev"};

struct Workbook {
  std::string name;
  report_sheet::ReportSheet sheet;
};

TEST(LibreOffice, RecalculatesTheSameHoursFollowsEditsAndKeepsTextsAsTexts) {
  const ScratchFolder folder;
  const report_sheet::ReportTexts formulaLike{"=1+2", "=SUM(C5:C8)", "=A1&\"x\""};
  std::vector<Workbook> books;
  books.push_back({"fractions", Built(report_sheet::BuildReportBeforeRounding(
                                    Teacher(TeacherCategory::Upper, "23.5", "20", true)))});
  books.push_back(
      {"upper", Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "27", "20", true, formulaLike)))});
  books.push_back(
      {"codes", Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "20", "20", false, kCodeLike)))});
  // Corrected in the program: hours moved from one month to another, a fraction, a
  // negative entry; saved with the notes of the corrections.
  report_sheet::ReportSheet corrected =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "24", "20", false)));
  workbook_package::WorkbookNotes notes;
  const std::array<workbook_package::ComputedHours, 4> changes{
      {{8, col::C, 3}, {8, col::D, -3}, {14, col::K, 0.5}, {20, col::Q, -1}}};
  for (const workbook_package::ComputedHours& change : changes) {
    const double computed = corrected.Cells().ReadNumber(change.row, change.column);
    notes.computedOfCorrected.push_back({change.row, change.column, computed});
    corrected.Cells().SetNumber(change.row, change.column, computed + change.value);
  }
  books.push_back({"corrected", corrected});
  books.push_back(
      {"primary", Built(report_sheet::BuildReport(Teacher(TeacherCategory::Primary, "22.5", "18", false)))});
  std::vector<std::string> files;
  for (const Workbook& book : books) {
    files.push_back(folder.File(book.name + ".xlsx"));
    const report_files::SaveResult saved = report_files::SaveXlsxWithNotes(
        book.sheet, book.name == "corrected" ? notes : workbook_package::WorkbookNotes{}, files.back());
    ASSERT_TRUE(saved.ok) << saved.message;
  }

  // A teacher's edit made outside the program: C8 of the primary report becomes 1000,
  // the stored results of the totals are left as they were.
  const std::string edited = folder.File("edited.xlsx");
  std::filesystem::copy_file(files.back(), edited);
  testing::ReplaceInPart(edited, kSheetEntry, R"(<c r="C8"( s="\d+")?><v>[^<]*</v></c>)",
                         "<c r=\"C8\"$1><v>1000</v></c>");
  files.push_back(edited);

  const auto converted = Convert(folder, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false", files);
  ASSERT_EQ(converted.status, 0) << converted.output;

  for (const Workbook& book : books)
    ExpectSameHours(book.sheet, ReadCsv(folder.File("out/" + book.name + ".csv")), book.name);
  const auto upper = ReadCsv(folder.File("out/upper.csv"));
  EXPECT_EQ(upper.at(1).at(0), report_sheet::TitleSentence(formulaLike, 2025));
  EXPECT_EQ(upper.at(21).at(0), report_sheet::FooterText(formulaLike));
  const auto codes = ReadCsv(folder.File("out/codes.csv"));
  EXPECT_EQ(codes.at(1).at(0), report_sheet::TitleSentence(kCodeLike, 2025));
  EXPECT_EQ(codes.at(21).at(0), report_sheet::FooterText(kCodeLike));

  report_sheet::ReportSheet expected = books.back().sheet;
  const double before = expected.Cells().ReadNumber(5, col::S);
  expected.Cells().SetNumber(8, col::C, 1000);
  const auto editedCsv = ReadCsv(folder.File("out/edited.csv"));
  ExpectSameHours(expected, editedCsv, "edited");
  EXPECT_GT(std::stod(editedCsv.at(4).at(18)), before);
}

TEST(LibreOffice, PrintsTheWorkbookOnOneLandscapeA4PageWithLongNamesWhole) {
  const ScratchFolder folder;
  const report_sheet::ReportTexts& texts = testing::kLongTexts;
  const report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "24", "20", true, texts)));
  const std::string file = folder.File("hisobot.xlsx");
  ASSERT_TRUE(report_files::SaveXlsx(sheet, file).ok);
  const auto converted = Convert(folder, "pdf", {file});
  ASSERT_EQ(converted.status, 0) << converted.output;
  const std::string pdf = folder.File("out/hisobot.pdf");
  EXPECT_EQ(testing::PdfPages(pdf), 1);
  const auto info = RunTool("pdfinfo " + Quoted(pdf));
  EXPECT_NE(info.output.find("841.89 x 595.3"), std::string::npos) << info.output;
  const auto text = RunTool("pdftotext " + Quoted(pdf) + " -");
  EXPECT_NE(text.output.find("Tasdiqlayman"), std::string::npos) << text.output;
  EXPECT_NE(text.output.find("Yillik umumiy ish yuklamasi"), std::string::npos) << text.output;
  // The wrapped title and the shrunk signature line show every word of the name and subject.
  testing::ExpectWholeTitleAndSignatureLine(pdf, texts, 2025);
}

}  // namespace
}  // namespace soatnoma
