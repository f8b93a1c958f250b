#pragma once
// How a report kept unsaved is named when it is offered back, after the program or the
// page was closed without saving it: the teacher, the school year, the file it belongs to
// and when it was kept. The desktop and the browser name it alike.

#include <cstddef>
#include <optional>
#include <string>

namespace soatnoma::screen_view {

// A moment on the teacher's own clock, to the minute.
struct LocalMinute {
  int year = 0;
  int month = 0;  // 1 .. 12
  int day = 0;
  int hour = 0;
  int minute = 0;
};

struct KeptReportFacts {
  std::string teacherName;  // as typed; blanks at its ends do not count
  int calendarYear = 0;     // the school year's first calendar year; 0 when not known
  std::string fileName;     // the workbook it was opened from or saved to; empty if none
  std::optional<LocalMinute> keptAt;
  std::string sheetName;  // the teacher's sheet when that workbook is a staff workbook
};

// "14.03.2025 10:12"
std::string MinuteText(const LocalMinute& at);

// "Karimova Dilnoza, 2025/2026 o'quv yili (Karimova Dilnoza 2025-2026.xlsx), 14.03.2025 10:12";
// without a name "Nomsiz hisobot, ..."; a teacher's sheet of a staff workbook
// "... (xodimlar.xlsx, "Karimova Dilnoza" varag'i), ...".
std::string KeptReportDescription(const KeptReportFacts& facts);

// "Oldingi safardan 2 ta hisobot saqlab qo'yilgan:"
std::string LeftUnsavedHeading(std::size_t count);

// The answers to the offer of reports kept unsaved: take one back, let it go, or ask again
// at the next start (the desktop's question only; the page's offer stays until answered).
inline constexpr std::string_view kRestoreAnswer = "Tiklash";
inline constexpr std::string_view kDiscardKeptAnswer = "O'chirib tashlash";
inline constexpr std::string_view kLaterAnswer = "Keyinroq";

// The words before the reason a report kept unsaved could not be taken back, or let go.
inline constexpr std::string_view kRestoreFailedWords = "Hisobotni tiklab bo'lmadi.";
inline constexpr std::string_view kDiscardFailedWords = "Hisobotni o'chirib bo'lmadi.";

// The words before the reason the reports kept unsaved could not be read back.
inline constexpr std::string_view kKeptUnreadableWords = "Saqlanmagan hisobotlarni o'qib bo'lmadi:";

}  // namespace soatnoma::screen_view
