#include "staff_book/stored_summary.h"

#include <cmath>
#include <map>
#include <string>

namespace soatnoma::staff_book {
namespace {

using CellPlaces = std::map<std::pair<int, int>, const StoredSheetCell*>;

// The column of every text that stands above the first teacher: the headings among them.
std::map<std::string, int, std::less<>> ColumnsOfHeadings(const std::vector<StoredSheetCell>& cells,
                                                          int firstTeacherRow) {
  std::map<std::string, int, std::less<>> columns;
  for (const StoredSheetCell& cell : cells) {
    if (cell.row < firstTeacherRow && !cell.text.empty()) columns[cell.text] = cell.column;
  }
  return columns;
}

std::string TitleOf(const CellPlaces& places) {
  const auto title = places.find({1, 1});
  return title == places.end() ? std::string() : title->second->text;
}

}  // namespace

SummarySheet StoredSummary(const std::vector<StoredSheetCell>& summaryCells,
                           const std::vector<StaffTeacherSheet>& teachers) {
  CellPlaces places;
  for (const StoredSheetCell& cell : summaryCells) places[{cell.row, cell.column}] = &cell;
  int firstTeacherRow = 0;
  for (const StaffTeacherSheet& teacher : teachers) {
    if (teacher.summaryRow == 0) continue;
    if (firstTeacherRow == 0 || teacher.summaryRow < firstTeacherRow) firstTeacherRow = teacher.summaryRow;
  }
  const auto headings = ColumnsOfHeadings(summaryCells, firstTeacherRow);
  std::vector<SummaryRow> rows;
  for (const StaffTeacherSheet& teacher : teachers) {
    if (teacher.summaryRow == 0) continue;  // a sheet the summary has no row for
    const auto cellUnder = [&](std::string_view heading) -> StoredSummaryCell {
      const auto column = headings.find(heading);
      const auto cell = column == headings.end() ? places.end() : places.find({teacher.summaryRow, column->second});
      if (cell == places.end()) return {};
      return {cell->second->text, cell->second->number};
    };
    SummaryRow row = SummaryRowOfStored(cellUnder, teacher.sheetName);
    row.name = teacher.teacher;
    // As the teachers are listed, whatever read them; a row that opens no sheet as it stores it.
    if (teacher.Openable() || !std::isfinite(row.annualTotal)) row.annualTotal = teacher.annualTotal;
    rows.push_back(std::move(row));
  }
  return DescribeTitledSummary(rows, TitleOf(places));
}

}  // namespace soatnoma::staff_book
