#pragma once
// How every cell of a teacher's table came by its hours, recorded while the distribution
// fills the table and the rounding pass makes it whole, without changing a number of either:
// the norm scaled by weekly hours ÷ rate (or hours that stand fixed), the fraction a cell of
// the carry chain took in from the cell before and the one it gave on, an emptying, the fixed
// correction of the weekly hours, and for a total the cells it adds up. Data only; the words
// a teacher reads are made from it elsewhere.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/workload_table.h"

namespace soatnoma {

enum class CellOrigin {
  None,         // nothing is written there
  Scaled,       // weekly hours × norm ÷ rate
  Fixed,        // hours that stand whatever the weekly hours (a class leader's class hours)
  LeaderShare,  // a class leader's row 12: its own scaled norm, less the class hours moved to row 10
  Text,         // a text, no hours
  Sum,          // a total of other cells
  Empty,        // written empty: no hours go there
};

// One link of the carry chain at a cell.
struct CarryLink {
  std::optional<CellRef> from;  // the cell before in the chain; none at its start
  double takenIn = 0;           // the fraction taken in, as the carried value held it
  double whole = 0;             // the hours kept: the whole part of computed + takenIn
  double givenOn = 0;           // what is left over, computed + takenIn − whole
  double carried = 0;           // givenOn as the next cell receives it (kept to 15 digits)
  std::optional<CellRef> to;    // the next cell of the chain; none at its end
};

// The fixed correction of the weekly hours, where one applies to the cell.
// On a total it puts a number in the formula's place, which no longer follows its cells.
struct CellCorrection {
  std::string weeklyHours;  // the weekly hours it is chosen by, as typed
  bool classLeader = false;
  double before = 0;  // the cell's hours just before it
  int delta = 0;
};

struct CellStory {
  CellOrigin origin = CellOrigin::None;
  double weeklyHours = 0;  // Scaled and LeaderShare: the numbers of the scaling
  double norm = 0;
  double rate = 0;
  double classHours = 0;           // LeaderShare: the class hours moved to row 10
  double leaderShift = 0;          // LeaderShare: their scaled hours less the class hours, as carried
  double computed = 0;             // what the distribution wrote
  std::optional<CarryLink> carry;  // none for hours the carry chain does not visit
  bool emptied = false;            // emptied by the rounding pass: class leadership of a teacher who leads none
  std::optional<CellCorrection> correction;
  std::vector<CellRef> summed;  // a total: the cells it adds, in the formula's order
};

// The stories of the table's cells C5:S20.
class TableStory {
 public:
  CellStory& At(int row, int column) { return cells_[Index(row, column)]; }
  const CellStory& At(int row, int column) const { return cells_[Index(row, column)]; }

 private:
  static constexpr int kColumns = kLastColumn - col::C + 1;
  static std::size_t Index(int row, int column) {
    return static_cast<std::size_t>((row - kFirstWorkRow) * kColumns + (column - col::C));
  }
  std::array<CellStory, (kLastWorkRow - kFirstWorkRow + 1) * kColumns> cells_{};
};

}  // namespace soatnoma
