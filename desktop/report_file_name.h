#pragma once
// The file name a report is offered under (report_sheet/report_file_name.h), for Qt.

#include <string_view>

#include <QString>

namespace soatnoma::desktop {

QString ReportFileName(std::string_view teacherName, int calendarYear, const QString& suffix);

// The report as the teacher knows it: "Karimova Dilnoza 2026-2027"; without a name,
// "Yillik taqsimot 2026-2027".
QString ReportName(std::string_view teacherName, int calendarYear);

}  // namespace soatnoma::desktop
