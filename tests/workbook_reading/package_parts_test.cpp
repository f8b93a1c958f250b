// What the workbook's own parts say: its sheets and where they are, its shared texts and
// its custom properties, as the program writes them and as other programs write them back.
#include "workbook_reading/package_parts.h"

#include <gtest/gtest.h>

namespace soatnoma::workbook_reading {
namespace {

constexpr std::string_view kRelations =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId2" Target="worksheets/sheet2.xml"/>)"
    R"(<Relationship Id="rId1" Target="/xl/worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Target="worksheets/other.xml"/></Relationships>)";

TEST(WorkbookSheets, FoundInTheWorkbooksOrderWhateverThePrefixesAndTargets) {
  // A prefix on the elements, the relationship's own prefix, a target from the package's root.
  const auto sheets = WorkbookSheets(
      R"(<x:workbook xmlns:x="main" xmlns:rel="r"><x:sheets>)"
      R"(<x:sheet name="Jami" sheetId="1" rel:id="rId2"/><x:sheet name="Ali &amp; Vali" sheetId="2" rel:id="rId1"/>)"
      R"(</x:sheets></x:workbook>)",
      kRelations);
  ASSERT_TRUE(sheets);
  ASSERT_EQ(sheets->size(), 2U);
  EXPECT_EQ((*sheets)[0].name, "Jami");
  EXPECT_EQ((*sheets)[0].entry, "xl/worksheets/sheet2.xml");  // the first relationship of an id counts
  EXPECT_EQ((*sheets)[1].name, "Ali & Vali");
  EXPECT_EQ((*sheets)[1].entry, "xl/worksheets/sheet1.xml");
}

TEST(WorkbookSheets, NoneWhenASheetHasNoRelationshipOrAPartIsNoXml) {
  constexpr std::string_view kWorkbook = R"(<workbook><sheets><sheet name="A" r:id="rId9"/></sheets></workbook>)";
  EXPECT_FALSE(WorkbookSheets(kWorkbook, kRelations));
  EXPECT_FALSE(WorkbookSheets(R"(<workbook><sheets><sheet name="A"/></sheets></workbook>)", kRelations));
  EXPECT_FALSE(WorkbookSheets("<workbook>", kRelations));
  EXPECT_FALSE(WorkbookSheets(R"(<workbook/>)", "<Relationships>"));
  // A sheet elsewhere than in the workbook's list is none of its sheets.
  const auto sheets = WorkbookSheets(R"(<workbook><sheet name="A" r:id="rId1"/><sheets/></workbook>)", kRelations);
  ASSERT_TRUE(sheets);
  EXPECT_TRUE(sheets->empty());
}

TEST(SharedTexts, PlainAndInRunsWithTheWorkbooksCodesReadBack) {
  const auto texts =
      SharedTexts(R"(<sst count="4"><si><t>Aliyev</t></si><si><r><rPr><b/></rPr><t xml:space="preserve">Vali </t></r>)"
                  R"(<r><t>Aliyev</t></r><rPh><t>phonetic, no text of the cell</t></rPh></si><si><t> </t></si>)"
                  R"(<si><t>a_x0009_b_x005F_x0041_</t></si><si/></sst>)");
  ASSERT_TRUE(texts);
  EXPECT_EQ(*texts, (std::vector<std::string>{"Aliyev", "Vali Aliyev", " ", "a\tb_x0041_", ""}));
  EXPECT_FALSE(SharedTexts("<sst><si><t>a</si></sst>"));
}

TEST(CustomProperties, TextsAndNumbersOfTheTypesTheProgramWrites) {
  const auto properties = CustomProperties(
      R"(<Properties xmlns:vt="v"><property fmtid="f" pid="2" name="Soatnoma"><vt:lpwstr>1</vt:lpwstr></property>)"
      R"(<property name="C8"><vt:r8>103.5</vt:r8><vt:r8>7</vt:r8></property>)"
      R"(<property name="D8"><V:i4 xmlns:V="v">12</V:i4></property>)"
      R"(<property name="E8"><vt:r8>NaN</vt:r8></property><property name="F8"><vt:bool>true</vt:bool></property>)"
      R"(</Properties>)");
  ASSERT_TRUE(properties);
  ASSERT_EQ(properties->size(), 5U);
  EXPECT_EQ((*properties)[0].name, "Soatnoma");
  EXPECT_EQ((*properties)[0].text, "1");
  EXPECT_EQ((*properties)[1].number, 103.5);  // its first value
  EXPECT_EQ((*properties)[2].number, 12);
  EXPECT_FALSE((*properties)[3].number);
  EXPECT_FALSE((*properties)[4].number);
  EXPECT_EQ((*properties)[4].text, "");
  EXPECT_FALSE(CustomProperties("<Properties><property>"));
}

}  // namespace
}  // namespace soatnoma::workbook_reading
