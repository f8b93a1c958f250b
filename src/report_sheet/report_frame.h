#pragma once
// The frame of the report form around the workload table: approval line, title sentence,
// heading, the table's headings and row titles, widths, grid, number display, page setup
// (WriteReportFrame, before the table is filled) and the signature line (WriteReportFooter,
// after it). Both teacher categories get the same frame.

#include "report_sheet/report_sheet.h"
#include "report_sheet/report_texts.h"

namespace soatnoma::report_sheet {

// calendarYear is the year of the run, from the caller's clock: the title names the
// school year calendarYear/calendarYear+1.
void WriteReportFrame(ReportSheet& sheet, const ReportTexts& texts, int calendarYear);
void WriteReportFooter(ReportSheet& sheet, const ReportTexts& texts);

}  // namespace soatnoma::report_sheet
