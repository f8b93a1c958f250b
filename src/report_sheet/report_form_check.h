#pragma once
// Whether the cells of a sheet read back from a workbook are the report form as this
// program writes it: the frame's texts where the frame puts them, a title and a signature
// line, and in the hours block C5:S20 only numbers and the table's own sums, each where the
// table has it. Hours may differ (the teacher corrects them), the form may not.

#include <optional>
#include <string>

#include "model/cell_grid.h"
#include "model/relative_formula.h"

namespace soatnoma::report_sheet {

// The sum the table has at a cell of C5:S20 wherever it has one there: the totals of the
// month columns, the quarter sums and the year; nullptr where the table holds hours.
const RelativeFormula* TableFormulaAt(int row, int column);

// The first difference, said for the teacher ("B9 katagi ..."); nothing when the cells are
// the report form.
std::optional<std::string> FindFormProblem(const CellGrid& cells);

}  // namespace soatnoma::report_sheet
