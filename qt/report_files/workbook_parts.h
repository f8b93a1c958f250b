#pragma once
// The parts of a saved workbook package that reading a report back needs: which part
// holds its one worksheet, the shared texts of its cells and its custom document
// properties. A part that is missing or is no XML counts as damage.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "form/opened_report.h"
#include "report_files/xlsx_package.h"

namespace soatnoma {


// A workbook part parsed as XML; false when the part is missing, too large or no XML.
bool LoadWorkbookPart(const XlsxPackage& package, const std::string& entry, pugi::xml_document& document);

// The package entry of the workbook's worksheets, in the workbook's order; nullopt when the
// workbook does not say where they are.
std::optional<std::vector<std::string>> WorksheetEntries(const XlsxPackage& package);

// The shared texts, by index (none when the workbook has no such part); nullopt when the
// part is damaged.
std::optional<std::vector<std::string>> SharedTexts(const XlsxPackage& package);

// The text of a text element (<t>), with the codes of characters ("_x0009_" for a tab,
// "_x005F_" for an underscore) turned back into those characters.
std::string CellText(const pugi::xml_node& textElement);

// What a worksheet cell (<c>) holds as stored, a formula aside.
struct StoredValue {
  enum class Kind {
    Empty,    // no value: a formatted empty cell
    Text,     // a shared text, a text in the cell, or a formula's text result
    Number,   // a number; a boolean (TRUE 1, FALSE 0) too, with isBoolean
    Other,    // an error value ("#N/A") or a date written as text: its stored text
    Damaged,  // a reference to a missing shared text, or a number that is none
  };
  Kind kind = Kind::Empty;
  std::string text;  // of Text and Other; of Damaged, what is wrong ("yo'q matnga havola bor.")
  double number = 0;
  bool isBoolean = false;
};
StoredValue ReadStoredValue(const pugi::xml_node& cell, const std::vector<std::string>& sharedTexts);

// The workbook's custom document properties; none when it has no such part.
std::vector<CustomProperty> CustomProperties(const XlsxPackage& package);

}  // namespace soatnoma
