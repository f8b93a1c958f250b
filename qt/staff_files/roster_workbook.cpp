#include "staff_files/roster_workbook.h"

#include <utility>

#include "roster_rules/roster_file_form.h"
#include "model/relative_formula.h"
#include "form/sheet_address.h"
#include "report_files/workbook_parts.h"
#include "report_files/xlsx_package.h"

namespace soatnoma::batch {
namespace {

// The text a roster takes from a cell.
std::string TextOf(const StoredValue& value) {
  return value.kind == StoredValue::Kind::Number ? WorkbookNumberText(value.number) : value.text;
}

// The rows of the sheet as records, cells placed by their column. A cell or row without
// its address follows the one before it.
class RecordCollector {
 public:
  // False with why when the sheet cannot be taken.
  bool AddRow(const pugi::xml_node& row, const std::vector<std::string>& sharedTexts, std::string& whyNot) {
    const int number = row.attribute("r").as_int(lastRow_ + 1);
    lastRow_ = number;
    std::vector<WorkbookCell> cells;
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
      if (column <= kMaxRosterColumns) cells.push_back({column, TextOf(value)});
    }
    return records_.AddRow(number, std::move(cells), whyNot);
  }

  std::vector<CsvRecord> Take() { return records_.Take(); }

 private:
  static bool Damaged(const std::string& what, std::string& whyNot) {
    whyNot = "ish kitobi buzilgan (" + what + ")";
    return false;
  }

  WorkbookRecords records_;
  int lastRow_ = 0;
};

}  // namespace

std::optional<std::vector<CsvRecord>> ReadWorkbookRecords(const std::string& path, std::string& whyNot) {
  std::string detail;
  const auto package = XlsxPackage::Open(path, detail);
  // Weighed before anything is unpacked, as a report's workbook is.
  const PackageSize verdict = package ? package->SizeVerdict() : PackageSize::Fits;
  if (verdict == PackageSize::TooManyParts || verdict == PackageSize::TooLargeUnpacked) {
    whyNot = PackageSizeReason(verdict);
    return std::nullopt;
  }
  const auto worksheets = package && verdict == PackageSize::Fits ? WorksheetEntries(*package) : std::nullopt;
  if (!worksheets || worksheets->empty()) {
    whyNot = kNotAWorkbookReason;
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
