#pragma once
// The summary "Jami" of a staff workbook printed as the workbook holds it, rather than as
// the staff list would make it anew: each teacher's row read back from the cells the summary
// stores (its texts and numbers, and the yearly total's stored result, so that a correction
// saved into the workbook is in it), under the title it stores, laid out as every summary is.

#include <vector>

#include "staff_book/staff_summary.h"
#include "staff_book/staff_workbook_file.h"

namespace soatnoma::staff_book {

// teachers: as StaffTeachers lists them from the same cells.
SummarySheet StoredSummary(const std::vector<StoredSheetCell>& summaryCells,
                           const std::vector<StaffTeacherSheet>& teachers);

}  // namespace soatnoma::staff_book
