#pragma once
// Teachers of a staff list as the staff workbook's tests write them, all of school 12 and
// physics at the rate of 20, the report a teacher's run makes of each, their rows of the
// summary, and a summary's cells as a workbook stores them.

#include <string>
#include <variant>

#include "report_sheet/report_builder.h"
#include "roster_rules/roster.h"
#include "staff_book/staff_book.h"
#include "staff_book/staff_teachers.h"

namespace soatnoma::staff_book::testing {

inline roster_rules::RosterTeacher Teacher(std::string name, std::string weekly, bool leader = false, int line = 0) {
  roster_rules::RosterTeacher teacher;
  teacher.line = line;
  teacher.name = std::move(name);
  teacher.school = "12";
  teacher.subject = "fizika";
  teacher.weeklyHours = std::move(weekly);
  teacher.rate = "20";
  teacher.classLeader = leader;
  return teacher;
}

inline report_sheet::ReportSheet ReportOf(const roster_rules::RosterTeacher& teacher, int year = 2025) {
  return std::get<report_sheet::ReportSheet>(report_sheet::BuildReport(ReportRequestFor(teacher, year)));
}

// A teacher's row of the summary, on a sheet of the teacher's name: physics at the rate of
// 20 for 24 hours a week.
inline SummaryRow SummaryRowOf(std::string name, double annualTotal, std::string school = "12") {
  SummaryRow row;
  row.name = std::move(name);
  row.school = std::move(school);
  row.subject = "fizika";
  row.weeklyHours = 24;
  row.rate = 20;
  row.sheetName = row.name;
  row.annualTotal = annualTotal;
  return row;
}

// The summary's cells as a workbook stores them.
inline std::vector<StoredSheetCell> Stored(const SummarySheet& sheet) {
  std::vector<StoredSheetCell> cells;
  for (const SummaryCell& cell : sheet.cells) {
    StoredSheetCell stored{cell.row, cell.column, cell.text, std::nullopt, cell.formula};
    if (cell.kind == SummaryCellKind::Number || cell.kind == SummaryCellKind::Formula) stored.number = cell.number;
    cells.push_back(std::move(stored));
  }
  return cells;
}

}  // namespace soatnoma::staff_book::testing
