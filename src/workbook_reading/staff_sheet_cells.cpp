#include "workbook_reading/staff_sheet_cells.h"

#include "report_sheet/sheet_address.h"
#include "workbook_reading/stored_cells.h"

namespace soatnoma::workbook_reading {

std::optional<std::vector<staff_book::StoredSheetCell>> StaffSheetCells(std::string_view sheet,
                                                                        const std::vector<std::string>& sharedTexts) {
  std::vector<staff_book::StoredSheetCell> cells;
  bool named = true;
  const bool xml = WalkStoredCells(
      sheet, [](const std::string*) {},
      [&](const StoredCell& stored) {
        const auto place = report_sheet::ReadCellName(stored.ref);
        named = named && place.has_value();
        if (!place) return;
        staff_book::StoredSheetCell cell{place->firstRow,
                                         place->firstColumn,
                                         {},
                                         std::nullopt,
                                         stored.formula ? stored.formula->text : std::string()};
        const StoredValue value = ReadStoredValue(stored, sharedTexts);
        if (value.kind == StoredValue::Kind::Text) cell.text = value.text;
        if (value.kind == StoredValue::Kind::Number) cell.number = value.number;
        cells.push_back(std::move(cell));
      });
  if (!xml || !named) return std::nullopt;
  return cells;
}

}  // namespace soatnoma::workbook_reading
