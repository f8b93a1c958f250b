#pragma once
// The school year a report or a staff's workbook is made for. A school year Y/Y+1 is named
// by its first calendar year Y. Unless the teacher chooses otherwise, it is the year of
// today's date and the next one; the choice offers the school year before and the one
// after it too, and a choice kept from an earlier run stands while it is still offered.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::report_sheet {

// What the choice is called wherever it is shown.
inline constexpr std::string_view kSchoolYearCaption = "O'quv yili";
inline constexpr std::string_view kSchoolYearHint =
    "Hisobot sarlavhasi, fayl nomi va \"Jami\" varag'i shu o'quv yili uchun yoziladi";

// The school year made for when nothing was chosen: the calendar year of today.
int DefaultSchoolYear(int todayYear);

// The school years offered, earliest first: the default one, the one before and the one after.
std::vector<int> OfferedSchoolYears(int todayYear);

// The year kept from an earlier choice while it is still offered, else the default one.
int ChosenSchoolYear(int todayYear, std::optional<int> kept);

// "2026/2027".
std::string SchoolYearText(int firstYear);

// The year a kept text names ("2026"), nullopt for anything else.
std::optional<int> ReadKeptSchoolYear(std::string_view text);

}  // namespace soatnoma::report_sheet
