#pragma once
// Shared helpers of the model tests: one teacher's table, computed as the form would.

#include <gtest/gtest.h>

#include <string>

#include "model/distribution.h"
#include "model/rounding_pass.h"
#include "model/workload_table.h"

namespace soatnoma::testing {

struct Teacher {
  TeacherCategory category = TeacherCategory::Upper;
  std::string weekly;
  std::string rate;
  bool leader = false;
};

struct ComputedTable {
  WorkloadTable table;
  WorkingValues working;
};

// The table as the run leaves it (before rounding); fails the test on a refusal.
inline ComputedTable Distribute(const Teacher& teacher) {
  ComputedTable result;
  const auto refusal = DistributeWorkload({teacher.category, teacher.weekly, teacher.rate, teacher.leader},
                                          result.table, result.working);
  EXPECT_FALSE(refusal.has_value()) << (refusal ? refusal->message : "");
  return result;
}

inline ComputedTable DistributeAndRound(const Teacher& teacher) {
  ComputedTable result = Distribute(teacher);
  RoundingPass(teacher.category, result.table, teacher.weekly, teacher.leader, result.working);
  return result;
}

inline constexpr int kValueRows[] = {8, 9, 10, 11, 12, 14, 15, 16, 18, 19, 20};
inline constexpr int kTotalRows[] = {5, 6, 7, 13, 17};

}  // namespace soatnoma::testing
