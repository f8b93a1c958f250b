#pragma once
// A teacher's sheet of a staff workbook corrected as the report window corrects it: C8
// given the computed hours and some more, and the workbook saved back.

#include <optional>
#include <string>
#include <variant>

#include "report_editing/report_corrections.h"
#include "model/workload_table.h"
#include "staff_files/staff_document.h"

namespace soatnoma::staff_files::testing {

inline constexpr report_editing::CellPlace kCorrectedCell{8, col::C};

// The computed hours of C8; none when the sheet could not be opened or saved back.
inline std::optional<double> CorrectStaffSheet(const std::string& path, const std::string& sheet, double more) {
  workbook_package::OpenOutcome outcome = staff_files::OpenStaffSheet(path, sheet);
  auto* opened = std::get_if<workbook_package::OpenedReport>(&outcome);
  if (opened == nullptr) return std::nullopt;
  report_editing::ReportCorrections corrections(opened->sheet, opened->notes);
  const double computed = corrections.ComputedHours(kCorrectedCell);
  corrections.SetHours(kCorrectedCell, computed + more);
  if (!staff_files::SaveStaffSheet(path, sheet, opened->sheet, corrections.Notes()).ok) return std::nullopt;
  return computed;
}

}  // namespace soatnoma::staff_files::testing
