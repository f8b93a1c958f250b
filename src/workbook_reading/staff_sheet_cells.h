#pragma once
// The cells of a staff workbook's sheet as stored, for what the staff workbook's rules read
// of them: the summary's teachers and totals, and the corrected cells of a teacher's sheet.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "staff_book/staff_teachers.h"

namespace soatnoma::workbook_reading {

// Every cell of the sheet, its text (a formula's text result too), its number (a formula's
// stored result too) and its formula; nullopt when the part is no XML or a cell's address is
// none.
std::optional<std::vector<staff_book::StoredSheetCell>> StaffSheetCells(std::string_view sheet,
                                                                        const std::vector<std::string>& sharedTexts);

}  // namespace soatnoma::workbook_reading
