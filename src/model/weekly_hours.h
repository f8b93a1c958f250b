#pragma once
// The weekly lesson hours from the six day boxes, Monday to Saturday.

#include <span>
#include <string>
#include <string_view>

namespace soatnoma {

// Adds the leading numbers of the day texts (a text without a number counts 0) and writes
// the sum in the form's text form: "5.5", "16".
std::string WeeklyHoursFromDays(std::span<const std::string_view> dayTexts);

}  // namespace soatnoma
