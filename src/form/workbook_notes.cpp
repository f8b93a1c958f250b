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

std::string SheetComputedHoursPropertyName(std::string_view sheetName, int row, int column) {
  return std::string(kComputedPrefix) + std::string(sheetName) + "!" + ColumnLetters(column) + std::to_string(row);
}

std::optional<SheetNamedCell> SheetCellOfComputedHoursProperty(std::string_view propertyName) {
  if (!propertyName.starts_with(kComputedPrefix)) return std::nullopt;
  const std::string_view named = propertyName.substr(kComputedPrefix.size());
  const auto mark = named.rfind('!');
  if (mark == std::string_view::npos || mark == 0) return std::nullopt;
  const auto cell = ReadCellName(named.substr(mark + 1));
  if (!cell) return std::nullopt;
  return SheetNamedCell{std::string(named.substr(0, mark)), {cell->firstRow, cell->firstColumn}};
}

std::optional<NamedCell> CellOfComputedHoursProperty(std::string_view propertyName) {
  if (!propertyName.starts_with(kComputedPrefix)) return std::nullopt;
  const auto cell = ReadCellName(propertyName.substr(kComputedPrefix.size()));
  if (!cell) return std::nullopt;
  return NamedCell{cell->firstRow, cell->firstColumn};
}

}  // namespace soatnoma
