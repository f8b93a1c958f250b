#pragma once
// The two kinds of teacher the form knows, and the working values of one calculation.

#include <string>
#include <string_view>

namespace soatnoma {

// Upper-class teachers work at a rate of 20 hours a week, primary-class teachers at 18.
enum class TeacherCategory { Upper, Primary };

// The rate that choosing the category puts into the rate box.
constexpr std::string_view DefaultRate(TeacherCategory category) {
  return category == TeacherCategory::Upper ? "20" : "18";
}

// The text-valued working values of a run and its rounding pass, held in the text form of
// numbers (15 significant digits): tSoat carries a class leader's correction of the month
// from its computation to row 12; Kasr carries the fraction along the rounding chain.
struct WorkingValues {
  std::string tSoat = "0";
  std::string Kasr = "0";
};

}  // namespace soatnoma
