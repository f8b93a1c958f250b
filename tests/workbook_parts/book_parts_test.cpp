// The package's lists, texts and formats as a spreadsheet program reads them: each part
// named once where it is, texts whole, and formats told apart only where they differ.
#include <gtest/gtest.h>

#include <limits>

#include "workbook_package/package_names.h"
#include "parts_reading.h"
#include "workbook_parts/book_parts.h"
#include "workbook_parts/worksheet.h"

namespace soatnoma::workbook_parts {
namespace {

using testing::Parsed;
using testing::PartNames;

TEST(SharedTextsTest, KeepsEachTextOnceWithItsBlanksAndMarkup) {
  SharedTexts texts;
  const std::vector<std::string> given{"Ali & \"Vali\" <o'qituvchi>", " chetida ", "ikki\nqator", "oddiy", "oddiy"};
  std::vector<int> places;
  for (const auto& text : given) places.push_back(texts.Index(text));
  EXPECT_EQ(places, (std::vector<int>{0, 1, 2, 3, 3}));

  const PackageParts parts = [&] {
    BookParts book(report_sheet::StandardFont{});
    for (const auto& text : given) book.Texts().Index(text);
    return book.TakeParts(std::nullopt);
  }();
  const auto strings = Parsed(parts, "xl/sharedStrings.xml");
  const auto sst = strings.child("sst");
  EXPECT_STREQ(sst.attribute("count").value(), "5");
  EXPECT_STREQ(sst.attribute("uniqueCount").value(), "4");
  std::vector<std::string> read;
  for (const auto item : sst.children("si")) read.emplace_back(item.child("t").child_value());
  EXPECT_EQ(read, (std::vector<std::string>{given[0], given[1], given[2], given[3]}));
  // A reader drops blanks at the ends unless the text says they are its own.
  int preserved = 0;
  for (const auto item : sst.children("si")) preserved += item.child("t").attribute("xml:space") ? 1 : 0;
  EXPECT_EQ(preserved, 2);
}

TEST(CellStylesTest, GivesAFormatOnePlaceAndTellsFormatsApartByWhatTheyShow) {
  CellStyles styles(report_sheet::StandardFont{"DejaVu Sans", 9});
  report_sheet::CellFormat bold;
  bold.bold = true;
  report_sheet::CellFormat turned;
  turned.orientation = -45;
  turned.numberFormat = "0.00";
  report_sheet::CellFormat sized;
  sized.fontSize = 9;                                      // the standard size given: shown as a cell starts
  EXPECT_EQ(styles.Index(report_sheet::CellFormat{}), 1);  // a format given is never the standard one
  EXPECT_EQ(styles.Index(bold), 2);
  EXPECT_EQ(styles.Index(turned), 3);
  EXPECT_EQ(styles.Index(sized), 1);
  EXPECT_EQ(styles.Index(bold), 2);

  pugi::xml_document document;
  const std::string xml = styles.Xml();
  ASSERT_TRUE(document.load_string(xml.c_str()));
  const auto sheet = document.child("styleSheet");
  const auto standard = sheet.child("fonts").child("font");
  EXPECT_STREQ(standard.child("name").attribute("val").value(), "DejaVu Sans");
  EXPECT_STREQ(standard.child("sz").attribute("val").value(), "9");
  // A theme's font would stand in for the name.
  EXPECT_FALSE(standard.child("scheme"));
  std::vector<pugi::xml_node> entries;
  for (const auto xf : sheet.child("cellXfs").children("xf")) entries.push_back(xf);
  ASSERT_EQ(entries.size(), 4U);
  EXPECT_STREQ(sheet.child("cellXfs").attribute("count").value(), "4");
  std::vector<pugi::xml_node> fonts;
  for (const auto font : sheet.child("fonts").children("font")) fonts.push_back(font);
  const auto boldFont = static_cast<std::size_t>(entries[2].attribute("fontId").as_int());
  ASSERT_LT(boldFont, fonts.size());
  EXPECT_TRUE(fonts[boldFont].child("b"));
  EXPECT_FALSE(fonts[static_cast<std::size_t>(entries[1].attribute("fontId").as_int())].child("b"));
  // Text turned clockwise counts on from 90; a number format of its own starts at 164.
  EXPECT_STREQ(entries[3].child("alignment").attribute("textRotation").value(), "135");
  EXPECT_STREQ(entries[3].attribute("numFmtId").value(), "164");
  EXPECT_STREQ(sheet.child("numFmts").child("numFmt").attribute("formatCode").value(), "0.00");
}

TEST(BookPartsTest, ListsEverySheetAndPartWhereTheWorkbookLooksForThem) {
  BookParts book(report_sheet::StandardFont{});
  Worksheet sheet;
  sheet.Set(1, 1, SheetCell::OfNumber(7, 0));
  book.AddSheet("Aliyev Vali", WorksheetXml(sheet));
  book.AddSheet("O'g'iloy", WorksheetXml(sheet));
  book.AddSheet("Jami", WorksheetXml(sheet), {.printTitleRow = 3, .first = true});
  const PackageParts parts = book.TakeParts(std::string("<Properties/>"));

  const auto workbook = Parsed(parts, "xl/workbook.xml");
  const auto relations = Parsed(parts, "xl/_rels/workbook.xml.rels");
  std::vector<std::string> names;
  for (const auto listed : workbook.child("workbook").child("sheets").children("sheet")) {
    names.emplace_back(listed.attribute("name").value());
    const auto target =
        relations.child("Relationships").find_child_by_attribute("Id", listed.attribute("r:id").value());
    EXPECT_EQ(std::string("xl/") + target.attribute("Target").value(),
              workbook_package::WorksheetPart(static_cast<int>(names.size())));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Jami", "Aliyev Vali", "O'g'iloy"}));
  const auto title = workbook.child("workbook").child("definedNames").child("definedName");
  EXPECT_STREQ(title.attribute("localSheetId").value(), "0");
  EXPECT_STREQ(title.child_value(), "Jami!$3:$3");

  // Every part but the lists of relationships is named in the content types, once.
  const auto types = Parsed(parts, std::string(workbook_package::kContentTypesPart));
  std::set<std::string> typed;
  for (const auto item : types.child("Types").children("Override")) {
    EXPECT_TRUE(typed.insert(std::string(item.attribute("PartName").value()).substr(1)).second);
  }
  std::set<std::string> expected = PartNames(parts);
  expected.erase(std::string(workbook_package::kContentTypesPart));
  expected.erase(std::string(workbook_package::kPackageRelationsPart));
  expected.erase("xl/_rels/workbook.xml.rels");
  EXPECT_EQ(typed, expected);
  const auto packageRelations = Parsed(parts, std::string(workbook_package::kPackageRelationsPart));
  EXPECT_TRUE(packageRelations.child("Relationships")
                  .find_child_by_attribute("Target", std::string(workbook_package::kCustomPropertiesPart).c_str()));
}

TEST(BookPartsTest, QuotesASheetNameInItsPrintTitlesAndLeavesOutTheMarkNotGiven) {
  BookParts book(report_sheet::StandardFont{});
  book.AddSheet("O'quv & yil", WorksheetXml(Worksheet{}), {.printTitleRow = 2});
  const PackageParts parts = book.TakeParts(std::nullopt);
  const auto workbook = Parsed(parts, "xl/workbook.xml");
  EXPECT_STREQ(workbook.child("workbook").child("definedNames").child("definedName").child_value(),
               "'O''quv & yil'!$2:$2");
  EXPECT_EQ(testing::FindPart(parts, std::string(workbook_package::kCustomPropertiesPart)), nullptr);
  const auto types = Parsed(parts, std::string(workbook_package::kContentTypesPart));
  EXPECT_FALSE(types.child("Types").find_child_by_attribute("PartName", "/docProps/custom.xml"));
}

TEST(WorksheetTest, WritesCellsInOrderWithTheirPageAndView) {
  Worksheet sheet;
  sheet.Set(3, 27, SheetCell::OfFormula("A1<B1", std::numeric_limits<double>::infinity(), 2));
  sheet.Set(3, 2, SheetCell::OfNumber(108.0 + 1.0 / 6.0, 0));
  sheet.Set(1, 1, SheetCell::OfText(4, 0));
  sheet.rowHeights[2] = {12.75, false};
  sheet.frozenRows = 3;
  sheet.footer = "&C&P";
  sheet.page.fitToPages = FitToPages{1, 0};
  sheet.page.landscape = true;
  pugi::xml_document document;
  const std::string xml = WorksheetXml(sheet);
  ASSERT_TRUE(document.load_string(xml.c_str()));
  const auto root = document.child("worksheet");
  std::vector<std::string> refs;
  for (const auto row : root.child("sheetData").children("row")) {
    for (const auto cell : row.children("c")) refs.emplace_back(cell.attribute("r").value());
  }
  EXPECT_EQ(refs, (std::vector<std::string>{"A1", "B3", "AA3"}));
  const auto rows = root.child("sheetData");
  const auto second = rows.find_child_by_attribute("row", "r", "2");
  EXPECT_STREQ(second.attribute("ht").value(), "12.75");
  EXPECT_FALSE(second.attribute("customHeight"));
  const auto b3 = rows.find_child_by_attribute("row", "r", "3").find_child_by_attribute("c", "r", "B3");
  EXPECT_STREQ(b3.child_value("v"), "108.1666666666667");
  const auto aa3 = rows.find_child_by_attribute("row", "r", "3").find_child_by_attribute("c", "r", "AA3");
  EXPECT_STREQ(aa3.child_value("f"), "A1<B1");
  EXPECT_STREQ(aa3.child_value("v"), "0");
  EXPECT_STREQ(rows.find_child_by_attribute("row", "r", "1").child("c").attribute("t").value(), "s");
  EXPECT_STREQ(root.child("sheetViews").child("sheetView").child("pane").attribute("ySplit").value(), "3");
  EXPECT_STREQ(root.child("headerFooter").child_value("oddFooter"), "&C&P");
  EXPECT_STREQ(root.child("sheetPr").child("pageSetUpPr").attribute("fitToPage").value(), "1");
  const auto setup = root.child("pageSetup");
  EXPECT_STREQ(setup.attribute("fitToHeight").value(), "0");
  EXPECT_FALSE(setup.attribute("fitToWidth"));
  EXPECT_STREQ(setup.attribute("orientation").value(), "landscape");
}

}  // namespace
}  // namespace soatnoma::workbook_parts
