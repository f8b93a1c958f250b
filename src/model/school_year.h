#pragma once
// The school year a report is for: from September of one calendar year Y to the summer of
// the next, named "Y/Y+1".

namespace soatnoma {

// A calendar year the form can name: 1 .. 9998, so that the next one has four digits at most.
constexpr bool IsCalendarYear(long long year) { return year >= 1 && year <= 9998; }

}  // namespace soatnoma
