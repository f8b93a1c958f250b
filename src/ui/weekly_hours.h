#pragma once
// The weekly lesson hours a teacher gets from the six day boxes, Monday to Saturday.

#include <span>
#include <string>

namespace soatnoma::ui {

// Adds the leading numbers of every day box (a box without a number counts 0) and writes
// the sum in its shortest plain form: "5.5", "16".
std::string WeeklyHoursFromDays(std::span<const std::string> dayTexts);

}  // namespace soatnoma::ui
