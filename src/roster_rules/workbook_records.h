#pragma once
// The rows of a staff list's worksheet made into records, by the same rules wherever the
// sheet was read: a record per row that holds some text, its line the row's number, each
// text in the field of its column.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "roster_rules/csv_record.h"

namespace soatnoma::roster_rules {

// More cells than any staff list holds; a sheet that would give more is refused rather than
// let it fill the memory.
inline constexpr std::size_t kMaxWorkbookRosterCells = 2'000'000;
// A roster's columns stand within the first of the sheet's columns; cells further right
// (notes far off the table) are left.
inline constexpr int kMaxRosterColumns = 256;

struct WorkbookCell {
  int column = 0;  // 1 is column A
  std::string text;
};

// The text a roster takes from a number cell: the number in the form's text ("24",
// "22.5"); TRUE and FALSE are 1 and 0.
std::string WorkbookNumberText(double number);

class WorkbookRecords {
 public:
  // Adds a row of the sheet, its cells in any order; false with why (Uzbek, to follow
  // "Ro'yxat o'qilmadi: "<file>" ") when the sheet holds more than a roster can.
  bool AddRow(int rowNumber, std::vector<WorkbookCell> cells, std::string& whyNot);
  std::vector<CsvRecord> Take() { return std::move(records_); }

 private:
  std::vector<CsvRecord> records_;
  std::size_t cellCount_ = 0;
};

}  // namespace soatnoma::roster_rules
