#pragma once
// Cell text as a workbook part stores it. The format writes a character XML cannot carry
// as "_xHHHH_" (its code in hexadecimal), so text that merely looks like such a code has
// its underscore written as "_x005F_": "Ali _x0000_" is stored "Ali _x005F_x0000_" and
// read back exactly. A control character other than a tab or a line end is written as its
// code too ("12\r\nA" as "12_x000D_\nA"), as a spreadsheet program writes it.

#include <string>
#include <string_view>

namespace soatnoma::workbook_package {

// The text with every "_xHHHH_" in it kept from being read as a code, and its control
// characters as codes.
std::string EscapedForWorkbook(std::string_view text);

// The stored text with each "_xHHHH_" turned back into its character (UTF-8).
std::string UnescapedFromWorkbook(std::string_view stored);

}  // namespace soatnoma::workbook_package
