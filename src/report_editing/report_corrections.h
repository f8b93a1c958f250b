#pragma once
// A report as the teacher corrects it: the hours of C5:S20 that hold numbers can be
// changed, every total follows through the report's own formulas, and a copy of the hours
// as the program computed them tells which cells were corrected, what they were, and
// whether a row's year total still matches. Corrections are never refused for being odd:
// a fraction, a negative number or a changed year total is pointed out instead.

#include <optional>
#include <vector>

#include "model/cell_grid.h"
#include "report_sheet/report_sheet.h"
#include "workbook_package/workbook_notes.h"

namespace soatnoma::report_editing {

struct CellPlace {
  int row = 0;
  int column = 0;
  friend auto operator<=>(const CellPlace&, const CellPlace&) = default;
};

// What the checks point out at a cell.
struct CellFlags {
  bool notWhole = false;     // hours with a fraction
  bool negative = false;     // hours below zero
  bool yearDiffers = false;  // the row's year total (column S) is not the computed one
  bool Any() const { return notWhole || negative || yearDiffers; }
};

class ReportCorrections {
 public:
  // A report just computed: its hours are the computed ones.
  explicit ReportCorrections(report_sheet::ReportSheet& sheet);
  // A report opened again: the cells the notes name were corrected from those hours.
  ReportCorrections(report_sheet::ReportSheet& sheet, const workbook_package::WorkbookNotes& notes);

  // The program has changed the report itself (the rounding pass): what it holds now is
  // what the program computed.
  void TakeAsComputed();

  // A cell the program filled with hours; it stays one when the teacher empties it.
  bool IsEditable(CellPlace place) const;
  bool IsCorrected(CellPlace place) const;
  // A total of other cells (a quarter, the year, a sum of kinds of work).
  bool IsSum(CellPlace place) const;
  // An emptied cell counts 0 hours.
  double Hours(CellPlace place) const;
  // The hours the cell holds; none when the teacher emptied it.
  std::optional<double> Entry(CellPlace place) const;
  double ComputedHours(CellPlace place) const;
  // None empties the cell. Throws std::invalid_argument for a cell that cannot be corrected.
  void SetHours(CellPlace place, std::optional<double> hours);

  // Every cell that can be corrected, row by row.
  std::vector<CellPlace> EditableCells() const;
  std::vector<CellPlace> CorrectedCells() const;
  workbook_package::WorkbookNotes Notes() const;

  CellFlags FlagsAt(CellPlace place) const;
  // Every cell with a flag, row by row.
  std::vector<CellPlace> FlaggedCells() const;

  // The teacher's whole year (S5), now and as computed.
  double YearTotal() const;
  double ComputedYearTotal() const;
  // A row's year total as computed (column S).
  double ComputedYearOfRow(int row) const;

 private:
  report_sheet::ReportSheet& sheet_;
  CellGrid computed_;
};

}  // namespace soatnoma::report_editing
