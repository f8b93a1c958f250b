#pragma once
// The names of a workbook package's parts every edition writes and reads, and the types the
// package's lists give the custom properties (the program's mark and its notes).

#include <string>
#include <string_view>

namespace soatnoma::workbook_package {

inline constexpr std::string_view kWorkbookPart = "xl/workbook.xml";
inline constexpr std::string_view kWorkbookRelationsPart = "xl/_rels/workbook.xml.rels";
inline constexpr std::string_view kSharedTextsPart = "xl/sharedStrings.xml";
inline constexpr std::string_view kStylesPart = "xl/styles.xml";
inline constexpr std::string_view kContentTypesPart = "[Content_Types].xml";
inline constexpr std::string_view kPackageRelationsPart = "_rels/.rels";
inline constexpr std::string_view kCustomPropertiesPart = "docProps/custom.xml";
inline constexpr std::string_view kCustomPropertiesType =
    "application/vnd.openxmlformats-officedocument.custom-properties+xml";
inline constexpr std::string_view kCustomPropertiesRelation =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/custom-properties";

// The package part of the n-th worksheet (1 is the first): "xl/worksheets/sheet<n>.xml".
inline std::string WorksheetPart(int sheetNumber) {
  return "xl/worksheets/sheet" + std::to_string(sheetNumber) + ".xml";
}

}  // namespace soatnoma::workbook_package
