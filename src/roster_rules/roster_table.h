#pragma once
// The staff list as every edition lists it, a row of the file to a row of the table: the
// columns with their headings and tool tips, each row's texts (a ready teacher's weekly
// hours and yearly total, or why the row is refused), and the line above the table that
// counts them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/workload_table.h"
#include "roster_rules/roster.h"

namespace soatnoma::roster_rules {

struct RosterColumn {
  std::string_view heading;
  std::string_view toolTip;  // empty: none
};

enum RosterColumnIndex : std::size_t {
  kLineColumn,
  kNameColumn,
  kSchoolColumn,
  kSubjectColumn,
  kWeeklyHoursColumn,
  kAnnualTotalColumn,
  kStatusColumn,
  kRosterColumnCount
};

// The heading of a teacher's yearly hours in every list of the staff.
inline constexpr std::string_view kYearHoursHeading = "Yillik soat";

inline constexpr std::array<RosterColumn, kRosterColumnCount> kRosterColumns = {{
    {"Qator", {}},
    {"O'qituvchi", {}},
    {"Maktab", {}},
    {"Fan", {}},
    {"Haftalik soat", "Ajratilgan dars soati (haftasiga)"},
    {kYearHoursHeading, kAnnualWorkloadTitle},
    {"Holati", {}},
}};

// The status of a ready teacher's row.
inline constexpr std::string_view kReadyStatus = "Tayyor";

// Whether a column holds numbers, which are set to the right.
bool IsNumberColumn(std::size_t column);

// A row's texts, column by column: the line in the file, who it is, and for a ready teacher
// the weekly hours as written and the yearly total in the form's number text ("1234.5")
// with "Tayyor"; for a refused row the reason without its line, which stands in the first
// column.
std::array<std::string, kRosterColumnCount> RosterRowTexts(const RosterRow& row);

// "Tayyor: 3 ta o'qituvchi. Rad etilgan: 1 ta qator.", or "Ro'yxatda o'qituvchi yo'q." for
// a list without rows; a list read as Windows-1251 says so first.
std::string RosterSummaryText(const Roster& roster);

}  // namespace soatnoma::roster_rules
