#pragma once
// Saves a report sheet as a one-page PDF (A4 landscape as the page setup says), drawn by
// the report renderer with its fonts embedded. Needs a QGuiApplication.

#include <string>

#include "report_sheet/report_sheet.h"
#include "report_files/save_result.h"

namespace soatnoma::report_files {

SaveResult SavePdf(const report_sheet::ReportSheet& sheet, const std::string& path);

}  // namespace soatnoma::report_files
