#pragma once
// The example staff list (roster_rules/example_roster.h) as a workbook's parts, for every
// edition alike: the teachers' sheet with its bold heading row kept in view, then the notes
// on the columns, each printed on A4 landscape a page wide, in a spreadsheet's usual font.

#include "workbook_parts/package_part.h"

namespace soatnoma::workbook_parts {

PackageParts ExampleRosterParts();

}  // namespace soatnoma::workbook_parts
