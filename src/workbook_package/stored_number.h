#pragma once
// Numbers as a workbook stores them, in a cell's value or a custom property: the one rule
// by which the desktop, the command line and the page take a saved report's numbers.

#include <optional>
#include <string>
#include <string_view>

namespace soatnoma::workbook_package {

// "4", "-97.5", "1E+20", ".5": an optional minus, digits with an optional point, an
// optional exponent, and a finite value. Nothing for any other text ("NaN", "INF",
// "Infinity", "1e400", "0x10", "abc", " 4", ""): a workbook holding one is refused.
std::optional<double> ReadStoredNumber(std::string_view text);

// The text a workbook stores for a number, in a cell's value, a formula's result or a
// custom property, in every edition alike: 16 significant digits, the point, no trailing
// zeros, an upper-case E with a sign and at least two digits ("108.1666666666667",
// "-97.5", "1E+20"): what the desktop's workbook library writes ("%.16G"). A value that is
// no finite number is stored as 0, as the desktop stores a formula's result it cannot hold.
std::string StoredNumberText(double value);

// A custom property's number: of the value types the program writes (r8 and i4, named
// without their "vt:" prefix), read as a stored number; nothing for any other type.
std::optional<double> ReadPropertyNumber(std::string_view valueType, std::string_view text);

}  // namespace soatnoma::workbook_package
