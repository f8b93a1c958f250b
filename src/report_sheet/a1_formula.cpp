#include "report_sheet/a1_formula.h"

#include <string>

#include "report_sheet/sheet_address.h"

namespace soatnoma::report_sheet {

std::optional<RelativeFormula> RelativeFormulaFromA1(std::string_view text, int row, int column) {
  if (text.starts_with('=')) text.remove_prefix(1);
  // The same terms as offsets from the cell, in the R1C1 form the formula reader takes.
  std::string relative = "=";
  while (true) {
    const std::size_t plus = text.find('+');
    const auto cell = ReadCellName(text.substr(0, plus));
    if (!cell) return std::nullopt;
    if (relative.size() > 1) relative += '+';
    relative += "R[" + std::to_string(cell->firstRow - row) + "]C[" + std::to_string(cell->firstColumn - column) + "]";
    if (plus == std::string_view::npos) break;
    text.remove_prefix(plus + 1);
  }
  return RelativeFormula::Parse(relative);
}

}  // namespace soatnoma::report_sheet
