#pragma once
// The weekly lesson hours from the six day boxes, Monday to Saturday.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace soatnoma {

// Adds the day texts, each read as a typed number (an empty box counts 0; "2,5" counts
// 2.5), and writes the sum in the form's text form: "5.5", "16". Nothing while any day
// holds text that is not a number.
std::optional<std::string> WeeklyHoursFromDays(std::span<const std::string_view> dayTexts);

// Whether a day box holds text that is not a number, and what the box then says about it.
bool DayIsNotANumber(std::string_view dayText);
inline constexpr std::string_view kDayNotANumber =
    "Bu kunning dars soati son emas: raqam bilan yozing, masalan 4 yoki 2,5.\n"
    "Tuzatilmaguncha ajratilgan dars soati o'zgarmaydi.";

}  // namespace soatnoma
