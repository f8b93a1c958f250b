#include "workbook_reading/report_cells.h"

#include <map>

#include "workbook_package/opened_report.h"
#include "report_sheet/sheet_address.h"
#include "model/relative_formula.h"
#include "workbook_reading/stored_cells.h"

namespace soatnoma::workbook_reading {
namespace {

// Formulas written once and shared by the cells that follow them, by their index. A
// relative formula is the same in every cell that shares it.
using SharedFormulas = std::map<std::string, RelativeFormula, std::less<>>;

struct Place {
  std::string name;
  int row = 0;
  int column = 0;
};

std::string Foreign(const Place& place) {
  return workbook_package::CellProblem(place.name, "hisobotga xos bo'lmagan formula bor.");
}

std::optional<std::string> ReadFormula(const Place& place, const StoredFormula& formula, SharedFormulas& shared,
                                       CellGrid& cells) {
  if (!formula.kind.empty() && formula.kind != "normal" && formula.kind != "shared") return Foreign(place);
  if (formula.kind == "shared" && formula.text.empty()) {
    const auto found = shared.find(formula.sharedIndex);
    if (found == shared.end()) return Foreign(place);
    cells.SetFormula(place.row, place.column, found->second);
    return std::nullopt;
  }
  if (auto problem = workbook_package::SetStoredFormula(cells, place.row, place.column, formula.text)) return problem;
  if (formula.kind == "shared") shared.insert_or_assign(formula.sharedIndex, *cells.FormulaAt(place.row, place.column));
  return std::nullopt;
}

std::optional<std::string> ReadValue(const Place& place, const StoredCell& cell,
                                     const std::vector<std::string>& sharedTexts, CellGrid& cells) {
  const StoredValue value = ReadStoredValue(cell, sharedTexts);
  switch (value.kind) {
    case StoredValue::Kind::Empty: return std::nullopt;
    case StoredValue::Kind::Text: cells.SetText(place.row, place.column, value.text); return std::nullopt;
    case StoredValue::Kind::Number:
      if (value.isBoolean) break;
      cells.SetNumber(place.row, place.column, value.number);
      return std::nullopt;
    case StoredValue::Kind::Other: break;
    case StoredValue::Kind::Damaged: return workbook_package::CellProblem(place.name, value.text);
  }
  return workbook_package::CellProblem(place.name, workbook_package::cell_problem::kNeitherNumberNorText);
}

std::optional<std::string> ReadCell(const StoredCell& cell, const std::vector<std::string>& sharedTexts,
                                    SharedFormulas& shared, CellGrid& cells) {
  const auto block = report_sheet::ReadCellName(cell.ref);
  if (!block) return "katak manzili noto'g'ri: \"" + cell.ref + "\".";
  const Place place{cell.ref, block->firstRow, block->firstColumn};
  if (!cells.Contains(place.row, place.column)) {
    if (cell.HasContent()) return cell.ref + " katagi hisobot varag'idan tashqarida.";
    return std::nullopt;
  }
  if (cell.formula) return ReadFormula(place, *cell.formula, shared, cells);
  return ReadValue(place, cell, sharedTexts, cells);
}

}  // namespace

ReportCellsRead ReadReportCells(std::string_view sheet, const std::vector<std::string>& sharedTexts, CellGrid& cells) {
  ReportCellsRead read;
  SharedFormulas shared;
  read.xml = WalkStoredCells(
      sheet, [](const std::string*) {},
      [&](const StoredCell& cell) {
        if (!read.problem) read.problem = ReadCell(cell, sharedTexts, shared, cells);
      });
  return read;
}

}  // namespace soatnoma::workbook_reading
