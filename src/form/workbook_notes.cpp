#include "form/workbook_notes.h"

#include "model/relative_formula.h"
#include "form/sheet_address.h"

namespace soatnoma {
namespace {

constexpr std::string_view kComputedPrefix = "Soatnoma hisoblangan ";

}  // namespace

std::string ComputedHoursPropertyName(int row, int column) {
  return std::string(kComputedPrefix) + ColumnLetters(column) + std::to_string(row);
}

std::optional<NamedCell> CellOfComputedHoursProperty(std::string_view propertyName) {
  if (!propertyName.starts_with(kComputedPrefix)) return std::nullopt;
  const auto cell = ReadCellName(propertyName.substr(kComputedPrefix.size()));
  if (!cell) return std::nullopt;
  return NamedCell{cell->firstRow, cell->firstColumn};
}

}  // namespace soatnoma
