#pragma once
// The proportional distribution: checks the teacher's weekly hours and rate, then fills the
// workload table with each month's norm scaled by weekly hours ÷ rate, and its formulas.

#include <optional>
#include <string_view>

#include "model/cell_grid.h"
#include "model/cell_story.h"
#include "model/teacher.h"

namespace soatnoma {

namespace messages {
inline constexpr std::string_view kNoWeeklyHours = "Ajratilgan dars soati kiritilmadi!";
inline constexpr std::string_view kTooFewHours = "10 soatdan kam dars uchun soatnoma shart emas.";
inline constexpr std::string_view kBadRate = "Dars stavkasi noto'g'ri kiritildi!";
inline constexpr std::string_view kBadWeeklyHours = "Ajratilgan dars soati noto'g'ri kiritildi!";
}  // namespace messages

// The most lesson hours a week can hold: seven days of 24 hours.
inline constexpr double kHoursInAWeek = 168;
// The largest number of hours the report shows: 15 digits, every digit a workbook keeps of
// a number, and as many as the report's cells show exactly.
inline constexpr double kLargestReportHours = 999'999'999'999'999;

// Why a run does not go on. The form shows the message (information icon), puts the focus
// on the weekly-hours box and, when asked, empties it.
struct Refusal {
  std::string_view message;
  bool clearsWeeklyHours = false;
  friend bool operator==(const Refusal&, const Refusal&) = default;
};

// What a run reads from the form, texts exactly as they stand in the boxes.
struct DistributionInput {
  TeacherCategory category = TeacherCategory::Upper;
  std::string_view weeklyHours;  // the weekly-hours box
  std::string_view rate;         // the rate box
  bool classLeader = false;
};

// Weekly hours empty, not a number, or fewer than 10 (in that order).
std::optional<Refusal> CheckWeeklyHours(std::string_view weeklyHoursText);
// A rate that is not a number, reads 0 or less, or is not finite.
std::optional<Refusal> CheckRate(std::string_view rateText);

// Fill every value, empty and formula cell of C5:S20 for weekly hours H and rate R, column
// by column, as the run writes them. tSoat carries each class leader's month correction.
// story, when given, is told how each cell came by what it holds.
void FillUpperTable(double weeklyHours, double rate, bool classLeader, CellGrid& sheet, WorkingValues& working,
                    TableStory* story = nullptr);
void FillPrimaryTable(double weeklyHours, double rate, bool classLeader, CellGrid& sheet, WorkingValues& working,
                      TableStory* story = nullptr);

// The checks in their order (weekly hours, rate, weekly hours no week can hold), then the
// fill of the category; a report with a number larger than the report shows is refused
// for its rate, the one box that can make it so. On a refusal the sheet must be thrown
// away: nothing of it is a report.
std::optional<Refusal> DistributeWorkload(const DistributionInput& input, CellGrid& sheet, WorkingValues& working,
                                          TableStory* story = nullptr);

}  // namespace soatnoma
