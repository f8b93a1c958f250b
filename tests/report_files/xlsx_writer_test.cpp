// The saved workbook as written with the program's own measure of texts: texts as texts,
// row heights as measured, the number format and the page, read straight from the package.
// Every cell, merged block, font and number as stored is the workbook's parts' own tests.
#include <gtest/gtest.h>

#include "model/workload_table.h"
#include "report_files/xlsx_writer.h"
#include "report_test_support.h"

namespace soatnoma {
namespace {

using testing::Built;
using testing::CellNode;
using testing::LoadPart;
using testing::ScratchFolder;
using testing::Teacher;

struct SavedWorkbook {
  report_sheet::ReportSheet sheet;
  pugi::xml_document worksheet;
  pugi::xml_document styles;
};

void Save(const report_sheet::ReportRequest& request, const std::string& path, SavedWorkbook& saved) {
  saved.sheet = Built(report_sheet::BuildReport(request));
  const report_files::SaveResult result = report_files::SaveXlsx(saved.sheet, path);
  ASSERT_TRUE(result.ok) << result.message;
  ASSERT_TRUE(LoadPart(path, kSheetEntry, saved.worksheet));
  ASSERT_TRUE(LoadPart(path, kStylesEntry, saved.styles));
}

TEST(XlsxWriter, TextsThatLookLikeFormulasStayTexts) {
  const ScratchFolder folder;
  SavedWorkbook saved;
  const report_sheet::ReportTexts texts{"=HYPERLINK(\"http://x\")", "=1+1", "=A1"};
  Save(Teacher(TeacherCategory::Primary, "18", "18", false, texts), folder.File("b.xlsx"), saved);
  for (const char* reference : {"A2", "A22"}) {
    const pugi::xml_node cell = CellNode(saved.worksheet, reference);
    EXPECT_STREQ(cell.attribute("t").value(), "s") << reference;
    EXPECT_FALSE(cell.child("f")) << reference;
  }
  pugi::xml_document strings;
  ASSERT_TRUE(testing::LoadPart(folder.File("b.xlsx"), "xl/sharedStrings.xml", strings));
  const auto index = CellNode(saved.worksheet, "A2").child("v").text().as_uint();
  auto item = strings.child("sst").children("si").begin();
  std::advance(item, index);
  EXPECT_EQ(std::string(item->child_value("t")), report_sheet::TitleSentence(texts, 2025));
}

TEST(XlsxWriter, CarriesTheLayoutAndThePage) {
  const ScratchFolder folder;
  SavedWorkbook saved;
  Save(Teacher(TeacherCategory::Upper, "20", "20", false), folder.File("c.xlsx"), saved);
  const pugi::xml_node worksheet = saved.worksheet.child("worksheet");

  EXPECT_STREQ(worksheet.child("pageSetup").attribute("orientation").value(), "landscape");
  EXPECT_FALSE(worksheet.child("printOptions").attribute("gridLines").as_bool());
  EXPECT_FALSE(worksheet.child("printOptions").attribute("headings").as_bool());

  // Title rows keep their set height; the others carry a height but stay automatic.
  for (pugi::xml_node row : worksheet.child("sheetData").children("row")) {
    const int number = row.attribute("r").as_int();
    EXPECT_EQ(row.attribute("customHeight").as_bool(), number <= 3) << number;
    EXPECT_GT(row.attribute("ht").as_double(), 0) << number;
  }
  EXPECT_GT(worksheet.child("sheetData").find_child_by_attribute("row", "r", "4").attribute("ht").as_double(), 40);

  // The value block shows whole numbers.
  const pugi::xml_node styleSheet = saved.styles.child("styleSheet");
  const auto style = CellNode(saved.worksheet, "C8").attribute("s").as_uint();
  auto xf = styleSheet.child("cellXfs").children("xf").begin();
  std::advance(xf, style);
  const auto numberFormatId = xf->attribute("numFmtId").value();
  EXPECT_STREQ(styleSheet.child("numFmts")
                   .find_child_by_attribute("numFmt", "numFmtId", numberFormatId)
                   .attribute("formatCode")
                   .value(),
               "0");
  EXPECT_STREQ(xf->child("alignment").attribute("horizontal").value(), "center");
}

}  // namespace
}  // namespace soatnoma
