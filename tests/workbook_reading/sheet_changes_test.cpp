// A teacher saved back into a staff workbook's sheet: only the changed cells are written
// anew, in the sheet's own prefix, and what the sheet holds besides stays byte for byte.
#include "workbook_reading/sheet_changes.h"

#include <gtest/gtest.h>

#include <string>

#include "workbook_reading/staff_sheet_cells.h"

namespace soatnoma::workbook_reading {
namespace {

using Change = staff_book::StoredCellChange;
using Kind = Change::Kind;

constexpr std::string_view kHead = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                                   "\n<worksheet xmlns=\"m\"><sheetData>";
constexpr std::string_view kTail =
    R"(</sheetData><mergeCells count="1"><mergeCell ref="A1:B1"/></mergeCells></worksheet>)";

std::string Sheet(std::string_view rows) { return std::string(kHead) + std::string(rows) + std::string(kTail); }

TEST(SheetChanges, EachKindOfChangeWrittenInTheCellItself) {
  const std::string sheet = Sheet(
      R"(<row r="8" spans="1:19" ht="15"><c r="C8" s="4" t="s"><v>3</v></c><c r="D8" s="4"><f>C8*2</f><v>6</v></c>)"
      R"(<c r="E8" s="4"><v>5</v></c><c r="S8" s="5"><v>77</v></c>)"
      R"(<c r="T8" s="5" t="inlineStr"><is><t>x</t></is></c></row>)");
  const auto changed = SheetWithChanges(
      sheet, {
                 {8, 3, Kind::Number, 80, {}},                      // a text made a number
                 {8, 4, Kind::Number, 12.5, {}},                    // a formula replaced by a number
                 {8, 5, Kind::Empty, 0, {}},                        // emptied, its format kept
                 {8, 19, Kind::FormulaResult, 1550, "SUM(C8:R8)"},  // a sum pasted as a number made a formula again
                 {8, 20, Kind::FormulaResult, 1, "A1<B1&C1"},       // a formula's text escaped
             });
  ASSERT_TRUE(changed);
  EXPECT_EQ(*changed,
            Sheet(R"(<row r="8" spans="1:19" ht="15"><c r="C8" s="4"><v>80</v></c><c r="D8" s="4"><v>12.5</v></c>)"
                  R"(<c r="E8" s="4"/><c r="S8" s="5"><f>SUM(C8:R8)</f><v>1550</v></c>)"
                  R"(<c r="T8" s="5"><f>A1&lt;B1&amp;C1</f><v>1</v></c></row>)"));
  // A formula the cell holds stays, its result beside it.
  EXPECT_EQ(*SheetWithChanges(*changed, {{8, 19, Kind::FormulaResult, 1551, "SUM(C8:Q8)"}}),
            Sheet(R"(<row r="8" spans="1:19" ht="15"><c r="C8" s="4"><v>80</v></c><c r="D8" s="4"><v>12.5</v></c>)"
                  R"(<c r="E8" s="4"/><c r="S8" s="5"><f>SUM(C8:R8)</f><v>1551</v></c>)"
                  R"(<c r="T8" s="5"><f>A1&lt;B1&amp;C1</f><v>1</v></c></row>)"));
}

TEST(SheetChanges, MissingCellsMadeInTheirColumnsPlaceWithTheSheetsPrefix) {
  const std::string sheet = Sheet(R"(<x:row r="3" xmlns:x="m"><x:c r="B3"><x:v>1</x:v></x:c><x:c r="D3"/></x:row>)"
                                  R"(<x:row r="5" xmlns:x="m"></x:row>)");
  const auto changed = SheetWithChanges(sheet, {{3, 5, Kind::Number, 9, {}},
                                                {3, 1, Kind::Number, 7, {}},
                                                {3, 3, Kind::FormulaResult, 2, "B3*2"},
                                                {5, 2, Kind::Number, 4, {}},
                                                {3, 4, Kind::Number, 3, {}}});
  ASSERT_TRUE(changed);
  EXPECT_EQ(*changed, Sheet(R"(<x:row r="3" xmlns:x="m"><x:c r="A3"><x:v>7</x:v></x:c><x:c r="B3"><x:v>1</x:v></x:c>)"
                            R"(<x:c r="C3"><x:f>B3*2</x:f><x:v>2</x:v></x:c><x:c r="D3"><x:v>3</x:v></x:c>)"
                            R"(<x:c r="E3"><x:v>9</x:v></x:c></x:row><x:row r="5" xmlns:x="m"><x:c r="B5"><x:v>4</x:v>)"
                            R"(</x:c></x:row>)"));
  const auto cells = StaffSheetCells(*changed, {});
  ASSERT_TRUE(cells);
  EXPECT_EQ(cells->size(), 6U);
}

TEST(SheetChanges, NothingWrittenForARowTheSheetDoesNotHaveOrNoXml) {
  EXPECT_FALSE(SheetWithChanges(Sheet(R"(<row r="8"><c r="C8"/></row>)"), {{9, 3, Kind::Number, 1, {}}}));
  EXPECT_FALSE(SheetWithChanges(Sheet(R"(<row r="8"/>)"), {{8, 3, Kind::Number, 1, {}}}));
  EXPECT_FALSE(SheetWithChanges("<worksheet><sheetData>", {}));
  EXPECT_EQ(*SheetWithChanges(Sheet(R"(<row r="8"/>)"), {}), Sheet(R"(<row r="8"/>)"));
}

}  // namespace
}  // namespace soatnoma::workbook_reading
