#pragma once
// The two kinds of teacher the form knows, and the working values of one calculation.

#include <string_view>

#include "model/working_value.h"

namespace soatnoma {

// Upper-class teachers work at a rate of 20 hours a week, primary-class teachers at 18.
enum class TeacherCategory { Upper, Primary };

// The rate that choosing the category puts into the rate box.
constexpr std::string_view DefaultRate(TeacherCategory category) {
  return category == TeacherCategory::Upper ? "20" : "18";
}

// The working values of a run and its rounding pass: tSoat carries a class leader's
// correction of the month from its computation to row 12; Kasr carries the fraction along
// the rounding chain. Both are "0" at the start.
struct WorkingValues {
  WorkingValue tSoat;
  WorkingValue Kasr;
};

}  // namespace soatnoma
