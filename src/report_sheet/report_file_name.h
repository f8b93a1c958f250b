#pragma once
// The file name a report is offered under: the teacher's name and the school year, e.g.
// "Familiya Ism 2025-2026.xlsx". The desktop and the browser offer the same name, and so
// do the names of the staff's files (staff_book/staff_book.h): every one fits in the 255 bytes
// a file system takes, with room for a browser to download it.

#include <cstddef>
#include <string>
#include <string_view>

namespace soatnoma::report_sheet {

// The longest name of a file, in bytes of UTF-8, that Linux's file systems take.
inline constexpr std::size_t kMaxFileNameBytes = 255;
// The longest name the program offers, in every edition: room is left for the
// ".crdownload" a browser adds to a file's name while it downloads it (Chromium cancels a
// download whose name then no longer fits, so a workbook offered in 255 bytes would not
// arrive).
inline constexpr std::size_t kMaxOfferedNameBytes = kMaxFileNameBytes - std::string_view(".crdownload").size();

// What a report is called where no teacher's name is at hand: the window of a report
// without a name, and the title every PDF of a report carries.
inline constexpr std::string_view kReportTitle = "Yillik taqsimot";

// The teacher's name made a file's (FileNameFromText); without a name the program's name
// stands in. A name too long is cut (FittedFileName), the school year and the suffix
// kept. suffix without the dot: "xlsx", "pdf". The name is UTF-8.
std::string ReportFileName(std::string_view teacherName, int calendarYear, std::string_view suffix);

// A file's name taken from text (a teacher's name, a staff list's), by the rule of every
// name taken from text (model/name_text.h): direction controls left out, blanks trimmed
// and runs of them made one space; the path separators, control characters and what no
// file name may hold on the computers it may be copied to (: * ? " < > |) become "_"; no
// dot in front, which would hide the file. Empty when nothing is left, as of "..".
std::string FileNameFromText(std::string_view text);

// name followed by tail (" 2026-2027.xlsx", " hisobotlari.pdf") in at most maxBytes bytes:
// the name cut where a character ends, never inside one, and a blank left at the cut
// dropped; the tail is kept whole.
std::string FittedFileName(std::string_view name, std::string_view tail, std::size_t maxBytes = kMaxOfferedNameBytes);

}  // namespace soatnoma::report_sheet
