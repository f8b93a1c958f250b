#pragma once
// A teacher's table filled and rounded as every run does it, with the story of each cell.

#include <memory>
#include <variant>

#include "model/cell_story.h"
#include "model/distribution.h"

namespace soatnoma {

struct ToldTable {
  WorkloadTable before;  // as the distribution filled it, before the rounding pass
  WorkloadTable table;   // rounded
  TableStory story;
};

std::variant<Refusal, std::unique_ptr<ToldTable>> TellTeacherTable(const DistributionInput& input);

}  // namespace soatnoma
