#pragma once
// A staff list to start from: the roster's header row and a few teachers that show how
// each column is filled (weekly hours typed, or the lesson hours of each day added up; a
// class leader; a primary-class teacher with the rate of the category). As a workbook it
// carries a second sheet that explains the columns; as CSV it is what Excel saves in
// Uzbek settings (UTF-8 with a byte-order mark, ";" between fields, a decimal comma, CRLF).

#include <string>

#include "report_files/save_result.h"

namespace soatnoma::batch {

enum class ExampleRosterFormat { Xlsx, Csv };

// Writes the example whole or not at all (an earlier file at the path stays as it was).
SaveResult SaveExampleRoster(const std::string& path, ExampleRosterFormat format);

// The CSV text of the example.
std::string ExampleRosterCsv();

}  // namespace soatnoma::batch
