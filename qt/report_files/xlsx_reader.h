#pragma once
// Opens a report workbook that this program saved, so that a report can be corrected
// later: the report sheet with every number, text and sum formula as saved (the frame,
// formats and page are the report form's own) and the notes of its corrections. Anything
// else is refused with a message for the teacher: a file that is missing or unreadable,
// no workbook or a damaged one, a workbook this program did not write, or one whose form
// was changed elsewhere. Reading changes nothing, on disk or in the program.

#include <string>
#include <variant>

#include "workbook_package/opened_report.h"
#include "report_files/xlsx_package.h"

namespace soatnoma::report_files {

workbook_package::OpenOutcome OpenXlsx(const std::string& path);

// The package of a file about to be read as a workbook, once it is known to be a plain,
// readable file and its listing is weighed; otherwise the refusal OpenXlsx gives. Nothing
// of the package is unpacked yet.
std::variant<workbook_package::OpenRefusal, XlsxPackage> OpenWeighedPackage(const std::string& path);

// The report a weighed package holds, or the refusal OpenXlsx gives; fileName names it.
workbook_package::OpenOutcome ReadReportPackage(const std::string& fileName, const XlsxPackage& package);

}  // namespace soatnoma::report_files
