// The saved workbook as written: formulas with their results, texts as texts, formats,
// sizes and the page, read straight from the package.
#include <gtest/gtest.h>

#include <cmath>

#include "workbook_package/stored_number.h"
#include "workbook_package/workbook_notes.h"
#include "model/relative_formula.h"
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

void Save(const report_sheet::ReportRequest& request, const std::string& path, SavedWorkbook& saved,
          bool round = true) {
  saved.sheet = Built(round ? report_sheet::BuildReport(request) : report_sheet::BuildReportBeforeRounding(request));
  const report_files::SaveResult result = report_files::SaveXlsx(saved.sheet, path);
  ASSERT_TRUE(result.ok) << result.message;
  ASSERT_TRUE(LoadPart(path, kSheetEntry, saved.worksheet));
  ASSERT_TRUE(LoadPart(path, kStylesEntry, saved.styles));
}

std::string Reference(int row, int column) { return ColumnLetters(column) + std::to_string(row); }

TEST(XlsxWriter, FormulasGoInA1NotationWithTheirCurrentResults) {
  const ScratchFolder folder;
  SavedWorkbook saved;
  Save(Teacher(TeacherCategory::Upper, "23.5", "20", true), folder.File("a.xlsx"), saved, false);
  int formulas = 0;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      const pugi::xml_node cell = CellNode(saved.worksheet, Reference(row, column));
      const CellGrid& cells = saved.sheet.Cells();
      if (const RelativeFormula* formula = cells.FormulaAt(row, column)) {
        ++formulas;
        EXPECT_EQ(cell.child_value("f"), formula->ToA1(row, column)) << Reference(row, column);
        EXPECT_NEAR(cell.child("v").text().as_double(), cells.ReadNumber(row, column), 1e-9) << Reference(row, column);
      } else if (const auto value = cells.ReadValue(row, column)) {
        EXPECT_FALSE(cell.child("f")) << Reference(row, column);
        EXPECT_DOUBLE_EQ(cell.child("v").text().as_double(), *value) << Reference(row, column);
      }
    }
  }
  EXPECT_GT(formulas, 100);
  EXPECT_STREQ(CellNode(saved.worksheet, "S5").child_value("f"), "F5+J5+N5+R5");
}

// Every number is written in the text every edition stores, also the computed hours of
// corrected cells: read from the package as stored, byte for byte.
TEST(XlsxWriter, EveryNumberIsStoredInTheTextEveryEditionWrites) {
  const ScratchFolder folder;
  const std::string path = folder.File("stored.xlsx");
  const report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReportBeforeRounding(Teacher(TeacherCategory::Upper, "23.5", "19", true)));
  const workbook_package::WorkbookNotes notes{
      {{8, col::C, 34.0 / 3}, {9, col::D, 1.0 / 7}, {10, col::E, 1e20}, {11, col::G, 2.5}}};
  ASSERT_TRUE(report_files::SaveXlsxWithNotes(sheet, notes, path).ok);
  std::string detail;
  const auto package = report_files::XlsxPackage::Open(path, detail);
  ASSERT_TRUE(package) << detail;
  EXPECT_EQ(package->Read("docProps/custom.xml"), workbook_package::CustomPropertiesPart(notes));
  pugi::xml_document worksheet;
  const std::string xml = package->Read(kSheetEntry).value_or("");
  ASSERT_TRUE(worksheet.load_buffer(xml.data(), xml.size()));
  int numbers = 0;
  int sixteenDigits = 0;
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
      const pugi::xml_node cell = CellNode(worksheet, Reference(row, column));
      if (!cell.child("v") || cell.attribute("t")) continue;
      const std::string stored = workbook_package::StoredNumberText(sheet.Cells().ReadNumber(row, column));
      EXPECT_EQ(cell.child_value("v"), stored) << Reference(row, column);
      ++numbers;
      if (stored.size() >= 17) ++sixteenDigits;
    }
  }
  EXPECT_GT(numbers, 200);
  EXPECT_GT(sixteenDigits, 20);  // fractions a shortest text would write otherwise
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

  std::vector<std::string> merged;
  for (pugi::xml_node cell : worksheet.child("mergeCells").children("mergeCell"))
    merged.push_back(cell.attribute("ref").value());
  EXPECT_EQ(merged, (std::vector<std::string>{"O1:S1", "A2:S2", "A3:S3", "A22:S22"}));

  const pugi::xml_node margins = worksheet.child("pageMargins");
  EXPECT_NEAR(margins.attribute("left").as_double(), 0.393700787401575, 1e-12);
  EXPECT_NEAR(margins.attribute("right").as_double(), 0.393700787401575, 1e-12);
  for (const char* half : {"top", "bottom"}) EXPECT_NEAR(margins.attribute(half).as_double(), 0.196850393700787, 1e-12);
  for (const char* zero : {"header", "footer"}) EXPECT_EQ(margins.attribute(zero).as_double(-1), 0) << zero;
  EXPECT_STREQ(worksheet.child("pageSetup").attribute("orientation").value(), "landscape");
  EXPECT_EQ(worksheet.child("pageSetup").attribute("paperSize").as_int(), 9);
  EXPECT_FALSE(worksheet.child("printOptions").attribute("gridLines").as_bool());
  EXPECT_FALSE(worksheet.child("printOptions").attribute("headings").as_bool());

  // Title rows keep their set height; the others carry a height but stay automatic.
  for (pugi::xml_node row : worksheet.child("sheetData").children("row")) {
    const int number = row.attribute("r").as_int();
    EXPECT_EQ(row.attribute("customHeight").as_bool(), number <= 3) << number;
    EXPECT_GT(row.attribute("ht").as_double(), 0) << number;
  }
  EXPECT_GT(worksheet.child("sheetData").find_child_by_attribute("row", "r", "4").attribute("ht").as_double(), 40);

  // The standard font is the report's font, and the value block shows whole numbers.
  const pugi::xml_node styleSheet = saved.styles.child("styleSheet");
  const pugi::xml_node standard = styleSheet.child("fonts").child("font");
  EXPECT_EQ(std::string(standard.child("name").attribute("val").value()), saved.sheet.Font().family);
  EXPECT_EQ(standard.child("sz").attribute("val").as_double(), saved.sheet.Font().size);
  EXPECT_FALSE(standard.child("scheme"));
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
