// The saved workbook as written with the program's own measure of texts: row heights as
// measured, the number format and the page, read straight from the package. Every cell
// (texts that look like formulas too), merged block, font and number as stored is the
// workbook's parts' own tests.
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

TEST(XlsxWriter, CarriesTheLayoutAndThePage) {
  const ScratchFolder folder;
  const std::string path = folder.File("c.xlsx");
  const report_files::SaveResult result = report_files::SaveXlsx(
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "20", "20", false))), path);
  ASSERT_TRUE(result.ok) << result.message;
  pugi::xml_document sheet;
  pugi::xml_document styles;
  ASSERT_TRUE(LoadPart(path, kSheetEntry, sheet));
  ASSERT_TRUE(LoadPart(path, kStylesEntry, styles));
  const pugi::xml_node worksheet = sheet.child("worksheet");

  EXPECT_FALSE(worksheet.child("printOptions").attribute("gridLines").as_bool());
  EXPECT_FALSE(worksheet.child("printOptions").attribute("headings").as_bool());

  // The heights come from the program's own measure (which rows are marked as set by hand
  // is the workbook's parts' test).
  EXPECT_GT(worksheet.child("sheetData").find_child_by_attribute("row", "r", "4").attribute("ht").as_double(), 40);

  // The value block shows whole numbers.
  const pugi::xml_node styleSheet = styles.child("styleSheet");
  const auto style = CellNode(sheet, "C8").attribute("s").as_uint();
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
