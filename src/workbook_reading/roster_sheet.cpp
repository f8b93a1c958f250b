#include "workbook_reading/roster_sheet.h"

#include <charconv>

#include "report_sheet/sheet_address.h"
#include "model/relative_formula.h"
#include "workbook_package/opened_report.h"
#include "roster_rules/workbook_records.h"
#include "workbook_reading/stored_cells.h"

namespace soatnoma::workbook_reading {
namespace {

// The number a row's "r" begins with, else the row after the last.
int RowNumber(const std::string* stored, int lastRow) {
  int number = 0;
  if (stored == nullptr) return lastRow + 1;
  const auto [end, error] = std::from_chars(stored->data(), stored->data() + stored->size(), number);
  return error == std::errc() && end != stored->data() ? number : lastRow + 1;
}

// The text a roster takes from a cell.
std::string TextOf(const StoredValue& value) {
  return value.kind == StoredValue::Kind::Number ? roster_rules::WorkbookNumberText(value.number) : value.text;
}

class RecordCollector {
 public:
  void StartRow(const std::string* stored) {
    FinishRow();
    row_ = RowNumber(stored, row_);
    column_ = 0;
    rowOpen_ = true;
  }

  void AddCell(const StoredCell& cell, const std::vector<std::string>& sharedTexts) {
    if (whyNot_) return;
    const auto place =
        cell.ref.empty() ? std::optional<report_sheet::CellBlock>() : report_sheet::ReadCellName(cell.ref);
    if (!cell.ref.empty() && !place) return Damaged("katak manzili noto'g'ri: \"" + cell.ref + "\".");
    column_ = place ? place->firstColumn : column_ + 1;
    if (column_ > report_sheet::kSheetMaxColumn) return Damaged("katak varaqdan tashqarida.");
    const StoredValue value = ReadStoredValue(cell, sharedTexts);
    if (value.kind == StoredValue::Kind::Damaged) {
      return Damaged(workbook_package::CellProblem(ColumnLetters(column_) + std::to_string(row_), value.text));
    }
    if (column_ <= roster_rules::kMaxRosterColumns) cells_.push_back({column_, TextOf(value)});
  }

  std::optional<std::vector<roster_rules::CsvRecord>> Take(std::string& whyNot) {
    FinishRow();
    if (whyNot_) {
      whyNot = *whyNot_;
      return std::nullopt;
    }
    return records_.Take();
  }

 private:
  void Damaged(const std::string& what) { whyNot_ = "ish kitobi buzilgan (" + what + ")"; }

  void FinishRow() {
    if (!rowOpen_ || whyNot_) return;
    rowOpen_ = false;
    std::string whyNot;
    if (!records_.AddRow(row_, std::move(cells_), whyNot)) whyNot_ = whyNot;
    cells_.clear();
  }

  roster_rules::WorkbookRecords records_;
  std::vector<roster_rules::WorkbookCell> cells_;
  std::optional<std::string> whyNot_;
  int row_ = 0;
  int column_ = 0;
  bool rowOpen_ = false;
};

}  // namespace

std::optional<std::vector<roster_rules::CsvRecord>> RosterRecords(std::string_view sheet,
                                                                  const std::vector<std::string>& sharedTexts,
                                                                  std::string& whyNot) {
  RecordCollector collector;
  const bool xml = WalkStoredCells(
      sheet, [&](const std::string* row) { collector.StartRow(row); },
      [&](const StoredCell& cell) { collector.AddCell(cell, sharedTexts); });
  if (!xml) {
    whyNot = kUnreadableFirstSheet;
    return std::nullopt;
  }
  return collector.Take(whyNot);
}

}  // namespace soatnoma::workbook_reading
