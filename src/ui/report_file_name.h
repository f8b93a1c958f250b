#pragma once
// The file name a report is offered under: the teacher's name and the school year, e.g.
// "Familiya Ism 2025-2026.xlsx".

#include <string_view>

#include <QString>

namespace soatnoma::ui {

// Characters that cannot stand in a file name become "_"; without a name the program's
// name stands in. suffix without the dot: "xlsx", "pdf".
QString ReportFileName(std::string_view teacherName, int calendarYear, const QString& suffix);

// The report as the teacher knows it: "Karimova Dilnoza 2026-2027"; without a name,
// "Yillik taqsimot 2026-2027".
QString ReportName(std::string_view teacherName, int calendarYear);

}  // namespace soatnoma::ui
