#pragma once
// The cells of a saved worksheet read into the cells of a report sheet: numbers, texts
// (shared or in the cell) and sum formulas, written in the cell or shared with the cell
// that wrote them first. A formula's stored result is not taken: the report evaluates its
// formulas itself, as it always does.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/cell_grid.h"

namespace soatnoma::workbook_reading {

struct ReportCellsRead {
  bool xml = true;                     // false: the part is no XML
  std::optional<std::string> problem;  // the first cell that cannot be read, said for the teacher
};

ReportCellsRead ReadReportCells(std::string_view sheet, const std::vector<std::string>& sharedTexts, CellGrid& cells);

}  // namespace soatnoma::workbook_reading
