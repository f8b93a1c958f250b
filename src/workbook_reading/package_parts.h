#pragma once
// What the parts of a workbook's package say of the workbook as a whole: its sheets and
// the package entries that hold them, the texts its cells share, and its custom document
// properties (where the program keeps its mark and the notes of corrections). Each takes
// a part's text as unpacked; a part that is not XML is said as such (nullopt).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook_package/opened_report.h"

namespace soatnoma::workbook_reading {

struct SheetEntry {
  std::string name;   // as the workbook names the sheet
  std::string entry;  // the package entry that holds it ("xl/worksheets/sheet1.xml")
};

// The workbook's sheets in its order; nullopt when either part is no XML or a sheet's
// relationship is missing. A relationship's target is relative to "xl/", or from the
// package's root when it starts with "/" (as some programs write it back).
std::optional<std::vector<SheetEntry>> WorkbookSheets(std::string_view workbook, std::string_view relationships);

// The shared texts by index, each its plain text or its runs' texts one after the other,
// with the workbook's codes of characters ("_x0009_") read back.
std::optional<std::vector<std::string>> SharedTexts(std::string_view part);

// A custom document property as stored: its value's type (the local name of its first
// value's element: "lpwstr", "r8") and that value's text.
struct StoredProperty {
  std::string name;
  std::string type;
  std::string value;
};
std::optional<std::vector<StoredProperty>> StoredProperties(std::string_view part);

// The property as the program reads it.
workbook_package::CustomProperty PropertyOf(const StoredProperty& stored);

// The custom document properties: a text of vt:lpwstr, a number of the types the program
// writes (read by the stored number rule), whatever prefix their elements carry.
std::optional<std::vector<workbook_package::CustomProperty>> CustomProperties(std::string_view part);

}  // namespace soatnoma::workbook_reading
