// Any formula text: it is either refused or evaluates without harm wherever it is written,
// and a formula that is read writes back to the same text's meaning.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/cell_grid.h"
#include "model/relative_formula.h"
#include "model/workload_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose the cell, the rest is the formula text.
  const int row = soatnoma::kHeadingRow + data[0] % 17;
  const int column = 1 + data[1] % soatnoma::kLastColumn;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const auto formula = soatnoma::RelativeFormula::Parse(text);
  if (!formula) return 0;
  const auto again = soatnoma::RelativeFormula::Parse(formula->ToR1C1());
  if (!again || !(*again == *formula)) std::abort();

  soatnoma::WorkloadTable table;
  for (int r = table.FirstRow(); r <= table.LastRow(); ++r) {
    for (int c = 1; c <= table.LastColumn(); ++c) {
      if ((r + c) % 3 == 0) {
        table.SetFormula(r, c, *formula);  // chains and cycles of it
      } else {
        table.SetNumber(r, c, r * 100 + c);
      }
    }
  }
  table.SetFormula(row, column, *formula);
  for (int r = table.FirstRow(); r <= table.LastRow(); ++r) {
    for (int c = 1; c <= table.LastColumn(); ++c) {
      const auto value = table.ReadValue(r, c);
      if (!value) std::abort();
      if (std::isinf(*value)) std::abort();
    }
  }
  (void)formula->ToA1(row, column);
  return 0;
}
