#pragma once
// The cells of a saved worksheet read into the cells of a report sheet: numbers, texts
// (shared or in the cell) and sum formulas. A formula's stored result is not taken: the
// report evaluates its formulas itself, as it always does.

#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "model/cell_grid.h"

namespace soatnoma {

// The first cell that cannot be read, said for the teacher ("C8 katagida ..."); nothing
// when every cell was read.
std::optional<std::string> ReadWorksheetCells(const pugi::xml_document& worksheet,
                                              const std::vector<std::string>& sharedTexts, CellGrid& cells);

}  // namespace soatnoma
