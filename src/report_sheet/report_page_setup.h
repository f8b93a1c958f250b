#pragma once
// The page of the report form: A4 landscape, 1 cm at the sides, nothing above and below,
// no header or footer texts, no gridlines or headings, printed at 100 percent.

#include "report_sheet/page_setup.h"

namespace soatnoma::report_sheet {

// Sets every print setting of the form, in the order a host is asked for them.
void ApplyReportPageSetup(PageSetup& page);

}  // namespace soatnoma::report_sheet
