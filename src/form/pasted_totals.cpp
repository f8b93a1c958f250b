#include "form/pasted_totals.h"

#include <algorithm>
#include <cmath>

#include "form/report_form_check.h"
#include "model/workload_table.h"

namespace soatnoma {
namespace {

struct PastedTotal {
  int row;
  int column;
  double stored;
};

bool HasNote(const std::vector<ComputedHours>& corrected, int row, int column) {
  return std::any_of(corrected.begin(), corrected.end(),
                     [&](const ComputedHours& note) { return note.row == row && note.column == column; });
}

std::vector<PastedTotal> PastedTotalsOf(const CellGrid& cells, const std::vector<ComputedHours>& corrected) {
  std::vector<PastedTotal> pasted;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      if (TableFormulaAt(row, column) == nullptr || cells.KindAt(row, column) != CellKind::Number) continue;
      if (HasNote(corrected, row, column)) continue;
      pasted.push_back({row, column, cells.ReadNumber(row, column)});
    }
  }
  return pasted;
}

// The program writes most totals as sums (a few as fixed numbers): a sheet without a single
// sum among its totals was pasted as values.
bool HoldsASum(const CellGrid& cells) {
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      if (TableFormulaAt(row, column) != nullptr && cells.KindAt(row, column) == CellKind::Formula) return true;
    }
  }
  return false;
}

bool GivesStored(const CellGrid& cells, const PastedTotal& total) {
  return std::abs(cells.ReadNumber(total.row, total.column) - total.stored) < 1e-9;
}

}  // namespace

int RestorePastedTotals(CellGrid& cells, const std::vector<ComputedHours>& corrected) {
  if (HoldsASum(cells)) return 0;
  std::vector<PastedTotal> pasted = PastedTotalsOf(cells, corrected);
  for (const PastedTotal& total : pasted) cells.SetFormula(total.row, total.column, *TableFormulaAt(total.row, total.column));
  // A sum that does not give the stored number keeps the number; that may change the sums
  // counting on it, so look again until every sum left gives its number.
  for (bool changed = true; changed;) {
    changed = false;
    for (auto total = pasted.begin(); total != pasted.end();) {
      if (GivesStored(cells, *total)) {
        ++total;
        continue;
      }
      cells.SetNumber(total->row, total->column, total->stored);
      total = pasted.erase(total);
      changed = true;
    }
  }
  return static_cast<int>(pasted.size());
}

}  // namespace soatnoma
