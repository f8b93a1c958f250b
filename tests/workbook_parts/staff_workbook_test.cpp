// The staff workbook and the example staff list as workbooks' parts, read back as a
// spreadsheet program reads them: the summary "Jami" first and opened on, its totals
// referring to each teacher's sheet with their results, every sheet's cells naming formats
// and texts the one list of each holds, the mark and the notes of a corrected teacher kept
// per sheet; the example's heading row bold and kept in view, its columns as described.
#include "workbook_parts/staff_workbook.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "workbook_package/package_names.h"
#include "workbook_package/stored_number.h"
#include "model/relative_formula.h"
#include "parts_reading.h"
#include "roster_rules/example_roster.h"
#include "staff_book/school_staff.h"
#include "staff_book/staff_workbook_file.h"
#include "workbook_parts/example_workbook.h"

namespace soatnoma::workbook_parts {
namespace {

using testing::EvenMetrics;
using testing::Parsed;

using staff_book::testing::ReportOf;
using staff_book::testing::Teacher;

struct Staff {
  PackageParts parts;
  std::vector<std::string> sheetNames;
  std::vector<double> totals;  // each report's S5
};

// Three teachers, the second with a corrected cell whose computed hours are noted.
Staff StaffOf(const std::vector<roster_rules::RosterTeacher>& teachers) {
  EvenMetrics metrics;
  StaffWorkbookParts workbook(2026);
  Staff staff;
  for (std::size_t i = 0; i < teachers.size(); ++i) {
    const report_sheet::ReportSheet report = ReportOf(teachers[i], 2026);
    const sheet_layout::SheetGeometry layout(report, metrics);
    workbook_package::WorkbookNotes notes;
    if (i == 1) notes.computedOfCorrected.push_back({8, 3, 34.0 / 3});
    staff.sheetNames.push_back(workbook.Add(teachers[i], report, layout, notes));
    staff.totals.push_back(report.Cells().ReadNumber(5, 19));
  }
  EXPECT_EQ(workbook.Teachers(), static_cast<int>(teachers.size()));
  staff.parts = workbook.TakeParts();
  return staff;
}

using testing::CellsOf;
using testing::SheetsOf;

TEST(StaffWorkbookTest, OpensOnTheSummaryWhoseTotalsReferToEachTeachersSheet) {
  const Staff staff = StaffOf({Teacher("Aliyev Vali", "24", false, 2), Teacher("Karimova O'g'iloy", "18", false, 3),
                               Teacher("aliyev vali", "20", false, 4)});
  ASSERT_EQ(staff.sheetNames, (std::vector<std::string>{"Aliyev Vali", "Karimova O'g'iloy", "aliyev vali (2)"}));
  const auto workbook = Parsed(staff.parts, "xl/workbook.xml");
  const auto sheets = SheetsOf(workbook);
  ASSERT_EQ(sheets.size(), 4U);
  EXPECT_STREQ(sheets[0].attribute("name").value(), staff_book::kSummarySheetName);
  for (std::size_t i = 0; i < staff.sheetNames.size(); ++i) {
    EXPECT_EQ(sheets[i + 1].attribute("name").value(), staff.sheetNames[i]);
  }
  // That the heading row prints on top of every page of "Jami" is the book parts' test and
  // the spreadsheet program's that prints it.

  const auto summary = Parsed(staff.parts, workbook_package::WorksheetPart(1));
  const auto view = summary.child("worksheet").child("sheetViews").child("sheetView");
  EXPECT_STREQ(view.attribute("tabSelected").value(), "1");
  EXPECT_STREQ(view.child("pane").attribute("state").value(), "frozen");
  EXPECT_FALSE(Parsed(staff.parts, workbook_package::WorksheetPart(2))
                   .child("worksheet")
                   .child("sheetViews")
                   .child("sheetView")
                   .attribute("tabSelected"));
  std::vector<std::pair<std::string, std::string>> totals;
  for (const auto row : summary.child("worksheet").child("sheetData").children("row")) {
    for (const auto cell : row.children("c")) {
      if (cell.child("f")) totals.emplace_back(cell.child_value("f"), cell.child_value("v"));
    }
  }
  ASSERT_GE(totals.size(), 3U);
  for (std::size_t i = 0; i < staff.sheetNames.size(); ++i) {
    EXPECT_EQ(totals[i].first, staff_book::AnnualTotalFormula(staff.sheetNames[i]));
    EXPECT_EQ(totals[i].second, workbook_package::StoredNumberText(staff.totals[i]));
  }
  const auto setup = summary.child("worksheet").child("pageSetup");
  EXPECT_STREQ(setup.attribute("orientation").value(), "landscape");
  EXPECT_STREQ(setup.attribute("fitToHeight").value(), "0");
  EXPECT_TRUE(summary.child("worksheet").child("sheetPr").child("pageSetUpPr").attribute("fitToPage").as_bool());
}

TEST(StaffWorkbookTest, EverySheetNamesFormatsAndTextsOfTheOneListsAndTheNotesArePerSheet) {
  const Staff staff = StaffOf({Teacher("Aliyev Vali", "24", false, 2), Teacher("Karimova Dilnoza", "18", false, 3)});
  const auto styles = Parsed(staff.parts, std::string(workbook_package::kStylesPart));
  const int formats = styles.child("styleSheet").child("cellXfs").attribute("count").as_int();
  const int texts = Parsed(staff.parts, "xl/sharedStrings.xml").child("sst").attribute("uniqueCount").as_int();
  // The standard font is the report's, never a spreadsheet's own.
  EXPECT_EQ(styles.child("styleSheet").child("fonts").child("font").child("name").attribute("val").value(),
            report_sheet::ReportSheet().Font().family);
  for (int sheet = 1; sheet <= 3; ++sheet) {
    int cells = 0;
    const auto worksheet = Parsed(staff.parts, workbook_package::WorksheetPart(sheet));
    for (const auto row : worksheet.child("worksheet").child("sheetData").children("row")) {
      for (const auto cell : row.children("c")) {
        ++cells;
        EXPECT_LT(cell.attribute("s").as_int(), formats) << sheet << " " << cell.attribute("r").value();
        if (std::string(cell.attribute("t").value()) == "s") {
          EXPECT_LT(cell.child("v").text().as_int(), texts);
        }
      }
    }
    EXPECT_GT(cells, 20) << sheet;
  }
  const auto custom = Parsed(staff.parts, std::string(workbook_package::kCustomPropertiesPart));
  std::vector<std::string> names;
  for (const auto property : custom.child("Properties").children("property"))
    names.emplace_back(property.attribute("name").value());
  EXPECT_EQ(names, (std::vector<std::string>{
                       "Soatnoma", workbook_package::SheetComputedHoursPropertyName("Karimova Dilnoza", 8, 3)}));
  EXPECT_STREQ(custom.child("Properties").child("property").child_value("vt:lpwstr"),
               std::string(staff_book::kStaffWorkbookMark).c_str());
  // The last part is the custom properties', as the package lists it.
  EXPECT_EQ(staff.parts.back().name, workbook_package::kCustomPropertiesPart);
}

TEST(ExampleWorkbookTest, HoldsTheListAndItsNotesWithTheHeadingBoldAndKeptInView) {
  const PackageParts parts = ExampleRosterParts();
  const auto described = roster_rules::ExampleRosterSheets();
  const auto workbook = Parsed(parts, "xl/workbook.xml");
  const auto sheets = SheetsOf(workbook);
  ASSERT_EQ(sheets.size(), described.size());
  EXPECT_EQ(testing::FindPart(parts, std::string(workbook_package::kCustomPropertiesPart)), nullptr);
  std::vector<std::string> texts;
  const auto shared = Parsed(parts, "xl/sharedStrings.xml");
  for (const auto item : shared.child("sst").children("si")) texts.emplace_back(item.child_value("t"));
  const auto styles = Parsed(parts, std::string(workbook_package::kStylesPart));
  const auto formats = styles.child("styleSheet").child("cellXfs");
  for (std::size_t i = 0; i < described.size(); ++i) {
    EXPECT_EQ(sheets[i].attribute("name").value(), described[i].name);
    const auto document = Parsed(parts, workbook_package::WorksheetPart(static_cast<int>(i + 1)));
    const auto sheet = document.child("worksheet");
    auto cells = CellsOf(document);
    // Every cell as described: a text, a number, or left out when empty.
    for (std::size_t r = 0; r < described[i].rows.size(); ++r) {
      for (std::size_t c = 0; c < described[i].rows[r].size(); ++c) {
        const std::string name = ColumnLetters(static_cast<int>(c + 1)) + std::to_string(r + 1);
        const pugi::xml_node cell = cells[name];
        const roster_rules::ExampleCell& given = described[i].rows[r][c];
        if (const double* number = std::get_if<double>(&given)) {
          EXPECT_EQ(cell.child_value("v"), workbook_package::StoredNumberText(*number)) << name;
        } else if (std::get<std::string>(given).empty()) {
          EXPECT_FALSE(cell) << name;
        } else {
          EXPECT_EQ(texts.at(cell.child("v").text().as_uint()), std::get<std::string>(given)) << name;
        }
        if (!cell) continue;
        const auto format = formats.find_child_by_attribute("xf", "fontId", "1");
        const bool bold = described[i].headingRow && r == 0;
        EXPECT_EQ(cell.attribute("s").as_int() != 0, bold) << name;
        if (bold) {
          EXPECT_TRUE(format) << name;
        }
      }
    }
    // Each column described has its width, the others none.
    int widths = 0;
    for (const auto column : sheet.child("cols").children("col")) {
      ++widths;
      const int at = column.attribute("min").as_int();
      bool listed = false;
      for (const auto& width : described[i].widths)
        listed = listed || (width.firstColumn <= at && at <= width.lastColumn);
      EXPECT_TRUE(listed) << described[i].name << " " << at;
    }
    int expected = 0;
    for (const auto& width : described[i].widths) expected += width.lastColumn - width.firstColumn + 1;
    EXPECT_EQ(widths, expected) << described[i].name;
    EXPECT_EQ(static_cast<bool>(sheet.child("sheetViews").child("sheetView").child("pane")), described[i].headingRow);
    EXPECT_STREQ(sheet.child("pageSetup").attribute("orientation").value(), "landscape");
    EXPECT_STREQ(sheet.child("pageSetup").attribute("paperSize").value(), "9");
  }
}

}  // namespace
}  // namespace soatnoma::workbook_parts
