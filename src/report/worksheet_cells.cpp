#include "report/worksheet_cells.h"

#include <charconv>
#include <map>
#include <string_view>

#include "report/a1_formula.h"
#include "report/sheet_address.h"
#include "report/workbook_parts.h"

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

std::string Problem(const StoredCell& cell, std::string_view what) { return cell.name + " katagida " + std::string(what); }

std::optional<std::string> ReadFormula(const StoredCell& cell, SharedFormulas& shared, CellGrid& cells) {
  const pugi::xml_node formula = cell.node.child("f");
  const std::string_view kind = formula.attribute("t").value();
  const std::string_view text = formula.child_value();
  if (!kind.empty() && kind != "normal" && kind != "shared") return Problem(cell, "hisobotga xos bo'lmagan formula bor.");
  std::optional<RelativeFormula> relative;
  if (kind == "shared" && text.empty()) {
    const auto found = shared.find(std::string_view(formula.attribute("si").value()));
    if (found != shared.end()) relative = found->second;
  } else {
    relative = RelativeFormulaFromA1(text, cell.row, cell.column);
    if (relative && kind == "shared") shared.insert_or_assign(formula.attribute("si").value(), *relative);
  }
  if (!relative) return Problem(cell, "hisobotga xos bo'lmagan formula bor.");
  cells.SetFormula(cell.row, cell.column, *relative);
  return std::nullopt;
}

std::optional<std::string> ReadValue(const StoredCell& cell, const std::vector<std::string>& sharedTexts,
                                     CellGrid& cells) {
  const std::string_view type = cell.node.attribute("t").value();
  const pugi::xml_node value = cell.node.child("v");
  if (type == "inlineStr") {
    const pugi::xml_node inlineText = cell.node.child("is");
    std::string text = CellText(inlineText.child("t"));
    for (const pugi::xml_node run : inlineText.children("r")) text += CellText(run.child("t"));
    cells.SetText(cell.row, cell.column, text);
    return std::nullopt;
  }
  if (!value) return std::nullopt;  // a formatted empty cell
  const std::string_view stored = value.child_value();
  if (type == "s") {
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), index);
    if (error != std::errc() || end != stored.data() + stored.size() || index >= sharedTexts.size()) {
      return Problem(cell, "yo'q matnga havola bor.");
    }
    cells.SetText(cell.row, cell.column, sharedTexts[index]);
    return std::nullopt;
  }
  if (!type.empty() && type != "n") return Problem(cell, "son ham, matn ham bo'lmagan qiymat bor.");
  const auto number = ReadStoredNumber(stored);
  if (!number) return Problem(cell, "noto'g'ri son bor.");
  cells.SetNumber(cell.row, cell.column, *number);
  return std::nullopt;
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
