#pragma once
// The records of a CSV text as a spreadsheet program exports them: UTF-8 with or without a
// byte-order mark, ",", ";" or tab between fields, quoted fields as in RFC 4180, CRLF or LF.

#include <string>
#include <string_view>
#include <vector>

namespace soatnoma::batch {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct CsvRecord {
  int line = 0;  // the line of the file on which the record starts (the first line is 1;
                 // a line ends with LF, CRLF or a lone CR)
  std::vector<std::string> fields;
};

// The separator is the one of ",", ";" and tab that the first line uses most often outside
// quotes (tab only when it is used more than both). Fields are taken exactly, blanks included; blank lines are skipped.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text);

}  // namespace soatnoma::batch
