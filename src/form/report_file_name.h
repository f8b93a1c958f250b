#pragma once
// The file name a report is offered under: the teacher's name and the school year, e.g.
// "Familiya Ism 2025-2026.xlsx". The desktop and the browser offer the same name.

#include <string>
#include <string_view>

namespace soatnoma {

// Blanks are trimmed and runs of them made one space; characters that cannot stand in a
// file name become "_"; without a name the program's name stands in. suffix without the
// dot: "xlsx", "pdf". The name is UTF-8.
std::string ReportFileName(std::string_view teacherName, int calendarYear, std::string_view suffix);

}  // namespace soatnoma
