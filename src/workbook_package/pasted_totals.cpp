#include "workbook_package/pasted_totals.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "report_sheet/report_form_check.h"
#include "model/workload_table.h"

namespace soatnoma::workbook_package {
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

// A primary-class teacher's form writes the lessons of each month (row 6) as numbers and
// leaves the last quarter's row 16 empty, where an upper-class form sums both.
bool IsPrimaryForm(const CellGrid& cells) { return cells.KindAt(16, col::R) == CellKind::Empty; }

bool IsMonthColumn(int column) {
  return std::find(kWorkMonthColumns.begin(), kWorkMonthColumns.end(), column) != kWorkMonthColumns.end();
}

std::vector<PastedTotal> PastedTotalsOf(const CellGrid& cells, const std::vector<ComputedHours>& corrected) {
  std::vector<PastedTotal> pasted;
  const bool primary = IsPrimaryForm(cells);
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      if (report_sheet::TableFormulaAt(row, column) == nullptr || cells.KindAt(row, column) != CellKind::Number)
        continue;
      if (primary && row == 6 && IsMonthColumn(column)) continue;
      if (HasNote(corrected, row, column)) continue;
      pasted.push_back({row, column, cells.ReadNumber(row, column)});
    }
  }
  return pasted;
}

bool GivesStored(const CellGrid& cells, const PastedTotal& total) {
  return std::abs(cells.ReadNumber(total.row, total.column) - total.stored) < 1e-9;
}

}  // namespace

int RestorePastedTotals(CellGrid& cells, const std::vector<ComputedHours>& corrected) {
  std::vector<PastedTotal> pasted = PastedTotalsOf(cells, corrected);
  for (const PastedTotal& total : pasted)
    cells.SetFormula(total.row, total.column, *report_sheet::TableFormulaAt(total.row, total.column));
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

std::string PastedTotalsNotice(int restored) {
  if (restored <= 0) return {};
  return "Varaqdagi " + std::to_string(restored) +
         " ta jami boshqa dasturda son qilib qo'yilgan ekan: ular yana oylardan qo'shib hisoblanadi va "
         "formula bo'lib saqlanadi.";
}

}  // namespace soatnoma::workbook_package
