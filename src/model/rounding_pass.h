#pragma once
// The rounding pass: makes every value cell of a finished distribution whole without losing
// hours from the totals, then applies the fixed correction of the weekly hours.

#include <string_view>

#include "model/cell_grid.h"
#include "model/cell_story.h"
#include "model/teacher.h"

namespace soatnoma {

// Runs once on the sheet of one run, in four steps: the carry chain (each cell keeps its
// whole part, its fraction travels on in Kasr), the emptying of the class-leadership cells
// of a teacher who leads no class, the correction chosen by the exact weekly-hours text,
// and the finish (Kasr back to "0").
// One link of the carry chain. The first cell of a chain only gives up its fraction:
// Kasr := text of (X − Int(X)), X := Int(X). Every following cell first takes the carried
// fraction in: X := X + Kasr, then gives up its own.
void TakeWholePart(CellGrid& sheet, int row, int column, WorkingValues& working);
void CarryIntoCell(CellGrid& sheet, int row, int column, WorkingValues& working);

// story, when given (as the distribution told it), is told each cell's link of the chain, its
// emptying and its correction.
void RoundingPass(TeacherCategory category, CellGrid& sheet, std::string_view weeklyHoursText, bool classLeader,
                  WorkingValues& working, TableStory* story = nullptr);

}  // namespace soatnoma
