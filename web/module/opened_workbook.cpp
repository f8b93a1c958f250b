#include "opened_workbook.h"

#include <cmath>
#include <optional>
#include <vector>

#include "model/cell_grid.h"
#include "model/relative_formula.h"
#include "form/stored_number.h"
#include "request_fields.h"

namespace soatnoma::web {
namespace {

using emscripten::val;

// The largest row and column a workbook has, as its format allows.
constexpr long long kLargestRow = 1'048'576;
constexpr long long kLargestColumn = 16'384;

// A number as the workbook stores it, to be read by the desktop's rule. A report kept by an
// earlier page holds the number itself, given back here as JavaScript writes it.
std::string StoredText(const val& item, const char* textKey, const char* numberKey) {
  if (item[textKey].isString()) return item[textKey].as<std::string>();
  return item[numberKey].isNumber() ? item[numberKey].call<std::string>("toString") : std::string();
}

std::vector<CustomProperty> PropertiesOf(const val& list) {
  std::vector<CustomProperty> properties;
  if (!list.isArray()) return properties;
  const int count = list["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    const val property = list[i];
    if (!IsObject(property)) continue;
    CustomProperty read{Field(property, "name"), Field(property, "text"), std::nullopt};
    // A number kept by an earlier page came without its type, read from a vt:r8.
    const std::string type = property["type"].isString() ? Field(property, "type") : "r8";
    read.number = ReadPropertyNumber(type, StoredText(property, "stored", "number"));
    properties.push_back(std::move(read));
  }
  return properties;
}

// How many worksheets the package holds; 0 when the count is not one.
std::size_t WorksheetCount(const val& count) {
  const std::optional<long long> worksheets = WholeNumber(count);
  return worksheets && *worksheets > 0 ? static_cast<std::size_t>(*worksheets) : 0;
}

std::optional<std::string> ReadCell(const val& cell, CellGrid& cells) {
  const std::optional<long long> row = IsObject(cell) ? WholeNumber(cell["row"]) : std::nullopt;
  const std::optional<long long> column = IsObject(cell) ? WholeNumber(cell["column"]) : std::nullopt;
  if (!row || !column) return std::string("kataklaridan biri o'qilmadi.");
  const bool onSheet = *row >= 1 && *row <= kLargestRow && *column >= 1 && *column <= kLargestColumn;
  const int r = onSheet ? static_cast<int>(*row) : 0;
  const int c = onSheet ? static_cast<int>(*column) : 0;
  if (!onSheet || !cells.Contains(r, c)) {
    return (onSheet ? ColumnLetters(c) + std::to_string(r) + " katagi" : std::string("Katak")) +
           " hisobot varag'idan tashqarida.";
  }
  const std::string name = ColumnLetters(c) + std::to_string(r);
  const std::string kind = Field(cell, "kind");
  if (kind == "formula") return SetStoredFormula(cells, r, c, Field(cell, "formula"));
  if (kind == "number") {
    const std::optional<double> number = ReadStoredNumber(StoredText(cell, "stored", "value"));
    if (!number) return CellProblem(name, cell_problem::kNotANumber);
    cells.SetNumber(r, c, *number);
  } else if (kind == "text") {
    cells.SetText(r, c, Field(cell, "text"));
  } else {
    return CellProblem(name, cell_problem::kNeitherNumberNorText);
  }
  return std::nullopt;
}

// The cells as the workbook holds them; the reason when one is not what the report holds.
std::optional<std::string> ReadCells(const val& list, CellGrid& cells) {
  if (!list.isArray()) return std::string("kataklari o'qilmadi.");
  const int count = list["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    if (auto problem = ReadCell(list[i], cells)) return problem;
  }
  return std::nullopt;
}

}  // namespace

OpenOutcome OpenReadWorkbook(const std::string& fileName, const val& workbook) {
  if (!IsObject(workbook)) return NotAWorkbook(fileName);
  const std::string problem = Field(workbook, "problem");
  if (problem == "notWorkbook" || problem == "damagedPart") {
    return problem == "damagedPart" ? DamagedPart(fileName) : NotAWorkbook(fileName);
  }
  const std::vector<CustomProperty> properties = PropertiesOf(workbook["properties"]);
  if (auto stranger = RefusalOfStranger(fileName, properties, WorksheetCount(workbook["worksheets"]))) return *stranger;
  if (!problem.empty()) return UnreadableSheet(fileName);
  ReportSheet sheet = EmptyReportForm();
  if (auto wrongCell = ReadCells(workbook["cells"], sheet.Cells())) return DamagedWorkbook(fileName, *wrongCell);
  return FinishOpening(fileName, std::move(sheet), properties);
}

}  // namespace soatnoma::web
