// The frame of the report form as content and format of its cells and blocks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/workload_table.h"
#include "form/report_frame.h"
#include "form_test_support.h"

namespace soatnoma {
namespace {

using testing::Built;
using testing::Teacher;

ReportSheet FramedSheet(const ReportTexts& texts, int year = 2025) {
  ReportSheet sheet;
  WriteReportFrame(sheet, texts, year);
  WriteReportFooter(sheet, texts);
  return sheet;
}

// Every cell of the block satisfies the check; reports the first that does not.
void ExpectEveryCell(const ReportSheet& sheet, const char* block, const std::function<bool(const CellFormat&)>& check) {
  const CellBlock cells = ParseRangeAddress(block);
  for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
    for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
      if (!check(sheet.FormatAt(row, column))) {
        ADD_FAILURE() << block << ": cell " << BlockAddress({row, column, row, column});
        return;
      }
    }
  }
}

TEST(ReportTexts, TitleAndFooterKeepEveryPieceAndTheTypedTexts) {
  EXPECT_EQ(TitleSentence({"5", "fizika", "Familiya Ism"}, 2025),
            "5 - sonli maktabning fizika fani o 'qituvchisi Familiya Ismning 2025/2026 o'quv yili uchun taxminiy ish "
            "yuklamasini");
  EXPECT_EQ(TitleSentence({"", "", ""}, 2024),
            " - sonli maktabning  fani o 'qituvchisi ning 2024/2025 o'quv yili uchun taxminiy ish yuklamasini");
  const ReportTexts trailing{"12", "ona tili", "Ism  "};
  EXPECT_NE(TitleSentence(trailing, 2025).find("Ism  ning 2025/2026"), std::string::npos);
  EXPECT_EQ(FooterText(trailing), "Fan o'qituvchisi:________________ Ism  " + std::string(31, ' ') +
                                      "O'quv ishlari bo'yicha direktor o'rinbosari:  _____________________ ____________");
}

// The box asks for the school's number; words typed after it are not said twice in the title.
TEST(ReportTexts, TheTitleSaysMaktabOnceWhateverFollowsTheSchoolsNumber) {
  for (const char* typed : {"17-maktab", "17 - maktab", "17 sonli maktab", "17-sonli MAKTAB ", "17maktab"}) {
    EXPECT_EQ(SchoolNumberText(typed), "17") << typed;
    EXPECT_TRUE(TitleSentence({typed, "fizika", "Ism"}, 2025).starts_with("17 - sonli maktabning fizika")) << typed;
  }
  // Anything else stays as typed, blanks included.
  for (const char* typed : {"17", " 17 ", "Maktab", "17-maktabgacha", "IDUM 3"})
    EXPECT_EQ(SchoolNumberText(typed), typed);
}

// ReportTexts is {school, subject, name}; the note names name, school and subject in that order.
TEST(ReportTexts, TheStatusLineNamesTheTextsLeftEmpty) {
  const std::vector<std::pair<ReportTexts, std::string>> cases = {
      {{"5", "fizika", "Familiya Ism"}, ""},
      {{"5", "fizika", ""}, "Kiritilmagan: familiya va ism."},
      {{"5", "fizika", " \t\xC2\xA0"}, "Kiritilmagan: familiya va ism."},
      {{"", "fizika", "Ism"}, "Kiritilmagan: maktab."},
      {{"5", "\r\n", "Ism"}, "Kiritilmagan: fan."},
      {{"  ", "", "Ism"}, "Kiritilmagan: maktab, fan."},
      {{"", "", ""}, "Kiritilmagan: familiya va ism, maktab, fan."},
      {{"0", "-", "."}, ""},
  };
  for (const auto& [texts, note] : cases) EXPECT_EQ(EmptyTextsNote(texts), note) << texts.name << '|' << texts.school;
}

TEST(ReportFrame, WritesTheFormTextsIntoTheirBlocks) {
  const ReportTexts texts{"5", "fizika", "Familiya Ism"};
  const ReportSheet sheet = FramedSheet(texts, 2031);
  const CellGrid& cells = sheet.Cells();
  EXPECT_EQ(cells.TextAt(1, col::O), "Tasdiqlayman _____________ Direktor ____________________");
  EXPECT_EQ(cells.TextAt(2, col::A), TitleSentence(texts, 2031));
  EXPECT_EQ(cells.TextAt(3, col::A), "Y I L L I K  T A Q S I M O T I");
  EXPECT_EQ(cells.TextAt(22, col::A), FooterText(texts));
  EXPECT_EQ(cells.TextAt(4, col::A), "№");
  EXPECT_EQ(cells.TextAt(4, col::C), "Sentabr");
  EXPECT_EQ(cells.TextAt(4, col::S), "Yillik");
  EXPECT_EQ(cells.TextAt(20, col::B), RowTitle(20));
  EXPECT_EQ(cells.ReadValue(13, col::A), 2.0);
  EXPECT_EQ(cells.KindAt(12, col::A), CellKind::Empty);
  for (int column = col::C; column <= col::S; ++column) EXPECT_EQ(cells.KindAt(8, column), CellKind::Empty);
  const std::vector<CellBlock> merged(sheet.MergedBlocks().begin(), sheet.MergedBlocks().end());
  EXPECT_EQ(merged, (std::vector<CellBlock>{ParseRangeAddress("O1:S1"), ParseRangeAddress("A2:S2"),
                                            ParseRangeAddress("A3:S3"), ParseRangeAddress("A22:S22")}));
}

