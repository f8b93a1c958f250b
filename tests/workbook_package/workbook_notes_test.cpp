// What a workbook of this program stores, the same in every edition: numbers in the
// desktop's stored text, texts with their codes and control characters kept, the custom
// properties' part with the mark and the computed hours, and that part named in the
// package's lists of a workbook written back.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "workbook_package/custom_properties_listing.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/workbook_notes.h"
#include "workbook_package/workbook_text.h"

namespace soatnoma::workbook_package {
namespace {

TEST(StoredNumberText, IsTheTextTheDesktopsLibraryWrites) {
  struct Case {
    double value;
    const char* stored;
  };
  const Case cases[] = {
      {24, "24"},
      {108.16666666666666, "108.1666666666667"},
      {212.58333333333331, "212.5833333333333"},
      {-97.5, "-97.5"},
      {0.1, "0.1"},
      {1.0 / 3, "0.3333333333333333"},
      {1e20, "1E+20"},
      {1.5e-7, "1.5E-07"},
      {0.0001, "0.0001"},
      {1e16, "1E+16"},
      {1234567890123456, "1234567890123456"},
      {std::numeric_limits<double>::infinity(), "0"},
      {std::numeric_limits<double>::quiet_NaN(), "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StoredNumberText(c.value), c.stored) << c.stored;
    // What is stored reads back by the rule a workbook is opened by.
    if (std::string(c.stored) != "0") {
      EXPECT_TRUE(ReadStoredNumber(StoredNumberText(c.value)).has_value()) << c.stored;
    }
  }
}

TEST(WorkbookNotes, TheCustomPropertiesAreNamedInThePackagesLists) {
  EXPECT_EQ(WithCustomPropertiesType(R"(<Types xmlns="t"><Default Extension="xml"/></Types>)"),
            R"(<Types xmlns="t"><Default Extension="xml"/><Override PartName="/docProps/custom.xml" )"
            R"(ContentType="application/vnd.openxmlformats-officedocument.custom-properties+xml"/></Types>)");
  EXPECT_EQ(WithCustomPropertiesRelation(R"(<Relationships><Relationship Id="rId1"/><Relationship Id="rId3"/>)"
                                         R"(<Relationship Id="rId2"/></Relationships>)"),
            R"(<Relationships><Relationship Id="rId1"/><Relationship Id="rId3"/><Relationship Id="rId2"/>)"
            R"(<Relationship Id="rId4" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/)"
            R"(custom-properties" Target="docProps/custom.xml"/></Relationships>)");
  EXPECT_FALSE(WithCustomPropertiesType("<Other/>"));
  EXPECT_FALSE(WithCustomPropertiesRelation(""));
}

TEST(WorkbookNotes, TheCustomPropertiesPartHoldsTheMarkAndTheComputedHoursAsStored) {
  const WorkbookNotes notes{{{8, 4, 34.0 / 3}, {12, 19, 120}}};
  EXPECT_EQ(CustomPropertiesPart(notes),
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
            "\n"
            R"(<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/custom-properties" )"
            R"(xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">)"
            R"(<property fmtid="{D5CDD505-2E9C-101B-9397-08002B2CF9AE}" pid="2" name="Soatnoma">)"
            R"(<vt:lpwstr>yillik taqsimot, 1-shakl</vt:lpwstr></property>)"
            R"(<property fmtid="{D5CDD505-2E9C-101B-9397-08002B2CF9AE}" pid="3" name="Soatnoma hisoblangan D8">)"
            R"(<vt:r8>11.33333333333333</vt:r8></property>)"
            R"(<property fmtid="{D5CDD505-2E9C-101B-9397-08002B2CF9AE}" pid="4" name="Soatnoma hisoblangan S12">)"
            R"(<vt:r8>120</vt:r8></property></Properties>)");
}

TEST(WorkbookNotes, ATextKeepsItsCodesAndControlsThroughTheWorkbook) {
  const std::string typed = "12\r\n\"A\"\tB _x0041_\x01";
  const std::string stored = EscapedForWorkbook(typed);
  EXPECT_EQ(stored, "12_x000D_\n\"A\"\tB _x005F_x0041__x0001_");
  EXPECT_EQ(UnescapedFromWorkbook(stored), typed);
}

}  // namespace
}  // namespace soatnoma::workbook_package
