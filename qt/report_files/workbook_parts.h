#pragma once
// The parts of a workbook package that reading it needs, unpacked and handed to the shared
// reader (workbook_reading): the workbook's sheets and their entries, the shared texts of
// its cells and its custom document properties. A part that is missing, too large or no
// XML counts as damage.

#include <optional>
#include <string>
#include <vector>

#include "workbook_package/opened_report.h"
#include "report_files/xlsx_package.h"
#include "workbook_reading/package_parts.h"

namespace soatnoma::report_files {

// A part's text, or nullopt when it is missing, damaged or larger than any part the
// program reads.
std::optional<std::string> ReadWorkbookPart(const XlsxPackage& package, std::string_view entry);

// The workbook's sheets in its order, with the package entries that hold them; nullopt when
// the workbook does not say where they are.
std::optional<std::vector<workbook_reading::SheetEntry>> WorkbookSheets(const XlsxPackage& package);

// The package entry of the workbook's worksheets, in the workbook's order.
std::optional<std::vector<std::string>> WorksheetEntries(const XlsxPackage& package);

// The shared texts, by index (none when the workbook has no such part); nullopt when the
// part is damaged.
std::optional<std::vector<std::string>> SharedTexts(const XlsxPackage& package);

// The workbook's custom document properties; none when it has no such part or it is no XML.
std::vector<workbook_package::CustomProperty> CustomProperties(const XlsxPackage& package);

}  // namespace soatnoma::report_files
