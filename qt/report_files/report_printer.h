#pragma once
// Prints a report sheet on one page with the page setup of the sheet (paper, orientation),
// drawn by the report renderer. The caller chooses and configures the printer.

#include <QPrinter>

#include "report_sheet/report_sheet.h"

namespace soatnoma::report_files {

// Sets the printer's paper and orientation from the sheet, then prints. False when the
// printer could not be started.
bool PrintReport(const report_sheet::ReportSheet& sheet, QPrinter& printer);

}  // namespace soatnoma::report_files
