#pragma once
// One record of a staff list as read from its file: a line of a CSV file or a row of a
// workbook's sheet, field by field.

#include <string>
#include <vector>

namespace soatnoma::roster_rules {

struct CsvRecord {
  int line = 0;  // the line of the file on which the record starts (the first line is 1;
                 // a line ends with LF, CRLF or a lone CR), or the row of the sheet
  std::vector<std::string> fields;
};

}  // namespace soatnoma::roster_rules
