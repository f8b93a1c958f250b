#include "model/rounding_pass.h"

#include <cmath>

#include "model/rounding_tables.h"
#include "model/typed_number.h"

namespace soatnoma {
namespace {

void CarryFractions(TeacherCategory category, CellGrid& sheet, WorkingValues& working) {
  bool first = true;
  for (const ChainMonth& month : CarryChain(category)) {
    for (int row : month.rows) {
      if (row == 0) break;
      if (first) {
        TakeWholePart(sheet, row, month.column, working);
        first = false;
      } else {
        CarryIntoCell(sheet, row, month.column, working);
      }
    }
  }
}

void EmptyLeadershipCells(CellGrid& sheet) {
  for (const CellRef& cell : LeadershipCells()) sheet.ClearCell(cell.row, cell.column);
}

void ApplyCorrection(TeacherCategory category, CellGrid& sheet, std::string_view weeklyHoursText, bool classLeader) {
  // Looked up by the text as typed, a decimal comma read as the point: "12,5" is "12.5".
  const auto correction = FindCorrection(category, WithDecimalPoint(weeklyHoursText));
  if (!correction) return;
  const Adjustments& adjustments = classLeader ? correction->withLeadership : correction->withoutLeadership;
  for (std::size_t i = 0; i < adjustments.count; ++i) {
    const CellAdjustment& a = adjustments.items[i];
    sheet.SetNumber(a.cell.row, a.cell.column, sheet.ReadNumber(a.cell.row, a.cell.column) + a.delta);
  }
}

}  // namespace

void TakeWholePart(CellGrid& sheet, int row, int column, WorkingValues& working) {
  // Int is the floor of the stored value, with no rounding first.
  const double value = sheet.ReadNumber(row, column);
  working.Kasr.SetNumber(value - std::floor(value));
  sheet.SetNumber(row, column, std::floor(sheet.ReadNumber(row, column)));
}

void CarryIntoCell(CellGrid& sheet, int row, int column, WorkingValues& working) {
  sheet.SetNumber(row, column, sheet.ReadNumber(row, column) + working.Kasr.Number());
  TakeWholePart(sheet, row, column, working);
}

void RoundingPass(TeacherCategory category, CellGrid& sheet, std::string_view weeklyHoursText, bool classLeader,
                  WorkingValues& working) {
  CarryFractions(category, sheet, working);
  if (!classLeader) EmptyLeadershipCells(sheet);
  ApplyCorrection(category, sheet, weeklyHoursText, classLeader);
  working.Kasr.SetText("0");
}

}  // namespace soatnoma
