#pragma once
// The words "Ochish" says of a staff workbook, the same on the desktop and in the page: the
// question which teacher's report to open, the headings of the list of teachers, its buttons,
// and a teacher's yearly total as the list shows it.

#include <array>
#include <string>
#include <string_view>

#include "roster_rules/roster_table.h"
#include "staff_book/staff_teachers.h"

namespace soatnoma::staff_book {

// The title of the question ("Xodimlar kitobi") and its two answers.
inline constexpr std::string_view kStaffTeacherChoiceTitle = "Xodimlar kitobi";
inline constexpr std::string_view kStaffTeacherOpen = "Ochish";
inline constexpr std::string_view kStaffTeacherCancel = "Ro'yxatni yopish";
// The list's columns: the sheet, the teacher, the yearly total, and what is to be known of
// the row (why it cannot be opened, why its total is not shown).
inline constexpr std::array<std::string_view, 4> kStaffTeacherHeadings = {"Varaq", "O'qituvchi",
                                                                          roster_rules::kYearHoursHeading, "Izoh"};

// "\"xodimlar.xlsx\" - xodimlar kitobi. Qaysi o'qituvchining hisobotini ochasiz? ..."
std::string StaffTeacherQuestion(std::string_view fileName);

// The yearly total as the list shows it: "1858", "1935,5".
std::string StaffTotalText(double annualTotal);

// The whole workbook as it stands made into one PDF (the desktop) or printed (the page):
// the button beside "Ochish" and what it does.
inline constexpr std::string_view kStaffWorkbookPdf = "PDF...";
inline constexpr std::string_view kStaffWorkbookPrint = "Chop etish (butun kitob)";
inline constexpr std::string_view kStaffWorkbookPrintToolTip =
    "Butun kitob saqlanganidek: \"Jami\", so'ng har bir o'qituvchining sahifasi, tuzatishlari bilan";
// Why a PDF is not written over the workbook it is made of; outputPath as it was chosen.
std::string WritesOverWorkbookMessage(const std::string& outputPath);
// A listed row's yearly total and its note as the list shows them: the total, or "—" where
// the summary holds none that is a number or the row opens no sheet; the note says why
// ("..., ochib bo'lmaydi." for a row that cannot be opened), empty for a plain teacher.
std::string ListedTotalText(const StaffTeacherSheet& listed);
std::string ListedNote(const StaffTeacherSheet& listed);

}  // namespace soatnoma::staff_book
