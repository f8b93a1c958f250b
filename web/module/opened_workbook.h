#pragma once
// A workbook the page read from a file ("Ochish", or a report kept in the browser's storage)
// judged and rebuilt as the desktop opens one. The page hands over what it read as a plain
// object; whatever in it is not of the expected shape is refused as damage, never trusted.

#include <emscripten/val.h>

#include <string>

#include "form/opened_report.h"

namespace soatnoma::web {

// workbook: {problem (of the package, as the page found it: notWorkbook, damagedPart,
// unreadableSheet) or properties: [{name, text | number}], worksheets: count, cells: [{row,
// column, kind, value, text, formula}]}.
OpenOutcome OpenReadWorkbook(const std::string& fileName, const emscripten::val& workbook);

}  // namespace soatnoma::web
