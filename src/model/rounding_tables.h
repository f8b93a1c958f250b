#pragma once
// The tables of the rounding pass: the carry chain of each category, the cells emptied for
// a teacher who leads no class, and the fixed corrections chosen by the weekly-hours text.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "model/teacher.h"
#include "model/workload_table.h"

namespace soatnoma {

// One month of the carry chain: its column and the rows visited, top to bottom.
struct ChainMonth {
  int column;
  std::array<int, 11> rows;  // unused places are 0
};

struct CellAdjustment {
  CellRef cell;
  int delta;
};

// The corrections of one state (class leader or not): applied from left to right.
struct Adjustments {
  std::array<CellAdjustment, 4> items{{{"A1", 0}, {"A1", 0}, {"A1", 0}, {"A1", 0}}};
  std::size_t count = 0;
};

struct CorrectionRow {
  std::string_view weeklyHours;  // compared with the weekly-hours text character by character
  Adjustments withLeadership;
  Adjustments withoutLeadership;
};

std::span<const ChainMonth> CarryChain(TeacherCategory category);
std::span<const CellRef> LeadershipCells();  // emptied in this order for other teachers
std::span<const CorrectionRow> CorrectionTable(TeacherCategory category);
// The row whose text equals the weekly-hours text exactly, if any.
std::optional<CorrectionRow> FindCorrection(TeacherCategory category, std::string_view weeklyHoursText);

}  // namespace soatnoma
