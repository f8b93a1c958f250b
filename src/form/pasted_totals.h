#pragma once
// A report sheet whose totals were pasted as values in a spreadsheet program: plain numbers
// where the form sums its months and quarters. Such totals no longer follow a correction.

#include <vector>

#include "form/workbook_notes.h"
#include "model/cell_grid.h"

namespace soatnoma {

// On a sheet whose totals hold no sum at all, puts the form's sum back in every total place
// that holds a plain number equal to what the sum gives, so the totals follow the months
// again and are saved as formulas. A number the sum does not give (the fixed correction of a quarter's total, a total the teacher typed
// elsewhere) and a cell with a note of correction stay as they are. Returns how many
// totals got their sum back.
int RestorePastedTotals(CellGrid& cells, const std::vector<ComputedHours>& corrected);

}  // namespace soatnoma
