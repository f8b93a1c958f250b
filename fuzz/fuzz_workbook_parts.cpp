// Any text offered as a part of a workbook, to every reading of the shared reader: the
// walker, the workbook's sheets, shared texts and properties, a sheet read as a report, as a
// staff workbook's cells and as a staff list, and a sheet changed for saving. Each may
// refuse; it must do so without harm, and what it takes must hold: a changed sheet is XML
// again and holds the changed cells' numbers.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "workbook_package/opened_report.h"
#include "workbook_reading/package_parts.h"
#include "workbook_reading/report_cells.h"
#include "workbook_reading/roster_sheet.h"
#include "workbook_reading/sheet_changes.h"
#include "workbook_reading/staff_sheet_cells.h"

namespace {

namespace reading = soatnoma::workbook_reading;

// The changes the first cells of the sheet get: a number, a sum written beside its result, an emptying.
const std::vector<soatnoma::staff_book::StoredCellChange> kChanges = {
    {1, 1, soatnoma::staff_book::StoredCellChange::Kind::Number, 12.5, {}},
    {1, 2, soatnoma::staff_book::StoredCellChange::Kind::FormulaResult, 3, "SUM(A1:A1)"},
    {2, 1, soatnoma::staff_book::StoredCellChange::Kind::Empty, 0, {}},
};

void CheckChanged(std::string_view sheet) {
  const auto changed = reading::SheetWithChanges(sheet, kChanges);
  if (!changed) return;
  const auto cells = reading::StaffSheetCells(*changed, {});
  if (!reading::StaffSheetCells(sheet, {}).has_value()) return;  // a cell's address was none before
  if (!cells) std::abort();
  bool number = false;
  bool result = false;
  for (const auto& cell : *cells) {
    number = number || (cell.row == 1 && cell.column == 1 && cell.number == 12.5 && cell.formula.empty());
    result = result || (cell.row == 1 && cell.column == 2 && cell.number == 3);
  }
  if (!number || !result) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view part(reinterpret_cast<const char*>(data), size);
  (void)reading::WorkbookSheets(part, part);
  const auto texts = reading::SharedTexts(part).value_or(std::vector<std::string>{"a", "b"});
  (void)reading::CustomProperties(part);
  soatnoma::report_sheet::ReportSheet sheet = soatnoma::workbook_package::EmptyReportForm();
  (void)reading::ReadReportCells(part, texts, sheet.Cells());
  std::string whyNot;
  if (!reading::RosterRecords(part, texts, whyNot) && whyNot.empty()) std::abort();
  CheckChanged(part);
  return 0;
}
