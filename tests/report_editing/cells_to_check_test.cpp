// The cells to check, named: in the question before the report leaves, with fractions
// spoken of only when there are any, and the state that asks again only once they change.
#include "report_editing/cells_to_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report_editing/correction_texts.h"
#include "report_sheet/report_builder.h"
#include "sheet_test_support.h"
#include "model/workload_table.h"

namespace soatnoma::report_editing {
namespace {

report_sheet::ReportSheet Report() {
  return testing::Built(report_sheet::BuildReport(testing::Teacher(TeacherCategory::Upper, "24", "20", false)));
}

TEST(CellsToCheck, NamedInReadingOrderAndCountedBeyondAFew) {
  const std::vector<CellPlace> places = {{8, col::C}, {9, col::D}, {14, col::K}, {20, col::S}};
  const std::string all =
      "Sentabr \u00B7 Dars soatlari, Oktabr \u00B7 Yozma ishlar tekshiruvi, "
      "Mart \u00B7 Darsga tayyorgarlik, Yillik \u00B7 Boshqa tadbirlar";
  EXPECT_EQ(NamedCells(places, 10), all);
  EXPECT_EQ(NamedCells(places, 2), "Sentabr \u00B7 Dars soatlari, Oktabr \u00B7 Yozma ishlar tekshiruvi va yana 2 ta");
  EXPECT_EQ(NamedCells(places, 4), all);  // as many as are named: nothing left to count
  EXPECT_EQ(NamedCells(places, 3), all.substr(0, all.rfind(", ")) + " va yana 1 ta");
  EXPECT_EQ(NamedCells({}, 2), "");
}

TEST(CellsToCheck, TheQuestionNamesTheCellsOfEachKindAndFractionsOnlyWhenThereAreAny) {
  report_sheet::ReportSheet sheet = Report();
  ReportCorrections corrections(sheet);
  EXPECT_EQ(CellsToCheckQuestion(corrections, ReportLeaving::Printing), "");
  EXPECT_FALSE(AsksBeforeLeaving(corrections, ""));

  corrections.SetHours({14, col::K}, -1);
  const std::string negative = CellsToCheckQuestion(corrections, ReportLeaving::Pdf);
  EXPECT_NE(negative.find("\n\u2022 manfiy soat (1 ta): Mart \u00B7 Darsga tayyorgarlik\n"), std::string::npos)
      << negative;
  EXPECT_NE(negative.find(
                "\n\u2022 yillik jami hisoblangandan farq qiladi (4 ta): Yillik \u00B7 Yillik jami, "
                "Yillik \u00B7 Umumiy soatnoma, Yillik \u00B7 Metodik ta'minot, Yillik \u00B7 Darsga tayyorgarlik\n"),
            std::string::npos)
      << negative;
  EXPECT_EQ(negative.find("butun son"), std::string::npos) << negative;
  EXPECT_EQ(negative.find("Kasr"), std::string::npos) << negative;
  EXPECT_TRUE(negative.starts_with("Hisobotda tekshirilishi kerak bo'lgan 5 ta katak bor:")) << negative;
  EXPECT_TRUE(negative.ends_with("\nBaribir PDF ga eksport qilasizmi?")) << negative;

  corrections.SetHours({8, col::C}, 2.5);
  const std::string fraction = CellsToCheckQuestion(corrections, ReportLeaving::Saving);
  EXPECT_NE(fraction.find("\n\u2022 butun son emas (1 ta): Sentabr \u00B7 Dars soatlari\n"), std::string::npos)
      << fraction;
  EXPECT_TRUE(
      fraction.ends_with("\nKasr soat qog'ozda butun son bo'lib chiqadi, jamlar esa mos kelmasligi mumkin. "
                         "Baribir saqlaysizmi?"))
      << fraction;
  // The status line names the first few, row by row.
  EXPECT_EQ(CorrectionsText(corrections),
            "Tuzatilgan: 2 ta katak. Tekshiring: Yillik \u00B7 Yillik jami, "
            "Yillik \u00B7 Umumiy soatnoma, Yillik \u00B7 O'quv-tarbiya jarayoni va yana 5 ta.");
}

// The line of one kind in the question, "\n• manfiy soat (12 ta): C5, ...\n" without its ends.
std::string LineOfKind(const std::string& question, const std::string& kind) {
  const std::size_t start = question.find("\n\u2022 " + kind + " (");
  if (start == std::string::npos) return {};
  return question.substr(start + 1, question.find('\n', start + 1) - start - 1);
}

// The question names twelve cells of a kind: twelve are all named, a thirteenth is counted.
TEST(CellsToCheck, TheQuestionNamesTwelveOfAKindAndCountsTheRest) {
  report_sheet::ReportSheet sheet = Report();
  ReportCorrections corrections(sheet);
  const auto negatives = [&] {
    const std::vector<CellPlace> flagged = corrections.FlaggedCells();
    return std::count_if(flagged.begin(), flagged.end(),
                         [&](CellPlace place) { return corrections.FlagsAt(place).negative; });
  };
  const std::vector<CellPlace> editable = corrections.EditableCells();
  std::size_t next = 0;
  const auto negativeUpTo = [&](long count) {
    while (negatives() < count && next < editable.size()) corrections.SetHours(editable[next++], -1);
    ASSERT_EQ(negatives(), count);
  };
  negativeUpTo(12);
  std::string line = LineOfKind(CellsToCheckQuestion(corrections, ReportLeaving::Printing), "manfiy soat");
  EXPECT_TRUE(line.starts_with("\u2022 manfiy soat (12 ta): ")) << line;
  EXPECT_EQ(std::count(line.begin(), line.end(), ','), 11) << line;
  EXPECT_EQ(line.find("va yana"), std::string::npos) << line;

  negativeUpTo(13);
  line = LineOfKind(CellsToCheckQuestion(corrections, ReportLeaving::Printing), "manfiy soat");
  EXPECT_TRUE(line.starts_with("\u2022 manfiy soat (13 ta): ")) << line;
  EXPECT_EQ(std::count(line.begin(), line.end(), ','), 11) << line;
  EXPECT_TRUE(line.ends_with(" va yana 1 ta")) << line;
}

TEST(CellsToCheck, AskedAgainOnlyOnceTheCellsToCheckChange) {
  report_sheet::ReportSheet sheet = Report();
  ReportCorrections corrections(sheet);
  corrections.SetHours({8, col::C}, 2.5);
  const std::string wentOn = CellsToCheckState(corrections);
  EXPECT_TRUE(AsksBeforeLeaving(corrections, ""));
  EXPECT_FALSE(AsksBeforeLeaving(corrections, wentOn));
  const std::string before = CellsToCheckState(corrections);
  corrections.SetHours({8, col::C}, 3.5);  // the same cells, other hours: asked again
  EXPECT_NE(CellsToCheckState(corrections), before);
  EXPECT_TRUE(AsksBeforeLeaving(corrections, wentOn));
  corrections.SetHours({8, col::C}, 2.5);  // back as it was when the teacher went on
  EXPECT_FALSE(AsksBeforeLeaving(corrections, wentOn));
  // An hour moved between two months of another row leaves the cells to check as they were.
  std::vector<CellPlace> months;
  for (const CellPlace place : corrections.EditableCells()) {
    if (place.row == 9 && place.column <= col::N && corrections.Hours(place) >= 1) months.push_back(place);
  }
  ASSERT_GE(months.size(), 2u);
  corrections.SetHours(months[0], corrections.Hours(months[0]) + 1);
  corrections.SetHours(months[1], corrections.Hours(months[1]) - 1);
  EXPECT_FALSE(AsksBeforeLeaving(corrections, wentOn));
  corrections.SetHours({8, col::C}, std::nullopt);
  corrections.SetHours({8, col::C}, corrections.ComputedHours({8, col::C}));
  EXPECT_FALSE(AsksBeforeLeaving(corrections, wentOn)) << "nothing left to check";
}

}  // namespace
}  // namespace soatnoma::report_editing
