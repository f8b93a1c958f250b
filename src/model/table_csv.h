#pragma once
// The value block C5:S20 of a workload table as CSV: one line per sheet row, one field per
// column, an empty cell as an empty field, a number in its shortest exact form.

#include <string>
#include <variant>

#include "model/cell_grid.h"
#include "model/distribution.h"

namespace soatnoma {

// Shortest text that reads back to the same double: "193", "59.44444444444444", "-1.5".
std::string ShortestNumberText(double value);

std::string TableAsCsv(const CellGrid& table);

// The table of a teacher filled, and rounded unless asked for as it stands before the
// rounding pass, as CSV; or the refusal of the teacher's input.
std::variant<Refusal, std::string> TeacherTableCsv(const DistributionInput& input, bool beforeRounding);

}  // namespace soatnoma
