#pragma once
// A school's staff list ("ro'yxat"): one teacher per row, read from the CSV file a school
// office exports from its spreadsheet, or from the rows of its workbook. Every row is
// checked as the form would check it.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "roster_rules/csv_record.h"
#include "model/teacher.h"

namespace soatnoma::roster_rules {

// A row that can be turned into a report: the texts exactly as the form's boxes would hold them.
struct RosterTeacher {
  int line = 0;
  std::string name;     // ism
  std::string school;   // maktab
  std::string subject;  // fan
  TeacherCategory category = TeacherCategory::Upper;
  std::string weeklyHours;  // soat, or the sum of the day columns
  std::string rate;         // stavka, or the category's rate
  bool classLeader = false;
  double annualTotal = 0;  // the finished report's yearly total of all work
};

// A row that cannot: its line in the file (the header is line 1) and why.
struct RosterProblem {
  int line = 0;
  std::string reason;
};

// One row as read: a teacher or a problem.
struct RosterRow {
  int line = 0;
  // ism, maktab and fan, also of a refused row, so that the school office sees whose it is
  std::string name;
  std::string school;
  std::string subject;
  std::optional<RosterTeacher> teacher;
  std::optional<RosterProblem> problem;
};

// Said once when a roster that is not UTF-8 was read in the Windows-1251 code page.
inline constexpr std::string_view kWindows1251Notice = "Fayl Windows-1251 kodlashida o'qildi";

struct Roster {
  std::vector<RosterRow> rows;  // in file order
  bool readAsWindows1251 = false;
  // Why no row can be read at all, said once for the list: no row of headings names "ism".
  // There are no rows then.
  std::optional<std::string> headingProblem;

  std::vector<RosterTeacher> Teachers() const;
  std::vector<RosterProblem> Problems() const;
};

// Reads the records of a roster. The first record that names "ism" names the columns in
// any order and any letter case: ism, maktab, fan, toifa (yuqori / boshlangich), soat,
// stavka (optional), rahbar (1/0, ha/yo'q; optional) and the optional day columns du, se,
// ch, pa, ju, sh; records above it (a title) are passed over. Without such a record the
// roster has a headingProblem instead of rows. Rows of empty cells are passed over; a row
// whose text is not UTF-8, or that lacks a column it needs, is refused.
Roster ReadRosterRecords(std::span<const CsvRecord> records);

// The rows ReadRosterRecords would read from the records: those after the header that are
// not blank. Counted without checking any, so that a list too long is told at once.
std::size_t RosterRowCount(std::span<const CsvRecord> records);

// "qator N: " followed by the reason, as the problem is reported to the school office.
std::string DescribeProblem(const RosterProblem& problem);

}  // namespace soatnoma::roster_rules
