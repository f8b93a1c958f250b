#include "staff_book/staff_workbook_texts.h"

#include "model/number_text.h"

namespace soatnoma::staff_book {

std::string StaffTeacherQuestion(std::string_view fileName) {
  return "\"" + std::string(fileName) +
         "\" - xodimlar kitobi. Qaysi o'qituvchining hisobotini ochasiz? Saqlaganda butun kitob yoziladi, \"Jami\" "
         "varag'i ham qayta hisoblanadi.";
}

// As the staff list shows a teacher's yearly total.
std::string StaffTotalText(double annualTotal) { return NumberToText(annualTotal); }

std::string WritesOverWorkbookMessage(const std::string& outputPath) {
  return "Fayl yozilmadi: \"" + outputPath +
         "\" ochilgan kitobning o'zi (yoki unga havola), ustidan yozilsa kitob "
         "yo'qoladi. PDF uchun boshqa nom tanlang.";
}

std::string ListedTotalText(const StaffTeacherSheet& listed) {
  if (!listed.Openable() || !listed.totalUnread.empty()) return "\u2014";
  return DecimalCommaText(listed.annualTotal);
}

std::string ListedNote(const StaffTeacherSheet& listed) {
  if (!listed.Openable()) return listed.unmatched + ", ochib bo'lmaydi.";
  if (!listed.totalUnread.empty()) return listed.totalUnread + "; ochilganda varaqdan hisoblanadi.";
  return {};
}

}  // namespace soatnoma::staff_book
