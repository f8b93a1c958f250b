#include "screen_view/report_grid.h"

#include "report_sheet/cell_display.h"
#include "report_editing/correction_texts.h"
#include "model/workload_table.h"

namespace soatnoma::screen_view {
namespace {

// A heading read as a name: its lines joined by spaces.
std::string OnOneLine(std::string text) {
  for (char& each : text) {
    if (each == '\n') each = ' ';
  }
  return text;
}

GridCellRole RoleAt(report_editing::CellPlace place) {
  if (place.row == kHeadingRow) return GridCellRole::ColumnHeading;
  return place.column == col::B ? GridCellRole::RowHeading : GridCellRole::Cell;
}

}  // namespace

std::string SpokenCellName(const report_sheet::ReportSheet& sheet, const report_editing::ReportCorrections& corrections,
                           report_editing::CellPlace place) {
  const std::string shown = report_sheet::DisplayedText(sheet, place.row, place.column);
  std::string name = OnOneLine(report_sheet::DisplayedText(sheet, kHeadingRow, place.column)) + ", " +
                     std::string(RowShortTitle(place.row)) + ": " +
                     (shown.empty() ? std::string(kEmptyCellWord) : shown);
  const report_editing::CellMarkNote mark = report_editing::MarkNoteOf(corrections, place);
  if (!mark.toolTip.empty()) name += ". " + OnOneLine(mark.toolTip);
  return name;
}

std::vector<std::vector<GridCell>> ReportGridRows(const report_sheet::ReportSheet& sheet,
                                                  const report_editing::ReportCorrections& corrections) {
  std::vector<std::vector<GridCell>> rows;
  for (int row = kHeadingRow; row <= kLastWorkRow; ++row) {
    std::vector<GridCell>& cells = rows.emplace_back();
    for (int column = col::A; column <= kLastColumn; ++column) {
      const report_editing::CellPlace place{row, column};
      GridCell cell{row, column, RoleAt(place), {}, !corrections.IsEditable(place)};
      cell.name = cell.role == GridCellRole::Cell ? SpokenCellName(sheet, corrections, place)
                                                  : OnOneLine(report_sheet::DisplayedText(sheet, row, column));
      cells.push_back(std::move(cell));
    }
  }
  return rows;
}

}  // namespace soatnoma::screen_view
