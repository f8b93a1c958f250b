// A workbook of the program made into a PDF as it stands: a staff workbook with a teacher
// corrected and saved back prints that correction, in the teacher's page and in "Jami" (its
// row and the staff's total), rather than the list's numbers; a report workbook is its one
// page; a workbook "Ochish" refuses, or one whose teacher's sheet is damaged, writes nothing.
#include "staff_files/workbook_pdf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <regex>
#include <variant>

#include "corrected_workbook.h"
#include "model/number_text.h"
#include "report_files/xlsx_package.h"
#include "report_files/xlsx_writer.h"
#include "report_test_support.h"

namespace soatnoma::staff_files {
namespace {

using soatnoma::testing::PdfPages;
using soatnoma::testing::PdfPageText;
using soatnoma::testing::ReadFile;
using soatnoma::testing::ScratchFolder;
using soatnoma::testing::WriteFile;

TEST(WorkbookPdf, AStaffWorkbookPrintsAsSavedCorrectionsIncluded) {
  const ScratchFolder folder;
  const std::string path = folder.File("xodimlar.xlsx");
  testing::WriteCorrectedStaffWorkbook(path);
  const WorkbookPdfResult result = SaveWorkbookPdf(path, folder.File("xodimlar.pdf"));
  ASSERT_EQ(result.status, WorkbookPdfStatus::Written) << result.message;
  EXPECT_EQ(result.teachers, 4);
  ASSERT_EQ(PdfPages(folder.File("xodimlar.pdf")), 5);  // "Jami", then a page a teacher

  const std::vector<double> totals = testing::CorrectedYearTotals();
  const double staffTotal = std::accumulate(totals.begin(), totals.end(), 0.0);
  const std::string corrected = NumberToText(totals[testing::kCorrectedTeacher]);
  const std::string summary = PdfPageText(folder.File("xodimlar.pdf"), 1);
  const std::regex correctedRow("Oʻtkir Toshmatov .* " + corrected + "\n");
  EXPECT_TRUE(std::regex_search(summary, correctedRow)) << summary;
  EXPECT_TRUE(std::regex_search(summary, std::regex("Jami .* " + NumberToText(staffTotal) + "\n"))) << summary;
  EXPECT_NE(summary.find("12, 7, 5 - sonli maktablar o'qituvchilarining 2025/2026 o'quv yili"), std::string::npos);
  EXPECT_NE(summary.find("Direktor:"), std::string::npos);
  EXPECT_NE(PdfPageText(folder.File("xodimlar.pdf"), 3).find(corrected), std::string::npos);

  // The list itself still gives the computed numbers: the PDF above was made of the workbook.
  ASSERT_EQ(ExportStaff({testing::StaffTeachers(), 2025, StaffFileFormat::Pdf, folder.File("royxat.pdf")}).status,
            StaffExportStatus::Written);
  EXPECT_FALSE(std::regex_search(PdfPageText(folder.File("royxat.pdf"), 1), correctedRow));
}

TEST(WorkbookPdf, AReportIsItsOnePageAndWhatCannotBeReadWritesNothing) {
  const ScratchFolder folder;
  ASSERT_TRUE(report_files::SaveXlsx(testing::ExpectedReports(2025)[0], folder.File("bitta.xlsx")).ok);
  const WorkbookPdfResult report = SaveWorkbookPdf(folder.File("bitta.xlsx"), folder.File("bitta.pdf"));
  ASSERT_EQ(report.status, WorkbookPdfStatus::Written) << report.message;
  EXPECT_EQ(PdfPages(folder.File("bitta.pdf")), 1);

  const std::string path = folder.File("xodimlar.xlsx");
  testing::WriteCorrectedStaffWorkbook(path);
  // A teacher's sheet whose C8 holds "NaN": the sheet "Ochish" would refuse.
  soatnoma::testing::ReplaceInPart(path, "xl/worksheets/sheet4.xml", R"((<c r="C8"[^>]*><v>)[^<]*)", "$1NaN");
  WriteFile(folder.File("yot.xlsx"), "PK\x03\x04 not a workbook");
  const std::string earlier = ReadFile(folder.File("bitta.pdf"));
  const std::pair<std::string, std::string> refused[] = {
      {path, "C8 katagida"},
      {folder.File("yot.xlsx"), "\"yot.xlsx\" ochilmadi"},
      {folder.File("yoq.xlsx"), "topilmadi"},
  };
  for (const auto& [workbook, told] : refused) {
    const WorkbookPdfResult result = SaveWorkbookPdf(workbook, folder.File("bitta.pdf"));
    EXPECT_EQ(result.status, WorkbookPdfStatus::Refused) << workbook;
    EXPECT_NE(result.message.find(told), std::string::npos) << result.message;
    EXPECT_EQ(ReadFile(folder.File("bitta.pdf")), earlier) << workbook;  // the earlier PDF stays
  }

  // The workbook is never written over by its own PDF, however the path reaches it.
  const std::string workbook = ReadFile(folder.File("bitta.xlsx"));
  std::filesystem::create_hard_link(folder.File("bitta.xlsx"), folder.File("havola.pdf"));
  EXPECT_EQ(SaveWorkbookPdf(folder.File("bitta.xlsx"), folder.File("havola.pdf")).status, WorkbookPdfStatus::Refused);
  EXPECT_EQ(ReadFile(folder.File("bitta.xlsx")), workbook);
  EXPECT_EQ(SaveWorkbookPdf(folder.File("bitta.xlsx"), folder.File("yoq/bitta.pdf")).status,
            WorkbookPdfStatus::NotWritten);
}

}  // namespace
}  // namespace soatnoma::staff_files
