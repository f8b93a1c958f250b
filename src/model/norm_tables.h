#pragma once
// Norm tables of the proportional method: for every value row and every work month, the
// hours of a teacher who teaches exactly one full rate.

#include <array>
#include <span>
#include <string_view>

#include "model/teacher.h"
#include "model/workload_table.h"

namespace soatnoma {

enum class NormKind {
  NotWritten,   // the run leaves the cell alone
  Dash,         // the cell is written empty
  Scaled,       // the cell gets H × k ÷ R
  Fixed,        // a fixed number of class hours, written unscaled
  FixedText,    // a fixed number written as its text (a sheet stores it as the number)
  LeaderRow12,  // a class leader's row 12: the month's tSoat plus H × k ÷ R
};

struct NormEntry {
  NormKind kind = NormKind::NotWritten;
  double k = 0;           // the norm, or the fixed number
  std::string_view text;  // FixedText only
};

// One value row: its sheet row and the entries for the eleven work months
// (C D E G H I K L M O Q, as in kWorkMonthColumns).
struct NormRow {
  int row = 0;
  std::array<NormEntry, kWorkMonthColumns.size()> months{};
};

class NormTable {
 public:
  constexpr explicit NormTable(std::span<const NormRow> rows) : rows_(rows) {}
  std::span<const NormRow> Rows() const { return rows_; }
  // The entry of a sheet row in the month with index 0..10; NotWritten when the table has
  // no such row.
  NormEntry Entry(int row, std::size_t monthIndex) const;

 private:
  std::span<const NormRow> rows_;
};

// The table of a category, in its variant for a class leader or for other teachers.
NormTable NormTableFor(TeacherCategory category, bool classLeader);

}  // namespace soatnoma
