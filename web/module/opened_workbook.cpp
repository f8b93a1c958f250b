#include "opened_workbook.h"

#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "model/cell_grid.h"
#include "model/relative_formula.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/workbook_package.h"
#include "request_fields.h"
#include "staff_workbook_reading.h"

namespace soatnoma::module {
namespace {

using emscripten::val;

// The largest row and column a workbook has, as its format allows.
constexpr long long kLargestRow = 1'048'576;
constexpr long long kLargestColumn = 16'384;

}  // namespace

std::string StoredTextOf(const val& item, const char* textKey, const char* numberKey) {
  if (item[textKey].isString()) return item[textKey].as<std::string>();
  return item[numberKey].isNumber() ? item[numberKey].call<std::string>("toString") : std::string();
}

std::vector<workbook_package::CustomProperty> ReadProperties(const val& list) {
  std::vector<workbook_package::CustomProperty> properties;
  if (!list.isArray()) return properties;
  const int count = list["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    const val property = list[i];
    if (!IsObject(property)) continue;
    workbook_package::CustomProperty read{Field(property, "name"), Field(property, "text"), std::nullopt};
    // A number kept by an earlier page came without its type, read from a vt:r8.
    const std::string type = property["type"].isString() ? Field(property, "type") : "r8";
    read.number = workbook_package::ReadPropertyNumber(type, StoredTextOf(property, "stored", "number"));
    properties.push_back(std::move(read));
  }
  return properties;
}

namespace {

// How many worksheets the package holds; 0 when the count is not one.
std::size_t WorksheetCount(const val& count) {
  const std::optional<long long> worksheets = WholeNumber(count);
  return worksheets && *worksheets > 0 ? static_cast<std::size_t>(*worksheets) : 0;
}

// A formula as stored: written in the cell, or shared with the cell that wrote it first
// (formulaKind "shared", sharedIndex its index), as the desktop reads it.
std::optional<std::string> ReadFormula(const val& cell, int row, int column,
                                       std::map<std::string, RelativeFormula>& shared, CellGrid& cells) {
  const std::string kind = Field(cell, "formulaKind");
  const std::string text = Field(cell, "formula");
  const std::string index = Field(cell, "sharedIndex");
  const std::string foreign =
      ColumnLetters(column) + std::to_string(row) + " katagida hisobotga xos bo'lmagan formula bor.";
  if (!kind.empty() && kind != "normal" && kind != "shared") return foreign;
  if (kind == "shared" && text.empty()) {
    const auto found = shared.find(index);
    if (found == shared.end()) return foreign;
    cells.SetFormula(row, column, found->second);
    return std::nullopt;
  }
  if (auto problem = workbook_package::SetStoredFormula(cells, row, column, text)) return problem;
  if (kind == "shared") shared.insert_or_assign(index, *cells.FormulaAt(row, column));
  return std::nullopt;
}

std::optional<std::string> ReadCell(const val& cell, std::map<std::string, RelativeFormula>& shared, CellGrid& cells) {
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
  if (kind == "formula") return ReadFormula(cell, r, c, shared, cells);
  if (kind == "number") {
    const std::optional<double> number = workbook_package::ReadStoredNumber(StoredTextOf(cell, "stored", "value"));
    if (!number) return workbook_package::CellProblem(name, workbook_package::cell_problem::kNotANumber);
    cells.SetNumber(r, c, *number);
  } else if (kind == "text") {
    cells.SetText(r, c, Field(cell, "text"));
  } else {
    return workbook_package::CellProblem(name, workbook_package::cell_problem::kNeitherNumberNorText);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadSheetCells(const val& list, CellGrid& cells) {
  if (!list.isArray()) return std::string("kataklari o'qilmadi.");
  std::map<std::string, RelativeFormula> shared;
  const int count = list["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    if (auto problem = ReadCell(list[i], shared, cells)) return problem;
  }
  return std::nullopt;
}

std::optional<workbook_package::OpenRefusal> PackageRefusal(const std::string& fileName, const std::string& problem) {
  if (problem == "notWorkbook") return workbook_package::NotAWorkbook(fileName);
  if (problem == "damagedPart" || problem == "partTooLarge") return workbook_package::DamagedPart(fileName);
  if (problem == "tooManyParts" || problem == "tooLargeUnpacked") {
    const auto verdict = problem == "tooManyParts" ? workbook_package::PackageSize::TooManyParts
                                                   : workbook_package::PackageSize::TooLargeUnpacked;
    return workbook_package::RefuseOpening(fileName, workbook_package::PackageSizeReason(verdict));
  }
  return std::nullopt;
}

workbook_package::OpenOutcome OpenReadWorkbook(const std::string& fileName, const val& workbook) {
  if (!IsObject(workbook)) return workbook_package::NotAWorkbook(fileName);
  const std::string problem = Field(workbook, "problem");  // of the package, as the page found it
  if (auto refusal = PackageRefusal(fileName, problem)) return *refusal;
  if (const auto staff = StaffSheetOf(workbook)) return OpenStaffSheet(fileName, *staff, workbook);
  const std::vector<workbook_package::CustomProperty> properties = ReadProperties(workbook["properties"]);
  if (auto stranger = workbook_package::RefusalOfStranger(fileName, properties, WorksheetCount(workbook["worksheets"])))
    return *stranger;
  if (!problem.empty()) return workbook_package::UnreadableSheet(fileName);
  report_sheet::ReportSheet sheet = workbook_package::EmptyReportForm();
  if (auto wrongCell = ReadSheetCells(workbook["cells"], sheet.Cells()))
    return workbook_package::DamagedWorkbook(fileName, *wrongCell);
  return workbook_package::FinishOpening(fileName, std::move(sheet), properties);
}

}  // namespace soatnoma::module
