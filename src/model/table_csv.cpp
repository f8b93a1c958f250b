#include "model/table_csv.h"

#include "model/decimal_conversions.h"
#include "model/rounding_pass.h"
#include "model/workload_table.h"

namespace soatnoma {

std::string ShortestNumberText(double value) { return ShortestRoundTripText(value); }

std::string TableAsCsv(const CellGrid& table) {
  std::string csv;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= kLastColumn; ++column) {
      if (column > col::C) csv += ',';
      if (const auto value = table.ReadValue(row, column)) csv += ShortestNumberText(*value);
    }
    csv += '\n';
  }
  return csv;
}

std::variant<Refusal, std::string> TeacherTableCsv(const DistributionInput& input, bool beforeRounding) {
  WorkloadTable table;
  WorkingValues working;
  if (const auto refusal = DistributeWorkload(input, table, working)) return *refusal;
  if (!beforeRounding) RoundingPass(input.category, table, input.weeklyHours, input.classLeader, working);
  return TableAsCsv(table);
}

}  // namespace soatnoma
