#pragma once
// The report's table as a reader of the screen walks it: row 4's headings over the columns,
// each row's kind of work heading its row, and every cell named by its month, its row and
// what it shows, with why a correction marks it; the headings, the totals and the section
// numbers can only be read. One description for the page's grid and its spoken changes.

#include <string>
#include <string_view>
#include <vector>

#include "report_editing/report_corrections.h"
#include "report_sheet/report_sheet.h"

namespace soatnoma::screen_view {

// What the table is called to a reader of the screen.
inline constexpr std::string_view kReportGridName = "Yillik taqsimot jadvali";
// What an empty cell is said to hold.
inline constexpr std::string_view kEmptyCellWord = "bo'sh";

enum class GridCellRole { ColumnHeading, RowHeading, Cell };

struct GridCell {
  int row = 0;
  int column = 0;
  GridCellRole role = GridCellRole::Cell;
  std::string name;
  bool readOnly = true;
};

// Rows 4 to 20, each of columns A to S, row by row.
std::vector<std::vector<GridCell>> ReportGridRows(const report_sheet::ReportSheet& sheet,
                                                  const report_editing::ReportCorrections& corrections);

// "Oktabr, Dars soatlari: 12": a cell of hours named for a reader of the screen, followed by
// its mark's note when a correction or a check marks it.
std::string SpokenCellName(const report_sheet::ReportSheet& sheet, const report_editing::ReportCorrections& corrections,
                           report_editing::CellPlace place);

}  // namespace soatnoma::screen_view
