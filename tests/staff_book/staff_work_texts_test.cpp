// What every edition says of a whole staff's reports made into one file.
#include "staff_book/staff_work_texts.h"

#include <gtest/gtest.h>

namespace soatnoma::staff_book {
namespace {

const std::vector<roster_rules::RosterProblem> kRefused{{5, "soat noto'g'ri"}, {9, "toifa noma'lum"}};
constexpr const char* kRefusedLines =
    "\n\nTayyorlanmagan hisobotlar:\nqator 5: soat noto'g'ri\nqator 9: toifa noma'lum";

TEST(StaffWorkTexts, TheFileMadeIsNamedOnALineOfItsOwnAfterWhatWasDone) {
  struct Case {
    int reports;
    StaffFileFate fate;
    std::vector<roster_rules::RosterProblem> refused;
    std::string said;
  };
  const Case cases[] = {
      {3, StaffFileFate::Saved, {}, "3 ta o'qituvchining hisoboti saqlandi:\n/uy/xodimlar hisobotlari.xlsx"},
      {1, StaffFileFate::Saved, kRefused,
       std::string("1 ta o'qituvchining hisoboti saqlandi:\n/uy/xodimlar hisobotlari.xlsx") + kRefusedLines},
      {6,
       StaffFileFate::HandedToBrowser,
       {},
       "6 ta o'qituvchining hisoboti yuklab olishga berildi:\n/uy/xodimlar hisobotlari.xlsx\n"
       "(brauzer boshqa nom berishi mumkin)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StaffFileText(c.reports, "/uy/xodimlar hisobotlari.xlsx", c.fate, c.refused), c.said);
  }
}

TEST(StaffWorkTexts, ProgressStopsAndNothingMade) {
  EXPECT_EQ(StaffProgressText(12, 40), "Hisobotlar tayyorlanmoqda: 12 / 40");
  EXPECT_EQ(RefusedReportsText({}), "");
  EXPECT_EQ(RefusedReportsText(kRefused), kRefusedLines);
  EXPECT_EQ(NothingMadeText(kRefused), std::string("Hech bir hisobot tayyorlanmadi, fayl yozilmadi.") + kRefusedLines);
  EXPECT_EQ(NothingMadeText("ro'yxatda o'qituvchi yo'q."),
            "Hech bir hisobot tayyorlanmadi, fayl yozilmadi: ro'yxatda o'qituvchi yo'q.");
  EXPECT_EQ(StaffPrintText(1, 2, {}), "\"Jami\" (1 sahifa) va 2 ta o'qituvchining sahifasi chop etiladi.");
  EXPECT_EQ(StaffPrintText(2, 0, kRefused),
            std::string("\"Jami\" (2 sahifa) va 0 ta o'qituvchining sahifasi chop etiladi.") + kRefusedLines);
}

}  // namespace
}  // namespace soatnoma::staff_book
