#pragma once
// A staff list file's bytes made into the text its records are split from, whichever way
// a spreadsheet program saved it, and the separator that stands between its fields. The
// desktop and the browser split the records each with their own CSV reader, from this
// same text and separator.

#include <string>
#include <string_view>

namespace soatnoma::roster_rules {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct RosterText {
  // UTF-8 without a byte-order mark; a file that is neither UTF-8 nor Windows-1251 is
  // kept byte for byte, and its rows that are not UTF-8 are refused later.
  std::string text;
  char separator = ',';
  bool readAsWindows1251 = false;
};

// UTF-16 with its byte-order mark (Excel's "Unicode text"), or without it as other
// programs save it (told by its NUL bytes), is made UTF-8; a file that is
// not UTF-8, does not begin with UTF-8's byte-order mark and has a character for every
// byte in Windows-1251 (Excel's "CSV" in Uzbek and Russian settings) is read in that code
// page; UTF-8's byte-order mark is dropped.
RosterText DecodeRosterText(std::string_view fileContents);

// The separator of the row of headings: the first line that, split at one of ",", ";" and
// tab, names the "ism" column, so that a title above it (with or without a spreadsheet's
// padding of separators) does not decide. Without such a line, the one of them that the
// first line holding any uses most often outside quotes (tab only when it is used more than
// both; "," when none is).
char DetectSeparator(std::string_view text);

}  // namespace soatnoma::roster_rules
