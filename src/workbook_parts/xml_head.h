#pragma once
// What every part of a workbook's package begins with, the names its XML is written in, and
// the way a part is written: piece by piece onto its text, without a text in between.

#include <initializer_list>
#include <string>
#include <string_view>

namespace soatnoma::workbook_parts {

inline constexpr std::string_view kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
inline constexpr std::string_view kSpreadsheetNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr std::string_view kRelationsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr std::string_view kPackageRelationsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

void Append(std::string& xml, std::initializer_list<std::string_view> pieces);

// A whole number's digits.
std::string Digits(long long number);

}  // namespace soatnoma::workbook_parts