TEST(ReportFrame, FormatsEachBlockOfTheForm) {
  const ReportSheet sheet = FramedSheet({"5", "fizika", "Ism"});
  using H = HorizontalAlignment;
  using V = VerticalAlignment;
  ExpectEveryCell(sheet, "O1:S1", [](const CellFormat& f) { return f.bold && f.horizontal == H::Right && f.wrapText; });
  ExpectEveryCell(sheet, "A2:S2", [](const CellFormat& f) {
    return f.bold && f.fontSize == 14.0 && f.horizontal == H::Center && f.vertical == V::Center && f.wrapText;
  });
  ExpectEveryCell(sheet, "A3:S3", [](const CellFormat& f) { return f.bold && f.fontSize == 16.0 && f.horizontal == H::Center; });
  ExpectEveryCell(sheet, "C4:S4", [](const CellFormat& f) {
    return f.bold && f.orientation == 90 && f.horizontal == H::Center && f.vertical == V::Bottom && !f.wrapText;
  });
  // B4 is centred by the heading row, the titles below stay left.
  ExpectEveryCell(sheet, "A4:B4", [](const CellFormat& f) { return f.bold && f.horizontal == H::Center && f.wrapText; });
  ExpectEveryCell(sheet, "B5:B20", [](const CellFormat& f) {
    return !f.bold && f.horizontal == H::Left && f.vertical == V::Center && f.wrapText && f.orientation == 0;
  });
  ExpectEveryCell(sheet, "A5:A20", [](const CellFormat& f) { return f.bold && f.horizontal == H::Center; });
  ExpectEveryCell(sheet, "C5:S20", [](const CellFormat& f) {
    return f.numberFormat == "0" && f.horizontal == H::Center && f.vertical == V::Center && !f.bold;
  });
  ExpectEveryCell(sheet, "A22:S22", [](const CellFormat& f) { return f.bold && f.horizontal == H::Center && !f.wrapText; });
  // The table is ruled, nothing else; fonts stay standard outside the title lines.
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= ReportSheet::kLastColumn; ++column) {
      const CellFormat& format = sheet.FormatAt(row, column);
      EXPECT_EQ(format.border == LineStyle::Continuous, row >= 4 && row <= 20) << row << "," << column;
      EXPECT_EQ(format.fontSize.has_value(), row == 2 || row == 3) << row << "," << column;
      EXPECT_EQ(format.numberFormat == "0", row >= 5 && row <= 20 && column >= 3) << row << "," << column;
    }
  }
}

TEST(ReportFrame, SetsWidthsHeightsAndThePage) {
  const ReportSheet sheet = FramedSheet({"5", "fizika", "Ism"});
  EXPECT_EQ(sheet.ColumnWidth(col::A), 3);
  EXPECT_EQ(sheet.ColumnWidth(col::B), 35);
  for (int column = col::C; column <= col::S; ++column) EXPECT_EQ(sheet.ColumnWidth(column), 5);
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    EXPECT_EQ(sheet.RowHeight(row), row <= 3 ? std::optional<double>(40) : std::nullopt) << row;
  }
  PageSetup expected;
  expected.leftMargin = expected.rightMargin = 28.3464566929134;
  expected.topMargin = expected.bottomMargin = 14.1732283464567;  // 0.5 cm, where printers print
  expected.headerMargin = expected.footerMargin = 0;
  expected.orientation = PageOrientation::Landscape;
  expected.paperSize = PaperSize::A4;
  const PageSetup& page = sheet.Page();
  EXPECT_NEAR(page.leftMargin, expected.leftMargin, 1e-9);
  EXPECT_NEAR(page.rightMargin, expected.rightMargin, 1e-9);
  EXPECT_NEAR(page.topMargin, expected.topMargin, 1e-9);
  EXPECT_NEAR(page.bottomMargin, expected.bottomMargin, 1e-9);
  expected.leftMargin = page.leftMargin;
  expected.rightMargin = page.rightMargin;
  expected.topMargin = page.topMargin;
  expected.bottomMargin = page.bottomMargin;
  EXPECT_EQ(page, expected);
}

TEST(ReportFrame, BothCategoriesGetTheSameFrame) {
  const ReportTexts texts{"17", "matematika", "Oʻtkir Каримов"};
  const ReportSheet upper = Built(BuildReport(Teacher(TeacherCategory::Upper, "24", "20", true, texts)));
  const ReportSheet primary = Built(BuildReport(Teacher(TeacherCategory::Primary, "18", "18", false, texts)));
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= ReportSheet::kLastColumn; ++column) {
      EXPECT_EQ(upper.FormatAt(row, column), primary.FormatAt(row, column)) << row << "," << column;
      const bool hours = row >= 5 && row <= 20 && column >= 3;
      if (!hours) {
        EXPECT_EQ(upper.Cells().TextAt(row, column), primary.Cells().TextAt(row, column));
      }
    }
    EXPECT_EQ(upper.RowHeight(row), primary.RowHeight(row));
  }
  EXPECT_TRUE(std::equal(upper.MergedBlocks().begin(), upper.MergedBlocks().end(), primary.MergedBlocks().begin(),
                         primary.MergedBlocks().end()));
  EXPECT_EQ(upper.Page(), primary.Page());
}

}  // namespace
}  // namespace soatnoma
