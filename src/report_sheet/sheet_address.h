#pragma once
// A1-style addresses of the report sheet: one cell ("O1"), a block ("O1:S1"), whole
// columns ("A:A", "C:S"), or a block given by two corners in either order ("A20", "S4").

#include <optional>
#include <string>
#include <string_view>

namespace soatnoma::report_sheet {

// The limits of a worksheet; a whole-column address spans every row.
inline constexpr int kSheetMaxRow = 1048576;
inline constexpr int kSheetMaxColumn = 16384;

// A rectangular block of cells, rows and columns 1-based and inclusive.
struct CellBlock {
  int firstRow = 1;
  int firstColumn = 1;
  int lastRow = 1;
  int lastColumn = 1;

  bool Contains(int row, int column) const {
    return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
  }
  bool Intersects(const CellBlock& other) const {
    return firstRow <= other.lastRow && other.firstRow <= lastRow && firstColumn <= other.lastColumn &&
           other.firstColumn <= lastColumn;
  }
  bool IsSingleCell() const { return firstRow == lastRow && firstColumn == lastColumn; }
  bool IsWholeColumns() const { return firstRow == 1 && lastRow == kSheetMaxRow; }
  friend bool operator==(const CellBlock&, const CellBlock&) = default;
};

// "O1", "O1:S1", "A:A" or "C:S". Throws std::invalid_argument for anything else.
CellBlock ParseRangeAddress(std::string_view address);
// The block spanned by two single cells, in either order: ("A20", "S4") is A4:S20.
CellBlock BlockFromCorners(std::string_view corner, std::string_view otherCorner);
// "O1:S1", "A4" for a single cell, "C:S" for whole columns.
std::string BlockAddress(const CellBlock& block);
// One cell named as in a saved workbook ("C8"); nullopt for anything else.
std::optional<CellBlock> ReadCellName(std::string_view name);

}  // namespace soatnoma::report_sheet
