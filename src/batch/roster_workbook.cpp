#include "batch/roster_workbook.h"

#include <algorithm>
#include <utility>

#include "model/number_text.h"
#include "model/relative_formula.h"
#include "report/sheet_address.h"
#include "report/workbook_parts.h"
#include "report/xlsx_package.h"

namespace soatnoma::batch {
namespace {

constexpr const char* kNotAWorkbook = "Excel ish kitobi (.xlsx) emas yoki u buzilgan.";

bool HasText(std::string_view text) { return text.find_first_not_of(" \t\r\n") != std::string_view::npos; }

// The text a roster takes from a cell.
std::string TextOf(const StoredValue& value) {
  return value.kind == StoredValue::Kind::Number ? NumberToText(value.number) : value.text;
}

// The rows of the sheet as records, cells placed by their column. A cell or row without
// its address follows the one before it.
class RecordCollector {
 public:
  // False with why when the sheet cannot be taken.
  bool AddRow(const pugi::xml_node& row, const std::vector<std::string>& sharedTexts, std::string& whyNot) {
    const int number = row.attribute("r").as_int(lastRow_ + 1);
    lastRow_ = number;
    std::vector<std::pair<int, std::string>> cells;  // column (1 first), text
    int column = 0;
    for (const pugi::xml_node cell : row.children("c")) {
      const std::string_view name = cell.attribute("r").value();
      const auto place = name.empty() ? std::optional<CellBlock>() : ReadCellName(name);
      if (!name.empty() && !place) return Damaged("katak manzili noto'g'ri: \"" + std::string(name) + "\".", whyNot);
      column = place ? place->firstColumn : column + 1;
      if (column > kSheetMaxColumn) return Damaged("katak varaqdan tashqarida.", whyNot);
      const StoredValue value = ReadStoredValue(cell, sharedTexts);
      if (value.kind == StoredValue::Kind::Damaged) {
        return Damaged(ColumnLetters(column) + std::to_string(number) + " katagida " + value.text, whyNot);
      }
      std::string text = TextOf(value);
      if (column <= kMaxRosterColumns && HasText(text)) cells.emplace_back(column, std::move(text));
    }
    if (cells.empty()) return true;
    CsvRecord record;
    record.line = number;
    record.fields.resize(static_cast<std::size_t>(std::ranges::max(cells, {}, &std::pair<int, std::string>::first).first));
    for (auto& [at, text] : cells) record.fields[static_cast<std::size_t>(at - 1)] = std::move(text);
    cellCount_ += record.fields.size();
    if (cellCount_ > kMaxWorkbookRosterCells) {
      whyNot = "ro'yxat uchun juda katta (" + std::to_string(kMaxWorkbookRosterCells) + " katakdan ortiq).";
      return false;
    }
    records_.push_back(std::move(record));
    return true;
  }

  std::vector<CsvRecord> Take() { return std::move(records_); }

 private:
  static bool Damaged(const std::string& what, std::string& whyNot) {
    whyNot = "ish kitobi buzilgan (" + what + ")";
    return false;
  }

  std::vector<CsvRecord> records_;
  int lastRow_ = 0;
  std::size_t cellCount_ = 0;
};

}  // namespace

std::optional<std::vector<CsvRecord>> ReadWorkbookRecords(const std::string& path, std::string& whyNot) {
  std::string detail;
  const auto package = XlsxPackage::Open(path, detail);
  const auto worksheets = package ? WorksheetEntries(*package) : std::nullopt;
  if (!worksheets || worksheets->empty()) {
    whyNot = kNotAWorkbook;
    return std::nullopt;
  }
  const auto sharedTexts = SharedTexts(*package);
  pugi::xml_document sheet;
  if (!sharedTexts || !LoadWorkbookPart(*package, worksheets->front(), sheet)) {
    whyNot = "ish kitobi buzilgan (birinchi varag'ini o'qib bo'lmadi).";
    return std::nullopt;
  }
  RecordCollector collector;
  for (const pugi::xml_node row : sheet.child("worksheet").child("sheetData").children("row")) {
    if (!collector.AddRow(row, *sharedTexts, whyNot)) return std::nullopt;
  }
  return collector.Take();
}

}  // namespace soatnoma::batch
