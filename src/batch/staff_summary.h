#pragma once
// The summary sheet "Jami" of a staff workbook: a title naming the school or schools and
// the school year, one row per teacher in roster order (name, school, subject, category,
// weekly hours, rate, class leadership, annual total), the staff's total and the lines the
// director and the deputy director sign. It prints on A4 landscape pages, a page wide, the
// column headings on top of every page. The annual totals refer to each teacher's own sheet and the staff total
// adds them up, as live formulas that also carry their results, so the sheet follows any
// later edit of a teacher's sheet.

#include <xlsxwriter.h>

#include <string>
#include <vector>

#include "batch/roster.h"
#include "report/report_sheet.h"
#include "report/xlsx_formats.h"

namespace soatnoma::batch {

inline constexpr const char* kSummarySheetName = "Jami";

struct SummaryRow {
  std::string name;
  std::string school;
  std::string subject;
  TeacherCategory category = TeacherCategory::Upper;
  double weeklyHours = 0;  // as the calculation read them
  double rate = 0;
  bool classLeader = false;
  std::string sheetName;     // the teacher's sheet in the workbook
  double annualTotal = 0;    // the report's yearly total of all work (S5)
};

SummaryRow SummaryRowFor(const RosterTeacher& teacher, const std::string& sheetName, const ReportSheet& report);

// "='<sheet>'!S5": the yearly total on the teacher's sheet, the name always quoted.
std::string AnnualTotalFormula(const std::string& sheetName);

// "12 - sonli maktab o'qituvchilarining 2025/2026 o'quv yili uchun yillik ish yuklamasi":
// every school of the rows once, in their order ("12, 7 - sonli maktablar ..."); more than
// ten schools, or a list too long for a title, are counted ("43 ta maktab ...").
std::string SummaryTitle(const std::vector<SummaryRow>& rows, int calendarYear);

// Fills the worksheet: title, headings, the rows, the total row, the signature lines,
// widths and the printed page. The school year is calendarYear/calendarYear+1.
lxw_error WriteStaffSummary(lxw_worksheet* worksheet, const std::vector<SummaryRow>& rows, int calendarYear,
                            XlsxFormats& formats);

}  // namespace soatnoma::batch
