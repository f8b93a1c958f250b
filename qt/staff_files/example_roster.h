#pragma once
// The example staff list (roster_rules/example_roster.h) saved as a file: a workbook with
// a second sheet that explains the columns, or CSV as Excel saves it in Uzbek settings.

#include <string>

#include "report_files/save_result.h"
#include "roster_rules/example_roster.h"

namespace soatnoma::staff_files {

enum class ExampleRosterFormat { Xlsx, Csv };

// Writes the example whole or not at all (an earlier file at the path stays as it was).
report_files::SaveResult SaveExampleRoster(const std::string& path, ExampleRosterFormat format);

}  // namespace soatnoma::staff_files
