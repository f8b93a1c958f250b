#pragma once
// The workload table of the report: sheet rows 4 to 20 by columns A to S. Row 4 holds the
// headings, column A the section numbers, column B the kinds of work, C5:S20 the hours by
// month, by quarter and for the year.

#include <array>
#include <string_view>

#include "model/cell_grid.h"
#include "model/relative_formula.h"

namespace soatnoma {

// The title of the year's total of all work: the table's own row, the staff list's column
// and the summary's.
inline constexpr const char* kAnnualWorkloadTitle = "Yillik umumiy ish yuklamasi";
// Leading a class, as the form's box and the summary's column name it.
inline constexpr const char* kClassLeadershipTitle = "Sinf rahbarligi";

// Sheet columns by their letters.
namespace col {
enum : int { A = 1, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S };
}

inline constexpr int kHeadingRow = 4;
inline constexpr int kFirstWorkRow = 5;
inline constexpr int kLastWorkRow = 20;
inline constexpr int kLastColumn = col::S;

// The eleven month columns that can hold work, in school-year order (July, P, never does).
inline constexpr std::array<int, 11> kWorkMonthColumns = {col::C, col::D, col::E, col::G, col::H, col::I,
                                                          col::K, col::L, col::M, col::O, col::Q};

// A single sheet cell, written by its name where data tables need one: CellRef("K8").
struct CellRef {
  int row = 0;
  int column = 0;
  consteval CellRef(const char* name) {  // NOLINT: implicit on purpose, for data tables
    int i = 0;
    column = 0;
    while (name[i] >= 'A' && name[i] <= 'Z') column = column * 26 + (name[i++] - 'A' + 1);
    row = 0;
    while (name[i] >= '0' && name[i] <= '9') row = row * 10 + (name[i++] - '0');
    if (name[i] != '\0' || row == 0 || column == 0) throw "not a cell name";
  }
  constexpr CellRef(int row_, int column_) : row(row_), column(column_) {}
};

// The sum formulas of the table, as they are written into the sheet.
namespace formulas {
inline constexpr RelativeFormula kRow5 = FormulaText("=R[1]C+R[3]C");  // rows 6 + 8
inline constexpr RelativeFormula kRow6 = FormulaText("=R[3]C+R[4]C+R[5]C+R[6]C+R[7]C+R[11]C");
inline constexpr RelativeFormula kRow7 = FormulaText("=R[1]C+R[2]C+R[3]C+R[4]C+R[5]C");
inline constexpr RelativeFormula kSection = FormulaText("=R[1]C+R[2]C+R[3]C");  // rows 13, 17
inline constexpr RelativeFormula kQuarter = FormulaText("=RC[-3]+RC[-2]+RC[-1]");
inline constexpr RelativeFormula kYear = FormulaText("=RC[-13]+RC[-9]+RC[-5]+RC[-1]");

// The total formula of a total row (5, 6, 7, 13, 17) in a month column.
const RelativeFormula& ForMonthTotalRow(int row);
}  // namespace formulas

// The headings of row 4, columns A to S.
std::string_view ColumnHeading(int column);
// The kind of work of a row 5..20 (column B) and its section number (column A, or empty).
std::string_view RowTitle(int row);
// The kind of work in a few words ("Dars soatlari"), where the whole title does not fit.
std::string_view RowShortTitle(int row);
std::string_view SectionNumber(int row);

// Writes row 4, the section numbers and the row titles into a sheet or table.
void WriteTableHeadings(CellGrid& sheet);

// The workload table on its own: rows 4 to 20, columns A to S.
class WorkloadTable : public CellGrid {
 public:
  WorkloadTable() : CellGrid(kHeadingRow, kLastWorkRow, kLastColumn) {}
};

}  // namespace soatnoma
