#include "model/told_table.h"

#include "model/rounding_pass.h"

namespace soatnoma {

std::variant<Refusal, std::unique_ptr<ToldTable>> TellTeacherTable(const DistributionInput& input) {
  auto told = std::make_unique<ToldTable>();
  WorkingValues working;
  if (const auto refusal = DistributeWorkload(input, told->table, working, &told->story)) return *refusal;
  told->before = told->table;
  RoundingPass(input.category, told->table, input.weeklyHours, input.classLeader, working, &told->story);
  return told;
}

}  // namespace soatnoma
