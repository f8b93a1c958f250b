#pragma once
// What every edition says while and after a whole staff's reports are made into one file:
// the progress, a stop, a staff none of whose reports could be made, the file made with
// the reports that could not be, and the page's print of every teacher's page.

#include <string>
#include <string_view>
#include <vector>

#include "roster_rules/roster.h"

namespace soatnoma::staff_book {

// The progress: "Hisobotlar tayyorlanmoqda: 3 / 40".
std::string StaffProgressText(int done, int all);

// A stop before the file was written.
inline constexpr std::string_view kStaffStoppedText = "To'xtatildi, fayl yozilmadi.";
// A stop before the pages were printed (the page prints instead of writing a PDF).
inline constexpr std::string_view kStaffPrintStoppedText = "To'xtatildi, hech narsa chop etilmadi.";

// The reports that could not be made, a line each ("qator 5: ..."), after an empty line:
// "\n\nTayyorlanmagan hisobotlar:\nqator 5: ..."; empty when there are none.
std::string RefusedReportsText(const std::vector<roster_rules::RosterProblem>& refused);

// No report could be made, with the reasons: "Hech bir hisobot tayyorlanmadi, fayl
// yozilmadi." and the refused reports.
std::string NothingMadeText(const std::vector<roster_rules::RosterProblem>& refused);
// The same for the command line, with why in one line: "... yozilmadi: <why>".
std::string NothingMadeText(std::string_view why);

// How a file of the staff's reports ended up: written where the teacher chose, or handed
// to the browser as a download (whether a file appeared the page cannot know).
enum class StaffFileFate { Saved, HandedToBrowser };
// "3 ta o'qituvchining hisoboti saqlandi:\n<file>" and the refused reports.
std::string StaffFileText(int reports, std::string_view file, StaffFileFate fate,
                          const std::vector<roster_rules::RosterProblem>& refused);

// The print of the summary's pages the director signs, then every teacher's page:
// "\"Jami\" (1 sahifa) va 3 ta o'qituvchining sahifasi chop etiladi." and the refused reports.
std::string StaffPrintText(int summaryPages, int pages, const std::vector<roster_rules::RosterProblem>& refused);

}  // namespace soatnoma::staff_book
