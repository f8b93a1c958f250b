// What the status line and a cell's tool tip say of the teacher's corrections, and how a
// typed entry that is no number of hours is refused.
#include "report_editing/correction_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "report_sheet/report_builder.h"
#include "sheet_test_support.h"
#include "model/workload_table.h"
#include "model/number_text.h"

namespace soatnoma::report_editing {
namespace {

using testing::Built;
using testing::Teacher;

constexpr int kColumnS = 19;

// Digits after the decimal comma of an hours text: 2 for "2108,25".
std::size_t Decimals(const std::string& text) {
  const std::size_t comma = text.find(',');
  return comma == std::string::npos ? 0 : text.size() - comma - 1;
}

// The difference the status line says: "+0,33333333333" of "... farqi: +0,33333333333)".
std::string SaidDifference(const std::string& line) {
  const std::size_t at = line.find("farqi: ");
  return at == std::string::npos ? std::string() : line.substr(at + 7, line.size() - at - 8);
}

// Cells raised by a third one after another: the year total gains a third each time, and
// the status line says so to the last digit the totals show, however the sums' binary rest
// falls; the row's tool tip likewise.
TEST(CorrectionTexts, TheYearTotalsDifferenceIsSaidToTheDigitsTheTotalsShow) {
  report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Primary, "24", "18", true)));
  ReportCorrections corrections(sheet);
  int raised = 0;
  int restLeftByPlainSubtraction = 0;
  for (const CellPlace cell : corrections.EditableCells()) {
    const double before = corrections.YearTotal();
    corrections.SetHours(cell, corrections.ComputedHours(cell) + 1.0 / 3);
    if (corrections.YearTotal() == before) continue;  // a row that does not count in the year
    ++raised;
    const std::string line = YearTotalText(corrections);
    const std::string said = SaidDifference(line);
    const std::size_t shown =
        std::max(Decimals(HoursText(corrections.YearTotal())), Decimals(HoursText(corrections.ComputedYearTotal())));
    ASSERT_FALSE(said.empty()) << line;
    EXPECT_LE(Decimals(said), shown) << line;
    const double third = raised / 3.0;
    std::string number = said;
    std::replace(number.begin(), number.end(), ',', '.');
    EXPECT_NEAR(std::stod(number), third, 1e-9) << line;
    EXPECT_EQ(said.front(), '+') << line;
    // "... farq qiladi: 816 o'rniga 816,333333333333 (+0,333333333333)."
    const std::string tip = MarkNoteOf(corrections, {cell.row, kColumnS}).toolTip;
    const std::size_t was = tip.find(": ") + 2;
    const std::size_t instead = tip.find(" o'rniga ");
    const std::size_t open = tip.rfind(" (");
    const std::size_t rowShown =
        std::max(Decimals(tip.substr(was, instead - was)), Decimals(tip.substr(instead + 9, open - instead - 9)));
    EXPECT_LE(Decimals(tip.substr(open + 2, tip.size() - open - 4)), rowShown) << tip;
    if (Decimals(HoursText(corrections.YearTotal() - corrections.ComputedYearTotal())) > shown)
      ++restLeftByPlainSubtraction;
  }
  EXPECT_GT(raised, 10);
  // The case the status line got wrong before: the plain difference carries a rest.
  EXPECT_GT(restLeftByPlainSubtraction, 0);
}

// Back to the computed hours, the totals are the same again.
TEST(CorrectionTexts, TheComputedHoursBackAreTheSameTotal) {
  report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "24", "20", false)));
  ReportCorrections corrections(sheet);
  const CellPlace cell = corrections.EditableCells().front();
  const double computed = corrections.ComputedHours(cell);
  corrections.SetHours(cell, computed + 39.25);
  EXPECT_TRUE(YearTotalText(corrections).ends_with(", farqi: +39,25)")) << YearTotalText(corrections);
  corrections.SetHours(cell, computed);
  EXPECT_TRUE(YearTotalText(corrections).ends_with("(hisoblangani bilan bir xil)")) << YearTotalText(corrections);
}

// Entries that are no hours of a cell are refused with the reason, the number named as the
// teacher would write it; a number too large for any text form by what was typed.
TEST(CorrectionTexts, RefusedEntriesSayWhyInTheTeachersWords) {
  struct Case {
    const char* typed;
    const char* refusal;
  };
  const Case cases[] = {
      {"", "Katak bo'sh qoldi: soatni raqam bilan yozing."},
      {" 12a ", "\"12a\" son emas: soatni raqam bilan yozing, masalan 12 yoki 2,5."},
      {"10000", "10000 soat juda ko'p: bir katakka 9999 dan ortiq soat yozilmaydi."},
      {"-12345,5", "-12345,5 soat juda ko'p: bir katakka 9999 dan ortiq soat yozilmaydi."},
      {"1e20", "1E+20 soat juda ko'p: bir katakka 9999 dan ortiq soat yozilmaydi."},
      {"1e999", "\"1e999\" juda katta son: bir katakka 9999 dan ortiq soat yozilmaydi."},
      {" -1E400 ", "\"-1E400\" juda katta son: bir katakka 9999 dan ortiq soat yozilmaydi."},
  };
  for (const Case& c : cases) {
    const HoursEntry entry = ReadHoursEntry(c.typed);
    EXPECT_FALSE(entry.hours.has_value()) << c.typed;
    EXPECT_EQ(entry.refusal, c.refusal) << c.typed;
  }
  EXPECT_EQ(TakeHours(-std::numeric_limits<double>::infinity()).refusal,
            "Katakdagi son juda katta: bir katakka 9999 dan ortiq soat yozilmaydi.");
}

// A place that cannot be typed into says why, naming the cell as the report shows it: a total
// follows what it adds up, a month without the work stays empty, a title or the frame is fixed.
TEST(CorrectionTexts, EachPlaceThatIsNotTypedIntoHasItsOwnWords) {
  report_sheet::ReportSheet sheet =
      testing::Built(report_sheet::BuildReport(testing::Teacher(TeacherCategory::Upper, "24", "20", false)));
  const ReportCorrections corrections(sheet);
  EXPECT_EQ(TypingRefusal(corrections, CellPlace{8, col::C}, false), "");
  EXPECT_EQ(TypingRefusal(corrections, CellPlace{8, col::F}, false),
            "1-chorak \u00B7 Dars soatlari \u2014 jami: u oylardagi soatlarga ergashadi. Uning o'rniga oylardan birini "
            "tuzating.");
  EXPECT_EQ(TypingRefusal(corrections, CellPlace{13, col::C}, false),
            "Sentabr \u00B7 Metodik ta'minot \u2014 jami: u bo'limdagi ishlar soatlariga ergashadi. Uning o'rniga "
            "ishlardan birini tuzating.");
  EXPECT_EQ(TypingRefusal(corrections, CellPlace{8, col::P}, false),
            "Iyul \u00B7 Dars soatlari: bu ishga bu oyda soat ajratilmaydi, katak bo'sh qoladi.");
  EXPECT_TRUE(TypingRefusal(corrections, std::nullopt, false).starts_with("Sarlavha va ramka o'zgartirilmaydi"));
}

}  // namespace
}  // namespace soatnoma::report_editing
