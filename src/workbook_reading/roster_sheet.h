#pragma once
// A staff list kept as a workbook: its first worksheet's rows made into the records of a
// roster, the same header row on top as in a CSV file. A text cell gives its text, a number
// cell its number in the form's text ("24", "22.5"), TRUE and FALSE "1" and "0"; a row or
// cell without its address follows the one before it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "roster_rules/csv_record.h"

namespace soatnoma::workbook_reading {

// The records, or nullopt with why the sheet cannot be read (Uzbek, to follow "Ro'yxat
// o'qilmadi: "<file>" ").
std::optional<std::vector<roster_rules::CsvRecord>> RosterRecords(std::string_view sheet,
                                                                  const std::vector<std::string>& sharedTexts,
                                                                  std::string& whyNot);

// Why a workbook whose first sheet cannot be found or read is no staff list.
inline constexpr std::string_view kUnreadableFirstSheet = "ish kitobi buzilgan (birinchi varag'ini o'qib bo'lmadi).";

}  // namespace soatnoma::workbook_reading
