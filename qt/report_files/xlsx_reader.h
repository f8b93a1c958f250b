#pragma once
// Opens a report workbook that this program saved, so that a report can be corrected
// later: the report sheet with every number, text and sum formula as saved (the frame,
// formats and page are the report form's own) and the notes of its corrections. Anything
// else is refused with a message for the teacher: a file that is missing or unreadable,
// no workbook or a damaged one, a workbook this program did not write, or one whose form
// was changed elsewhere. Reading changes nothing, on disk or in the program.

#include <string>

#include "form/opened_report.h"

namespace soatnoma {


OpenOutcome OpenXlsx(const std::string& path);

}  // namespace soatnoma
