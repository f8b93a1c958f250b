#pragma once
// Puts the program's mark and a report's notes into a workbook being written, as custom
// document properties, so that the program knows the workbook again when it is opened.

#include <xlsxwriter.h>

#include "form/workbook_notes.h"

namespace soatnoma {

lxw_error WriteWorkbookNotes(lxw_workbook* workbook, const WorkbookNotes& notes);

}  // namespace soatnoma
