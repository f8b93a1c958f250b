#include "form/report_grid.h"

#include "form/cell_display.h"
#include "form/correction_texts.h"
#include "model/workload_table.h"

namespace soatnoma {
namespace {

// A heading read as a name: its lines joined by spaces.
std::string OnOneLine(std::string text) {
  for (char& each : text) {
    if (each == '\n') each = ' ';
  }
  return text;
}

GridCellRole RoleAt(CellPlace place) {
  if (place.row == kHeadingRow) return GridCellRole::ColumnHeading;
  return place.column == col::B ? GridCellRole::RowHeading : GridCellRole::Cell;
}

}  // namespace

std::string SpokenCellName(const ReportSheet& sheet, const ReportCorrections& corrections, CellPlace place) {
  const std::string shown = DisplayedText(sheet, place.row, place.column);
  std::string name = OnOneLine(DisplayedText(sheet, kHeadingRow, place.column)) + ", " +
                     std::string(RowShortTitle(place.row)) + ": " +
                     (shown.empty() ? std::string(kEmptyCellWord) : shown);
  const CellMarkNote mark = MarkNoteOf(corrections, place);
  if (!mark.toolTip.empty()) name += ". " + OnOneLine(mark.toolTip);
  return name;
}

std::vector<std::vector<GridCell>> ReportGridRows(const ReportSheet& sheet, const ReportCorrections& corrections) {
  std::vector<std::vector<GridCell>> rows;
  for (int row = kHeadingRow; row <= kLastWorkRow; ++row) {
    std::vector<GridCell>& cells = rows.emplace_back();
    for (int column = col::A; column <= kLastColumn; ++column) {
      const CellPlace place{row, column};
      GridCell cell{row, column, RoleAt(place), {}, !corrections.IsEditable(place)};
      cell.name = cell.role == GridCellRole::Cell ? SpokenCellName(sheet, corrections, place)
                                                  : OnOneLine(DisplayedText(sheet, row, column));
      cells.push_back(std::move(cell));
    }
  }
  return rows;
}

}  // namespace soatnoma
