#pragma once
// A report sheet whose totals were pasted as values in a spreadsheet program: plain numbers
// where the form sums its months and quarters. Such totals no longer follow a correction.

#include <string>
#include <vector>

#include "workbook_package/workbook_notes.h"
#include "model/cell_grid.h"

namespace soatnoma::workbook_package {

// Puts the form's sum back in every total place that holds a plain number equal to what the
// sum gives, the whole sheet pasted or only some of its cells, so the totals follow the
// months again and are saved as formulas. A number the sum does not give (the fixed
// correction of a quarter's total, a total typed elsewhere), the monthly lessons a
// primary-class form holds as numbers, and a cell with a note of correction stay as they are. Returns how many totals
// got their sum back.
int RestorePastedTotals(CellGrid& cells, const std::vector<ComputedHours>& corrected);

// Said when a sheet is opened whose totals got their sums back; empty for none.
std::string PastedTotalsNotice(int restored);

}  // namespace soatnoma::workbook_package
