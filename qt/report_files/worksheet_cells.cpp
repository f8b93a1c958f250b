#include "report_files/worksheet_cells.h"

#include <map>
#include <string_view>

#include "form/a1_formula.h"
#include "form/opened_report.h"
#include "form/sheet_address.h"
#include "report_files/workbook_parts.h"

namespace soatnoma {
namespace {

// A cell of the worksheet, as the XML gives it.
struct StoredCell {
  std::string name;  // "C8"
  int row = 0;
  int column = 0;
  pugi::xml_node node;
};

// Formulas written once and shared by the cells that follow them, by their index. A
// relative formula is the same in every cell that shares it.
using SharedFormulas = std::map<std::string, RelativeFormula, std::less<>>;

std::string Problem(const StoredCell& cell, std::string_view what) { return CellProblem(cell.name, what); }

std::optional<std::string> ReadFormula(const StoredCell& cell, SharedFormulas& shared, CellGrid& cells) {
  const pugi::xml_node formula = cell.node.child("f");
  const std::string_view kind = formula.attribute("t").value();
  const std::string_view text = formula.child_value();
  if (!kind.empty() && kind != "normal" && kind != "shared") return Problem(cell, "hisobotga xos bo'lmagan formula bor.");
  if (kind == "shared" && text.empty()) {
    const auto found = shared.find(std::string_view(formula.attribute("si").value()));
    if (found == shared.end()) return Problem(cell, "hisobotga xos bo'lmagan formula bor.");
    cells.SetFormula(cell.row, cell.column, found->second);
    return std::nullopt;
  }
  if (auto problem = SetStoredFormula(cells, cell.row, cell.column, text)) return problem;
  if (kind == "shared") shared.insert_or_assign(formula.attribute("si").value(), *cells.FormulaAt(cell.row, cell.column));
  return std::nullopt;
}

std::optional<std::string> ReadValue(const StoredCell& cell, const std::vector<std::string>& sharedTexts,
                                     CellGrid& cells) {
  const StoredValue value = ReadStoredValue(cell.node, sharedTexts);
  switch (value.kind) {
    case StoredValue::Kind::Empty: return std::nullopt;
    case StoredValue::Kind::Text: cells.SetText(cell.row, cell.column, value.text); return std::nullopt;
    case StoredValue::Kind::Number:
      if (value.isBoolean) break;
      cells.SetNumber(cell.row, cell.column, value.number);
      return std::nullopt;
    case StoredValue::Kind::Other: break;
    case StoredValue::Kind::Damaged: return Problem(cell, value.text);
  }
  return Problem(cell, cell_problem::kNeitherNumberNorText);
}

bool HasContent(const pugi::xml_node& cell) { return cell.child("f") || cell.child("v") || cell.child("is"); }

}  // namespace

std::optional<std::string> ReadWorksheetCells(const pugi::xml_document& worksheet,
                                              const std::vector<std::string>& sharedTexts, CellGrid& cells) {
  SharedFormulas shared;
  for (const pugi::xml_node row : worksheet.child("worksheet").child("sheetData").children("row")) {
    for (const pugi::xml_node node : row.children("c")) {
      StoredCell cell{node.attribute("r").value(), 0, 0, node};
      const auto place = ReadCellName(cell.name);
      if (!place) return std::string("katak manzili noto'g'ri: \"") + cell.name + "\".";
      cell.row = place->firstRow;
      cell.column = place->firstColumn;
      if (!cells.Contains(cell.row, cell.column)) {
        if (HasContent(node)) return cell.name + " katagi hisobot varag'idan tashqarida.";
        continue;
      }
      const auto problem = node.child("f") ? ReadFormula(cell, shared, cells) : ReadValue(cell, sharedTexts, cells);
      if (problem) return problem;
    }
  }
  return std::nullopt;
}

}  // namespace soatnoma
