#pragma once
// The records of a CSV text as a spreadsheet program exports them: ",", ";" or tab between
// fields, quoted fields as in RFC 4180, lines ending with LF, CRLF or a lone CR.

#include <string_view>
#include <vector>

#include "roster_rules/csv_record.h"
#include "roster_rules/roster_text.h"

namespace soatnoma::roster_rules {

// Fields are taken exactly, blanks included; blank lines are skipped. A quote that does
// not close its field where a separator or a line end follows is kept as text, and a field
// whose quote never closes runs to the end of the text.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text, char separator);

// The same for a text as saved, with or without UTF-8's byte-order mark, its separator
// told by DetectSeparator.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text);

}  // namespace soatnoma::roster_rules
