#include "report_editing/report_corrections.h"

#include <cmath>
#include <stdexcept>

#include "model/workload_table.h"

namespace soatnoma::report_editing {
namespace {

bool InHoursBlock(CellPlace place) {
  return place.row >= kFirstWorkRow && place.row <= kLastWorkRow && place.column >= col::C && place.column <= col::S;
}

// Sums of hours moved between months may pick up a trace of binary rounding; a year total
// that differs by less than this is the same total.
bool SameTotal(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b)); }

}  // namespace

ReportCorrections::ReportCorrections(report_sheet::ReportSheet& sheet) : sheet_(sheet), computed_(sheet.Cells()) {}

ReportCorrections::ReportCorrections(report_sheet::ReportSheet& sheet, const workbook_package::WorkbookNotes& notes)
    : ReportCorrections(sheet) {
  // A corrected cell holds hours, or nothing once the teacher emptied it; never a sum.
  for (const soatnoma::workbook_package::ComputedHours& cell : notes.computedOfCorrected) {
    const CellKind kind = sheet_.Cells().KindAt(cell.row, cell.column);
    if (InHoursBlock({cell.row, cell.column}) && (kind == CellKind::Number || kind == CellKind::Empty)) {
      computed_.SetNumber(cell.row, cell.column, cell.value);
    }
  }
}

void ReportCorrections::TakeAsComputed() { computed_ = sheet_.Cells(); }

bool ReportCorrections::IsEditable(CellPlace place) const {
  return InHoursBlock(place) && computed_.KindAt(place.row, place.column) == CellKind::Number;
}

bool ReportCorrections::IsCorrected(CellPlace place) const {
  return IsEditable(place) && Entry(place) != ComputedHours(place);
}

bool ReportCorrections::IsSum(CellPlace place) const {
  return InHoursBlock(place) && computed_.KindAt(place.row, place.column) == CellKind::Formula;
}

double ReportCorrections::Hours(CellPlace place) const { return sheet_.Cells().ReadNumber(place.row, place.column); }

std::optional<double> ReportCorrections::Entry(CellPlace place) const {
  if (sheet_.Cells().KindAt(place.row, place.column) != CellKind::Number) return std::nullopt;
  return Hours(place);
}

double ReportCorrections::ComputedHours(CellPlace place) const { return computed_.ReadNumber(place.row, place.column); }

void ReportCorrections::SetHours(CellPlace place, std::optional<double> hours) {
  if (!IsEditable(place)) throw std::invalid_argument("this cell of the report holds no hours to correct");
  if (hours) {
    sheet_.Cells().SetNumber(place.row, place.column, *hours);
  } else {
    sheet_.Cells().ClearCell(place.row, place.column);
  }
}

std::vector<CellPlace> ReportCorrections::EditableCells() const {
  std::vector<CellPlace> cells;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      if (IsEditable({row, column})) cells.push_back({row, column});
    }
  }
  return cells;
}

std::vector<CellPlace> ReportCorrections::CorrectedCells() const {
  std::vector<CellPlace> cells;
  for (const CellPlace place : EditableCells()) {
    if (IsCorrected(place)) cells.push_back(place);
  }
  return cells;
}

workbook_package::WorkbookNotes ReportCorrections::Notes() const {
  workbook_package::WorkbookNotes notes;
  for (const CellPlace place : CorrectedCells()) {
    notes.computedOfCorrected.push_back({place.row, place.column, ComputedHours(place)});
  }
  return notes;
}

CellFlags ReportCorrections::FlagsAt(CellPlace place) const {
  CellFlags flags;
  if (IsEditable(place)) {
    const double hours = Hours(place);
    flags.notWhole = hours != std::floor(hours);
    flags.negative = hours < 0;
  }
  if (place.column == col::S && InHoursBlock(place)) {
    flags.yearDiffers = !SameTotal(sheet_.Cells().ReadNumber(place.row, col::S), ComputedYearOfRow(place.row));
  }
  return flags;
}

std::vector<CellPlace> ReportCorrections::FlaggedCells() const {
  std::vector<CellPlace> cells;
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    for (int column = col::C; column <= col::S; ++column) {
      if (FlagsAt({row, column}).Any()) cells.push_back({row, column});
    }
  }
  return cells;
}

double ReportCorrections::YearTotal() const { return sheet_.Cells().ReadNumber(kFirstWorkRow, col::S); }
double ReportCorrections::ComputedYearTotal() const { return computed_.ReadNumber(kFirstWorkRow, col::S); }
double ReportCorrections::ComputedYearOfRow(int row) const { return computed_.ReadNumber(row, col::S); }

}  // namespace soatnoma::report_editing
