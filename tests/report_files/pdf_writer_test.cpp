// The PDF as a reader sees it: one A4 landscape page with the form's text and fonts.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "report_files/pdf_writer.h"
#include "report_files/report_printer.h"
#include "report_test_support.h"

namespace soatnoma {
namespace {

using testing::Quoted;
using testing::RunTool;

std::string WithoutBlanks(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
  return text;
}

TEST(PdfWriter, OneLandscapeA4PageWithWholeTitleHeadingTotalsFooterAndEmbeddedFonts) {
  const testing::ScratchFolder folder;
  const std::string path = folder.File("hisobot.pdf");
  const report_sheet::ReportTexts& texts = testing::kLongTexts;
  const report_sheet::ReportSheet sheet = testing::Built(
      report_sheet::BuildReport(testing::Teacher(TeacherCategory::Upper, "20", "20", false, texts, 2025)));
  const report_files::SaveResult saved = report_files::SavePdf(sheet, path);
  ASSERT_TRUE(saved.ok) << saved.message;

  EXPECT_EQ(testing::PdfPages(path), 1);
  const auto info = RunTool("pdfinfo " + Quoted(path));
  EXPECT_NE(info.output.find("x 595"), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("(A4)"), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("Page size:       842"), std::string::npos) << info.output;

  const auto text = RunTool("pdftotext " + Quoted(path) + " -");
  ASSERT_EQ(text.status, 0) << text.output;
  const std::string compact = WithoutBlanks(text.output);
  EXPECT_NE(compact.find("YILLIKTAQSIMOTI"), std::string::npos);
  EXPECT_NE(compact.find("Tasdiqlayman"), std::string::npos);
  EXPECT_NE(compact.find("1548"), std::string::npos);  // the year's total of a full rate
  testing::ExpectWholeTitleAndSignatureLine(path, texts, 2025);

  const auto fonts = RunTool("pdffonts " + Quoted(path));
  EXPECT_NE(fonts.output.find("DejaVuSans "), std::string::npos) << fonts.output;
  EXPECT_NE(fonts.output.find("DejaVuSans-Bold"), std::string::npos) << fonts.output;
  const std::regex embedded(R"(Identity-H\s+yes)");
  const std::regex notEmbedded(R"(Identity-H\s+no)");
  EXPECT_TRUE(std::regex_search(fonts.output, embedded)) << fonts.output;
  EXPECT_FALSE(std::regex_search(fonts.output, notEmbedded)) << fonts.output;
}

TEST(ReportPrinter, PrintsOneLandscapeA4PageWhateverThePrinterWasSetTo) {
  const testing::ScratchFolder folder;
  const std::string path = folder.File("printed.pdf");
  const report_sheet::ReportSheet sheet =
      testing::Built(report_sheet::BuildReport(testing::Teacher(TeacherCategory::Primary, "18", "18", true)));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageOrientation(QPageLayout::Portrait);
  ASSERT_TRUE(report_files::PrintReport(sheet, printer));
  EXPECT_EQ(testing::PdfPages(path), 1);
  const auto info = RunTool("pdfinfo " + Quoted(path));
  EXPECT_NE(info.output.find("x 595"), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("(A4)"), std::string::npos) << info.output;
  const auto text = RunTool("pdftotext " + Quoted(path) + " -");
  EXPECT_NE(WithoutBlanks(text.output).find("YILLIKTAQSIMOTI"), std::string::npos) << text.output;
}

}  // namespace
}  // namespace soatnoma
