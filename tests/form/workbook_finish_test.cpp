// What every edition puts into a workbook's parts after its library wrote them, on parts as
// either library writes them: the standard font, a report sheet's margins and rows of
// automatic height, numbers as stored, and the custom properties named in the package.
#include "form/workbook_finish.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "form/stored_number.h"
#include "form/workbook_notes.h"

namespace soatnoma {
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

// The first font of each library's style sheet, as it writes it.
constexpr const char* kDesktopStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<styleSheet xmlns="m"><fonts count="2"><font><sz val="11"/><color theme="1"/><name val="Calibri"/>)"
    R"(<family val="2"/><scheme val="minor"/></font><font><b/><sz val="9"/><name val="Calibri"/></font></fonts></styleSheet>)";
constexpr const char* kPageStyles =
    R"(<styleSheet xmlns="m" xmlns:x14ac="a"><fonts count="2" x14ac:knownFonts="1"><font><sz val="11"/>)"
    R"(<color theme="1"/><name val="Calibri"/><family val="2"/><scheme val="minor"/></font>)"
    R"(<font><b/><sz val="9"/><name val="Calibri"/></font></fonts></styleSheet>)";

TEST(WorkbookFinish, TheStandardFontIsTheReportsFontWithoutATheme) {
  const StandardFont font{"DejaVu Sans", 9};
  EXPECT_EQ(FinishedStyles(kDesktopStyles, font),
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
            "\n"
            R"(<styleSheet xmlns="m"><fonts count="2"><font><sz val="9"/><color theme="1"/><name val="DejaVu Sans"/>)"
            R"(<family val="2"/></font><font><b/><sz val="9"/><name val="Calibri"/></font></fonts></styleSheet>)");
  EXPECT_EQ(FinishedStyles(kPageStyles, StandardFont{"A & \"B\"", 10.5}),
            R"(<styleSheet xmlns="m" xmlns:x14ac="a"><fonts count="2" x14ac:knownFonts="1"><font><sz val="10.5"/>)"
            R"(<color theme="1"/><name val="A &amp; &quot;B&quot;"/><family val="2"/></font>)"
            R"(<font><b/><sz val="9"/><name val="Calibri"/></font></fonts></styleSheet>)");
  EXPECT_FALSE(FinishedStyles("<styleSheet/>", font));
  EXPECT_FALSE(FinishedStyles("<styleSheet><fonts><font/></fonts></styleSheet>", font));
}

// Two rows of a sheet, with cells of every kind, and its margins, as each library writes them.
constexpr const char* kDesktopSheet =
    R"(<worksheet><sheetData><row r="1" spans="1:19" ht="40" customHeight="1"><c r="A1" s="2" t="s"><v>0</v></c>)"
    R"(<c r="B1" s="1"/></row><row r="2" spans="1:19" ht="14.5" customHeight="1"><c r="C2" s="8">)"
    R"(<f>C6+C8</f><v>212.1666666666667</v></c><c r="D2"><v>24</v></c></row></sheetData>)"
    R"(<pageMargins left="0.39" right="0.39" top="0.19" bottom="0.19" header="0.3" footer="0.3"/></worksheet>)";
constexpr const char* kPageSheet =
    R"(<worksheet><sheetData><row r="1" ht="40" customHeight="1" spans="15:19" x14ac:dyDescent="0.25">)"
    R"(<c r="A1" s="2" t="s"><v>0</v></c><c r="B1" s="1"/></row>)"
    R"(<row r="2" ht="14.5" customHeight="1" spans="1:19" x14ac:dyDescent="0.25"><c r="C2" s="8">)"
    R"(<f>C6+C8</f><v>212.16666666666669</v></c><c r="D2"><v>24</v></c><c r="E2" t="str"><f>A1</f><v>1.50</v></c>)"
    R"(<c r="F2" t="n"><v>0.30000000000000004</v></c></row></sheetData>)"
    R"(<pageMargins left="0.39" right="0.39" top="0.19" bottom="0.19" header="0.3" footer="0.3"/></worksheet>)";

TEST(WorkbookFinish, AReportSheetKeepsItsSetRowsAndZeroHeaderAndFooter) {
  const SheetFinish finish{0, 0, {2, 7}};
  EXPECT_EQ(FinishedWorksheet(kDesktopSheet, &finish, NumberTexts::AsWritten),
            R"(<worksheet><sheetData><row r="1" spans="1:19" ht="40" customHeight="1"><c r="A1" s="2" t="s"><v>0</v></c>)"
            R"(<c r="B1" s="1"/></row><row r="2" spans="1:19" ht="14.5"><c r="C2" s="8">)"
            R"(<f>C6+C8</f><v>212.1666666666667</v></c><c r="D2"><v>24</v></c></row></sheetData>)"
            R"(<pageMargins left="0.39" right="0.39" top="0.19" bottom="0.19" header="0" footer="0"/></worksheet>)");
  EXPECT_EQ(FinishedWorksheet(kPageSheet, &finish, NumberTexts::Stored),
            R"(<worksheet><sheetData><row r="1" ht="40" customHeight="1" spans="15:19" x14ac:dyDescent="0.25">)"
            R"(<c r="A1" s="2" t="s"><v>0</v></c><c r="B1" s="1"/></row>)"
            R"(<row r="2" ht="14.5" spans="1:19" x14ac:dyDescent="0.25"><c r="C2" s="8">)"
            R"(<f>C6+C8</f><v>212.1666666666667</v></c><c r="D2"><v>24</v></c><c r="E2" t="str"><f>A1</f><v>1.50</v></c>)"
            R"(<c r="F2" t="n"><v>0.3</v></c></row></sheetData>)"
            R"(<pageMargins left="0.39" right="0.39" top="0.19" bottom="0.19" header="0" footer="0"/></worksheet>)");
  // Without margins it is no worksheet a library wrote.
  EXPECT_FALSE(FinishedWorksheet("<worksheet><sheetData/></worksheet>", &finish, NumberTexts::Stored));
}

// A sheet that is no report (a staff's summary) keeps its rows and margins as written; only
// its numbers are stored as the desktop stores them.
TEST(WorkbookFinish, AnotherSheetOnlyHasItsNumbersStored) {
  const std::string finished = FinishedWorksheet(kPageSheet, nullptr, NumberTexts::Stored).value();
  EXPECT_NE(finished.find(R"(<row r="2" ht="14.5" customHeight="1")"), std::string::npos);
  EXPECT_NE(finished.find(R"(header="0.3" footer="0.3")"), std::string::npos);
  EXPECT_NE(finished.find("<v>212.1666666666667</v>"), std::string::npos);
  EXPECT_EQ(FinishedWorksheet(kDesktopSheet, nullptr, NumberTexts::AsWritten), kDesktopSheet);
}

TEST(WorkbookFinish, TheCustomPropertiesAreNamedInThePackagesLists) {
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

TEST(WorkbookFinish, TheCustomPropertiesPartHoldsTheMarkAndTheComputedHoursAsStored) {
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

TEST(WorkbookFinish, AReportSheetsAutomaticRowsAreThoseWithoutAHeight) {
  ReportSheet sheet;
  sheet.SetRowHeight(1, 40);
  const SheetFinish finish = SheetFinishFor(sheet);
  EXPECT_EQ(finish.automaticRows.size(), static_cast<std::size_t>(ReportSheet::kLastRow - 1));
  EXPECT_EQ(finish.automaticRows.front(), 2);
  EXPECT_DOUBLE_EQ(finish.headerMarginInches, sheet.Page().headerMargin / 72);
}

}  // namespace
}  // namespace soatnoma
