#pragma once
// A staff list kept as a workbook (.xlsx): its first worksheet read as the records of a
// roster, the same header row on top as in a CSV file. A record is a row of the sheet that
// holds some text, its line the row's number; a text cell gives its text, a number cell
// its number in the form's text ("24", "22.5"), TRUE and FALSE "1" and "0".

#include <optional>
#include <string>
#include <vector>

#include "roster_rules/csv_record.h"
#include "roster_rules/workbook_records.h"

namespace soatnoma::staff_files {

// The records of the workbook at the path, or nullopt with why it cannot be read (Uzbek,
// to follow "Ro'yxat o'qilmadi: "<path>" ").
std::optional<std::vector<roster_rules::CsvRecord>> ReadWorkbookRecords(const std::string& path, std::string& whyNot);

}  // namespace soatnoma::staff_files
