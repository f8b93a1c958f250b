#pragma once
// What every part of a workbook's package begins with and the names its XML is written in.

#include <string_view>

namespace soatnoma::workbook_parts {

inline constexpr std::string_view kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
inline constexpr std::string_view kSpreadsheetNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr std::string_view kRelationsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr std::string_view kPackageRelationsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

}  // namespace soatnoma::workbook_parts
