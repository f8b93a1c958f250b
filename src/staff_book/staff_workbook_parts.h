#pragma once
// What saving a teacher back into a staff workbook writes as text into the package's parts,
// the same in every edition: a number as a worksheet stores it, and the part of the
// workbook's custom properties (the mark and the notes of the corrections).

#include <string>
#include <string_view>
#include <vector>

#include "form/opened_report.h"

namespace soatnoma::batch {

// The custom properties' part and where the package lists it.
inline constexpr std::string_view kCustomPropertiesPart = "docProps/custom.xml";
inline constexpr std::string_view kCustomPropertiesType = "application/vnd.openxmlformats-officedocument.custom-properties+xml";
inline constexpr std::string_view kCustomPropertiesRelation =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/custom-properties";

// The shortest text that reads back as the same number ("12", "2.5", "1858"); never "-0".
std::string StoredNumberText(double value);

// The whole part docProps/custom.xml holding these properties in their order.
std::string CustomPropertiesXml(const std::vector<CustomProperty>& properties);

}  // namespace soatnoma::batch
