#pragma once
// A workbook the page read from a file ("Ochish", or a report kept in the browser's storage)
// judged and rebuilt as the desktop opens one. The page hands over what it read as a plain
// object; whatever in it is not of the expected shape is refused as damage, never trusted.

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "workbook_package/opened_report.h"
#include "model/cell_grid.h"

namespace soatnoma::module {

// workbook: {problem (of the package, as the page found it: notWorkbook, damagedPart,
// unreadableSheet) or properties: [{name, text | number}], worksheets: count, cells: [{row,
// column, kind, value, text, formula}]}.
// Of a teacher's sheet of a staff workbook also staffSheet, sheetNames and summaryCells
// (staff_workbook_reading.h).
workbook_package::OpenOutcome OpenReadWorkbook(const std::string& fileName, const emscripten::val& workbook);

// Why a package the page could not read is refused (problem as the page found it); nothing
// when it found none.
std::optional<workbook_package::OpenRefusal> PackageRefusal(const std::string& fileName, const std::string& problem);
// A number as the workbook stores it (item[textKey]), to be read by the desktop's rule. A
// report kept by an earlier page holds the number itself (item[numberKey]), given back here
// as JavaScript writes it.
std::string StoredTextOf(const emscripten::val& item, const char* textKey, const char* numberKey);
// The workbook's custom properties as the page read them; what is no property is passed over.
std::vector<workbook_package::CustomProperty> ReadProperties(const emscripten::val& list);
// A sheet's cells into the report's grid; the reason when one is not what the report holds.
std::optional<std::string> ReadSheetCells(const emscripten::val& list, CellGrid& cells);

}  // namespace soatnoma::module
