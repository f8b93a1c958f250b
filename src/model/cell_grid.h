#pragma once
// A block of sheet cells addressed by sheet row and column (1-based, column 1 is A), with
// the four cell kinds of a report: empty, number, text and sum formula. Formula results
// are always current: reading a formula cell evaluates it from the cells as they stand,
// so every write is followed at once by every total that depends on it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/relative_formula.h"

namespace soatnoma {

enum class CellKind { Empty, Number, Text, Formula };

class CellGrid {
 public:
  // Rows firstRow..lastRow and columns 1..lastColumn.
  CellGrid(int firstRow, int lastRow, int lastColumn);

  int FirstRow() const { return firstRow_; }
  int LastRow() const { return lastRow_; }
  int LastColumn() const { return lastColumn_; }
  bool Contains(int row, int column) const;

  // Writes. A write outside the grid throws std::out_of_range.
  void SetNumber(int row, int column, double value);
  // A text that reads as a plain decimal number ("3") is stored as that number, as a sheet
  // does with typed input; any other text, one beginning with "=" included, stays text.
  void SetText(int row, int column, std::string_view text);
  // Throws std::invalid_argument when the text is not a relative sum formula.
  void SetFormula(int row, int column, std::string_view formulaText);
  void SetFormula(int row, int column, const RelativeFormula& formula);
  // Writes the empty text: the cell is empty afterwards and counts 0 in formulas.
  void ClearCell(int row, int column);

  // The value the cell shows: its number or the current result of its formula; nullopt
  // for an empty or text cell and for a cell outside the grid. A formula that runs into
  // itself reads NaN, and so does every formula that counts on it.
  std::optional<double> ReadValue(int row, int column) const;
  // ReadValue with empty counted as 0, as arithmetic on the sheet does.
  double ReadNumber(int row, int column) const;

  CellKind KindAt(int row, int column) const;
  // The text of a text cell; empty otherwise.
  std::string_view TextAt(int row, int column) const;
  // The formula of a formula cell; nullptr otherwise.
  const RelativeFormula* FormulaAt(int row, int column) const;

 private:
  struct Cell {
    double number = 0;
    RelativeFormula formula;
    CellKind kind = CellKind::Empty;
  };

  // The result of a formula cell as last evaluated, valid while no cell has been written
  // since (same generation). Each formula is summed once per generation however many
  // totals count it, and a cell met again while its own sum is open is a cycle.
  struct Result {
    std::uint64_t generation = 0;
    bool open = false;
    double value = 0;
  };

  std::size_t IndexOf(int row, int column) const;
  Cell& At(int row, int column);
  const Cell* Find(int row, int column) const;
  double Evaluate(int row, int column, int depth) const;
  void Written() { ++generation_; }

  int firstRow_;
  int lastRow_;
  int lastColumn_;
  std::vector<Cell> cells_;
  std::uint64_t generation_ = 1;
  mutable std::vector<Result> results_;
  // Texts by cell index; made on the first text, as most grids hold numbers only.
  std::vector<std::string> texts_;
};

}  // namespace soatnoma
