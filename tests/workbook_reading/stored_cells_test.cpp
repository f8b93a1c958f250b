// A sheet's cells as other programs store them, read by the one rule of every edition: into
// a report's grid, as a staff workbook's stored cells, and as a staff list's records.
#include "workbook_reading/stored_cells.h"

#include <gtest/gtest.h>

#include <string>

#include "workbook_package/opened_report.h"
#include "workbook_reading/report_cells.h"
#include "workbook_reading/roster_sheet.h"
#include "workbook_reading/staff_sheet_cells.h"

namespace soatnoma::workbook_reading {
namespace {

std::string Sheet(std::string_view rows) {
  return R"(<?xml version="1.0"?><worksheet xmlns="main"><sheetData>)" + std::string(rows) + "</sheetData></worksheet>";
}

const std::vector<std::string> kTexts = {"Aliyev Vali", "fizika"};

std::vector<StoredValue> Values(std::string_view sheet) {
  std::vector<StoredValue> values;
  EXPECT_TRUE(WalkStoredCells(
      sheet, [](const std::string*) {},
      [&](const StoredCell& cell) { values.push_back(ReadStoredValue(cell, kTexts)); }));
  return values;
}

TEST(StoredCells, EachKindOfValueAsOtherProgramsStoreIt) {
  using Kind = StoredValue::Kind;
  const auto values = Values(Sheet(
      R"(<row r="1"><c r="A1" t="s"><v>1</v></c>)"
      R"(<c r="B1" t="inlineStr"><is><r><t>Ali</t></r><r><t>_x0020_V</t></r></is></c>)"
      R"(<c r="C1" t="str"><f>A1</f><v>x</v></c><c r="D1" t="b"><v>1</v></c><c r="E1" t="e"><v>#N/A</v></c>)"
      R"(<c r="F1"><v>1E+20</v></c><c r="G1" s="3"/><c r="H1"><f>SUM(A1)</f></c></row>)"
      R"(<x:row r="2" xmlns:x="main"><x:c r="A2" t="s"><x:v>7</x:v></x:c><x:c r="B2"><x:v>NaN</x:v></x:c></x:row>)"));
  ASSERT_EQ(values.size(), 10U);
  EXPECT_EQ(values[0].text, "fizika");
  EXPECT_EQ(values[1].kind, Kind::Text);
  EXPECT_EQ(values[1].text, "Ali V");
  EXPECT_EQ(values[2].text, "x");
  EXPECT_TRUE(values[3].isBoolean);
  EXPECT_EQ(values[3].number, 1);
  EXPECT_EQ(values[4].kind, Kind::Other);
  EXPECT_EQ(values[5].number, 1e20);
  EXPECT_EQ(values[6].kind, Kind::Empty);
  EXPECT_EQ(values[7].kind, Kind::Empty);    // a formula whose result was not kept
  EXPECT_EQ(values[8].kind, Kind::Damaged);  // a shared text that is not there
  EXPECT_EQ(values[9].kind, Kind::Damaged);
}

TEST(ReportCells, NumbersTextsAndSharedFormulasIntoTheForm) {
  report_sheet::ReportSheet sheet = workbook_package::EmptyReportForm();
  const auto read = ReadReportCells(
      Sheet(R"(<row r="8"><c r="C8"><v>103</v></c><c r="D8"><v>9.5</v></c><c r="S8"><f t="shared" ref="S8:S9" si="0">)"
            R"(C8+D8</f><v>1</v></c></row>)"
            R"(<row r="9"><c r="C9"><v>4</v></c><c r="S9"><f t="shared" si="0"/></c></row>)"),
      kTexts, sheet.Cells());
  ASSERT_TRUE(read.xml);
  ASSERT_FALSE(read.problem) << *read.problem;
  EXPECT_EQ(sheet.Cells().ReadNumber(8, 19), 112.5);  // S8 = C8 + D8, and S9 so shared
  EXPECT_EQ(sheet.Cells().ReadNumber(9, 19), 4);
}

TEST(ReportCells, TheFirstCellThatIsNoReportsIsNamed) {
  const auto problem = [](std::string_view rows) {
    report_sheet::ReportSheet sheet = workbook_package::EmptyReportForm();
    const auto read = ReadReportCells(Sheet(rows), kTexts, sheet.Cells());
    return read.xml ? read.problem.value_or("") : "no XML";
  };
  EXPECT_EQ(problem(R"(<row r="8"><c r="C8"><v>0x10</v></c><c r="D8"><v>NaN</v></c></row>)"),
            workbook_package::CellProblem("C8", workbook_package::cell_problem::kNotANumber));
  EXPECT_EQ(problem(R"(<row r="8"><c r="C8" t="e"><v>#REF!</v></c></row>)"),
            workbook_package::CellProblem("C8", workbook_package::cell_problem::kNeitherNumberNorText));
  EXPECT_EQ(problem(R"(<row r="8"><c r="S8"><f t="array">C8</f></c></row>)"),
            "S8 katagida hisobotga xos bo'lmagan formula bor.");
  // A cell that shares a formula never written.
  EXPECT_EQ(problem(R"(<row r="8"><c r="S8"><f t="shared" si="7"/></c></row>)"),
            "S8 katagida hisobotga xos bo'lmagan formula bor.");
  EXPECT_EQ(problem(R"(<row r="90"><c r="A90"><v>1</v></c></row>)"), "A90 katagi hisobot varag'idan tashqarida.");
  EXPECT_EQ(problem(R"(<row r="90"><c r="A90" s="1"/></row>)"), "");  // a format far off is no content
  EXPECT_EQ(problem(R"(<row><c><v>1</v></c></row>)"), "katak manzili noto'g'ri: \"\".");
  EXPECT_EQ(problem(R"(<row r="8"><c r="C8"><v>1</v></row>)"), "no XML");
}

TEST(StaffSheetCells, TextsNumbersAndFormulasWithTheirResults) {
  const auto cells = StaffSheetCells(
      Sheet(R"(<row r="5"><c r="B5" t="s"><v>0</v></c><c r="I5"><f>'Aliyev Vali'!$S$5</f><v>1548</v></c>)"
            R"(<c r="J5"><f>Ali!S5</f></c></row>)"),
      kTexts);
  ASSERT_TRUE(cells);
  ASSERT_EQ(cells->size(), 3U);
  EXPECT_EQ((*cells)[0].text, "Aliyev Vali");
  EXPECT_EQ((*cells)[1].formula, "'Aliyev Vali'!$S$5");
  EXPECT_EQ((*cells)[1].number, 1548);
  EXPECT_FALSE((*cells)[2].number);  // no result kept: the total is no number
  EXPECT_FALSE(StaffSheetCells(Sheet(R"(<row r="5"><c r="5B"/></row>)"), kTexts));
}

TEST(RosterRecords, RowsAndCellsWithoutAddressesFollowTheOnesBefore) {
  std::string whyNot;
  const auto records = RosterRecords(
      Sheet(
          R"(<row r="2"><c r="A2" t="inlineStr"><is><t>ism</t></is></c><c t="inlineStr"><is><t>soat</t></is></c></row>)"
          R"(<row><c r="A3" t="s"><v>0</v></c><c r="C3"><v>24</v></c><c r="IW3"><v>1</v></c></row>)"),
      kTexts, whyNot);
  ASSERT_TRUE(records) << whyNot;
  ASSERT_EQ(records->size(), 2U);
  EXPECT_EQ((*records)[0].line, 2);
  EXPECT_EQ((*records)[0].fields, (std::vector<std::string>{"ism", "soat"}));
  EXPECT_EQ((*records)[1].line, 3);
  EXPECT_EQ((*records)[1].fields, (std::vector<std::string>{"Aliyev Vali", "", "24"}));  // column IW is far off
  EXPECT_FALSE(RosterRecords(Sheet(R"(<row r="4"><c r="B4" t="s"><v>9</v></c></row>)"), kTexts, whyNot));
  EXPECT_EQ(whyNot, "ish kitobi buzilgan (B4 katagida yo'q matnga havola bor.)");
  EXPECT_FALSE(RosterRecords("<worksheet>", kTexts, whyNot));
  EXPECT_EQ(whyNot, kUnreadableFirstSheet);
}

}  // namespace
}  // namespace soatnoma::workbook_reading
