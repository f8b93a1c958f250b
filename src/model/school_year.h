#pragma once
// The school year a report is for: from September of one calendar year Y to the summer of
// the next, named "Y/Y+1".

namespace soatnoma {

// A calendar year the form can name: 1 .. 9998, so that the next one has four digits at most.
constexpr bool IsCalendarYear(long long year) { return year >= 1 && year <= 9998; }

// The years a school year asked for by its first year can begin in: a report of
// "1/2 o'quv yili" is a slip of the keyboard, not a school year.
inline constexpr int kEarliestSchoolYear = 2000;
inline constexpr int kLatestSchoolYear = 2100;
constexpr bool IsSchoolYearStart(long long year) { return year >= kEarliestSchoolYear && year <= kLatestSchoolYear; }

}  // namespace soatnoma
