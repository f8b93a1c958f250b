#pragma once
// A sum formula as a saved workbook holds it, in A1 notation and without the "=" ("C6+C8"),
// read back as the relative formula of the cell it stands in.

#include <optional>
#include <string_view>

#include "model/relative_formula.h"

namespace soatnoma::report_sheet {

// nullopt when the text is not a plain sum of single cells.
std::optional<RelativeFormula> RelativeFormulaFromA1(std::string_view text, int row, int column);

}  // namespace soatnoma::report_sheet
