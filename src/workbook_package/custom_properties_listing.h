#pragma once
// A workbook written back with notes it did not carry before (a staff workbook whose
// teacher is corrected for the first time): its package's lists then name the custom
// properties' part (workbook_notes.h), the same way in every edition.

#include <optional>
#include <string>
#include <string_view>

namespace soatnoma::workbook_package {

// [Content_Types].xml and _rels/.rels naming the part; nothing when the list has no end.
std::optional<std::string> WithCustomPropertiesType(std::string_view contentTypes);
std::optional<std::string> WithCustomPropertiesRelation(std::string_view relations);

}  // namespace soatnoma::workbook_package
