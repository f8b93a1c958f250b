#include "model/cell_grid.h"

#include <limits>
#include <stdexcept>

#include "model/number_text.h"

namespace soatnoma {
namespace {

// Far deeper than any chain of totals in a report (a grid of a few hundred cells); keeps the
// stack safe on a grid of long chains.
constexpr int kMaxFormulaDepth = 4096;

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

}  // namespace

CellGrid::CellGrid(int firstRow, int lastRow, int lastColumn)
    : firstRow_(firstRow),
      lastRow_(lastRow),
      lastColumn_(lastColumn),
      cells_(static_cast<std::size_t>((lastRow - firstRow + 1) * lastColumn)),
      results_(cells_.size()) {}

bool CellGrid::Contains(int row, int column) const {
  return row >= firstRow_ && row <= lastRow_ && column >= 1 && column <= lastColumn_;
}

std::size_t CellGrid::IndexOf(int row, int column) const {
  return static_cast<std::size_t>((row - firstRow_) * lastColumn_ + (column - 1));
}

CellGrid::Cell& CellGrid::At(int row, int column) {
  if (!Contains(row, column)) {
    throw std::out_of_range("cell " + ColumnLetters(column) + std::to_string(row) + " is outside the table");
  }
  return cells_[IndexOf(row, column)];
}

const CellGrid::Cell* CellGrid::Find(int row, int column) const {
  if (!Contains(row, column)) return nullptr;
  return &cells_[IndexOf(row, column)];
}

void CellGrid::SetNumber(int row, int column, double value) {
  Cell& cell = At(row, column);
  cell.kind = CellKind::Number;
  cell.number = value;
  Written();
}

void CellGrid::SetText(int row, int column, std::string_view text) {
  double number = 0;
  if (text.empty()) {
    ClearCell(row, column);
  } else if (ReadsAsPlainNumber(text, &number)) {
    SetNumber(row, column, number);
  } else {
    At(row, column).kind = CellKind::Text;
    Written();
    if (texts_.empty()) texts_.resize(cells_.size());
    texts_[IndexOf(row, column)].assign(text);
  }
}

void CellGrid::SetFormula(int row, int column, std::string_view formulaText) {
  const auto formula = RelativeFormula::Parse(formulaText);
  if (!formula) throw std::invalid_argument("not a sum formula: " + std::string(formulaText));
  SetFormula(row, column, *formula);
}

void CellGrid::SetFormula(int row, int column, const RelativeFormula& formula) {
  Cell& cell = At(row, column);
  cell.kind = CellKind::Formula;
  cell.formula = formula;
  Written();
}

void CellGrid::ClearCell(int row, int column) {
  At(row, column).kind = CellKind::Empty;
  Written();
}

double CellGrid::Evaluate(int row, int column, int depth) const {
  const Cell* cell = Find(row, column);
  if (cell == nullptr) return 0;
  switch (cell->kind) {
    case CellKind::Number: return cell->number;
    case CellKind::Formula: {
      Result& result = results_[IndexOf(row, column)];
      if (result.generation == generation_) return result.open ? kNoValue : result.value;
      if (depth >= kMaxFormulaDepth) return kNoValue;
      result.generation = generation_;
      result.open = true;
      const double value =
          cell->formula.Evaluate(row, column, [this, depth](int r, int c) { return Evaluate(r, c, depth + 1); });
      Result& closed = results_[IndexOf(row, column)];
      closed.open = false;
      closed.value = value;
      return value;
    }
    case CellKind::Empty:
    case CellKind::Text: return 0;
  }
  return 0;
}

std::optional<double> CellGrid::ReadValue(int row, int column) const {
  const Cell* cell = Find(row, column);
  if (cell == nullptr) return std::nullopt;
  if (cell->kind == CellKind::Number || cell->kind == CellKind::Formula) {
    return Evaluate(row, column, 0);
  }
  return std::nullopt;
}

double CellGrid::ReadNumber(int row, int column) const { return Evaluate(row, column, 0); }

CellKind CellGrid::KindAt(int row, int column) const {
  const Cell* cell = Find(row, column);
  return cell == nullptr ? CellKind::Empty : cell->kind;
}

std::string_view CellGrid::TextAt(int row, int column) const {
  const Cell* cell = Find(row, column);
  if (cell == nullptr || cell->kind != CellKind::Text) return {};
  return texts_[IndexOf(row, column)];
}

const RelativeFormula* CellGrid::FormulaAt(int row, int column) const {
  const Cell* cell = Find(row, column);
  return cell != nullptr && cell->kind == CellKind::Formula ? &cell->formula : nullptr;
}

}  // namespace soatnoma
