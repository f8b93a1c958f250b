#include "report_sheet/sheet_address.h"

#include <algorithm>
#include <stdexcept>

#include "model/relative_formula.h"

namespace soatnoma::report_sheet {
namespace {

struct AddressPart {
  int column = 0;  // 0 when the part has no letters
  int row = 0;     // 0 when the part has no digits
};

[[noreturn]] void Reject(std::string_view address) {
  throw std::invalid_argument("not a cell address: \"" + std::string(address) + "\"");
}

// Letters then digits ("O1"), letters only ("A") or digits only; an optional "$" before
// either is allowed and ignored, as a spreadsheet does.
AddressPart ReadPart(std::string_view part, std::string_view whole) {
  AddressPart result;
  std::size_t i = 0;
  if (i < part.size() && part[i] == '$') ++i;
  const std::size_t lettersStart = i;
  while (i < part.size() && ((part[i] >= 'A' && part[i] <= 'Z') || (part[i] >= 'a' && part[i] <= 'z'))) {
    const int letter = (part[i] >= 'a' ? part[i] - 'a' : part[i] - 'A') + 1;
    result.column = result.column * 26 + letter;
    if (result.column > kSheetMaxColumn) Reject(whole);
    ++i;
  }
  if (i < part.size() && part[i] == '$' && i > lettersStart) ++i;
  const std::size_t digitsStart = i;
  while (i < part.size() && part[i] >= '0' && part[i] <= '9') {
    result.row = result.row * 10 + (part[i] - '0');
    if (result.row > kSheetMaxRow) Reject(whole);
    ++i;
  }
  if (i != part.size() || (i == lettersStart)) Reject(whole);
  if (i > digitsStart && result.row == 0) Reject(whole);
  return result;
}

AddressPart ReadCell(std::string_view address) {
  const AddressPart cell = ReadPart(address, address);
  if (cell.column == 0 || cell.row == 0) Reject(address);
  return cell;
}

CellBlock Spanning(AddressPart a, AddressPart b) {
  return CellBlock{std::min(a.row, b.row), std::min(a.column, b.column), std::max(a.row, b.row),
                   std::max(a.column, b.column)};
}

}  // namespace

CellBlock ParseRangeAddress(std::string_view address) {
  const auto colon = address.find(':');
  if (colon == std::string_view::npos) {
    const AddressPart cell = ReadCell(address);
    return Spanning(cell, cell);
  }
  const AddressPart first = ReadPart(address.substr(0, colon), address);
  const AddressPart last = ReadPart(address.substr(colon + 1), address);
  const bool wholeColumns = first.row == 0 && last.row == 0 && first.column > 0 && last.column > 0;
  if (wholeColumns) {
    return CellBlock{1, std::min(first.column, last.column), kSheetMaxRow, std::max(first.column, last.column)};
  }
  if (first.row == 0 || first.column == 0 || last.row == 0 || last.column == 0) Reject(address);
  return Spanning(first, last);
}

CellBlock BlockFromCorners(std::string_view corner, std::string_view otherCorner) {
  return Spanning(ReadCell(corner), ReadCell(otherCorner));
}

std::optional<CellBlock> ReadCellName(std::string_view name) {
  if (name.find(':') != std::string_view::npos) return std::nullopt;
  try {
    return ParseRangeAddress(name);
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
}

std::string BlockAddress(const CellBlock& block) {
  if (block.IsWholeColumns()) return ColumnLetters(block.firstColumn) + ":" + ColumnLetters(block.lastColumn);
  const std::string first = ColumnLetters(block.firstColumn) + std::to_string(block.firstRow);
  if (block.IsSingleCell()) return first;
  return first + ":" + ColumnLetters(block.lastColumn) + std::to_string(block.lastRow);
}

}  // namespace soatnoma::report_sheet
