#include "model/rounding_pass.h"

#include <cmath>
#include <optional>

#include "model/rounding_tables.h"
#include "model/typed_number.h"

namespace soatnoma {
namespace {

// The link of the chain at a cell, told as the pass makes it; from: the cell before, if any.
void TellLink(TableStory* story, const CellGrid& sheet, CellRef cell, std::optional<CellRef> from, double before,
              const WorkingValues& working) {
  if (!story) return;
  CarryLink link;
  link.from = from;
  link.takenIn = from ? before : 0;
  link.whole = sheet.ReadNumber(cell.row, cell.column);
  const double computed = story->At(cell.row, cell.column).computed;
  link.givenOn = (computed + link.takenIn) - link.whole;
  link.carried = working.Kasr.Number();
  story->At(cell.row, cell.column).carry = link;
  if (from) story->At(from->row, from->column).carry->to = cell;
}

void CarryFractions(TeacherCategory category, CellGrid& sheet, WorkingValues& working, TableStory* story) {
  std::optional<CellRef> previous;
  for (const ChainMonth& month : CarryChain(category)) {
    for (int row : month.rows) {
      if (row == 0) break;
      const double takenIn = working.Kasr.Number();
      if (!previous) {
        TakeWholePart(sheet, row, month.column, working);
      } else {
        CarryIntoCell(sheet, row, month.column, working);
      }
      TellLink(story, sheet, CellRef(row, month.column), previous, takenIn, working);
      previous = CellRef(row, month.column);
    }
  }
}

void EmptyLeadershipCells(CellGrid& sheet, TableStory* story) {
  for (const CellRef& cell : LeadershipCells()) {
    sheet.ClearCell(cell.row, cell.column);
    if (story) story->At(cell.row, cell.column).emptied = true;
  }
}

void ApplyCorrection(TeacherCategory category, CellGrid& sheet, std::string_view weeklyHoursText, bool classLeader,
                     TableStory* story) {
  // Looked up by the text as typed, a decimal comma read as the point: "12,5" is "12.5".
  const auto correction = FindCorrection(category, WithDecimalPoint(weeklyHoursText));
  if (!correction) return;
  const Adjustments& adjustments = classLeader ? correction->withLeadership : correction->withoutLeadership;
  for (std::size_t i = 0; i < adjustments.count; ++i) {
    const CellAdjustment& a = adjustments.items[i];
    sheet.SetNumber(a.cell.row, a.cell.column, sheet.ReadNumber(a.cell.row, a.cell.column) + a.delta);
    if (story) {
      std::optional<CellCorrection>& told = story->At(a.cell.row, a.cell.column).correction;
      const double before = sheet.ReadNumber(a.cell.row, a.cell.column) - a.delta;
      if (!told) told = CellCorrection{std::string(correction->weeklyHours), classLeader, before, 0};
      told->delta += a.delta;
    }
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
                  WorkingValues& working, TableStory* story) {
  CarryFractions(category, sheet, working, story);
  if (!classLeader) EmptyLeadershipCells(sheet, story);
  ApplyCorrection(category, sheet, weeklyHoursText, classLeader, story);
  working.Kasr.SetText("0");
}

}  // namespace soatnoma
