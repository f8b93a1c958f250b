#pragma once
// A teacher's report saved back into the staff workbook it came from: the cells changed in
// the text of the sheet's part itself, each cell's element written anew and every other
// byte of the part left as it was (its declaration, its rows' formats, what other
// programs keep in it). A number replaces what the cell held; a formula's result is stored
// beside its formula, which is written first where the cell holds none (a sum pasted as a
// number); an emptied cell keeps its format and loses its value.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "staff_book/staff_workbook_file.h"

namespace soatnoma::workbook_reading {

// The part with the changes made; nullopt when it is no XML or a changed cell's row is
// missing (every row of the report's table and of the summary is written with its cells).
std::optional<std::string> SheetWithChanges(std::string_view sheet,
                                            const std::vector<staff_book::StoredCellChange>& changes);

}  // namespace soatnoma::workbook_reading
