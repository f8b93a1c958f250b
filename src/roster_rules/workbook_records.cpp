#include "roster_rules/workbook_records.h"

#include <algorithm>

#include "model/number_text.h"

namespace soatnoma::roster_rules {
namespace {

bool HasText(std::string_view text) { return text.find_first_not_of(" \t\r\n") != std::string_view::npos; }

}  // namespace

std::string WorkbookNumberText(double number) { return NumberToText(number); }

bool WorkbookRecords::AddRow(int rowNumber, std::vector<WorkbookCell> cells, std::string& whyNot) {
  std::erase_if(cells, [](const WorkbookCell& cell) {
    return cell.column < 1 || cell.column > kMaxRosterColumns || !HasText(cell.text);
  });
  if (cells.empty()) return true;
  CsvRecord record;
  record.line = rowNumber;
  const auto rightmost = std::max_element(
      cells.begin(), cells.end(), [](const WorkbookCell& a, const WorkbookCell& b) { return a.column < b.column; });
  record.fields.resize(static_cast<std::size_t>(rightmost->column));
  for (WorkbookCell& cell : cells) record.fields[static_cast<std::size_t>(cell.column - 1)] = std::move(cell.text);
  cellCount_ += record.fields.size();
  if (cellCount_ > kMaxWorkbookRosterCells) {
    whyNot = "ro'yxat uchun juda katta (" + std::to_string(kMaxWorkbookRosterCells) + " katakdan ortiq).";
    return false;
  }
  records_.push_back(std::move(record));
  return true;
}

}  // namespace soatnoma::roster_rules
