// The frame of the report form as content and format of its cells and blocks.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/workload_table.h"
#include "report_sheet/report_frame.h"
#include "sheet_test_support.h"

namespace soatnoma::report_sheet {
namespace {

using testing::Built;
using testing::Teacher;

ReportSheet FramedSheet(const ReportTexts& texts, int year = 2025) {
  ReportSheet sheet;
  WriteReportFrame(sheet, texts, year);
  WriteReportFooter(sheet, texts);
  return sheet;
}

TEST(ReportTexts, TitleAndFooterKeepEveryPieceAndTheTypedTexts) {
  EXPECT_EQ(TitleSentence({"5", "fizika", "Familiya Ism"}, 2025),
            "5 - sonli maktabning fizika fani o 'qituvchisi Familiya Ismning 2025/2026 o'quv yili uchun taxminiy ish "
            "yuklamasini");
  EXPECT_EQ(TitleSentence({"", "", ""}, 2024),
            " - sonli maktabning  fani o 'qituvchisi ning 2024/2025 o'quv yili uchun taxminiy ish yuklamasini");
  const ReportTexts trailing{"12", "ona tili", "Ism  "};
  EXPECT_NE(TitleSentence(trailing, 2025).find("Ism  ning 2025/2026"), std::string::npos);
  EXPECT_EQ(FooterText(trailing),
            "Fan o'qituvchisi:________________ Ism  " + std::string(31, ' ') +
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
}  // namespace soatnoma::report_sheet
