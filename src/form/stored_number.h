#pragma once
// Numbers as a workbook stores them, in a cell's value or a custom property: the one rule
// by which the desktop, the command line and the page take a saved report's numbers.

#include <optional>
#include <string_view>

namespace soatnoma {

// "4", "-97.5", "1E+20", ".5": an optional minus, digits with an optional point, an
// optional exponent, and a finite value. Nothing for any other text ("NaN", "INF",
// "Infinity", "1e400", "0x10", "abc", " 4", ""): a workbook holding one is refused.
std::optional<double> ReadStoredNumber(std::string_view text);

// A custom property's number: of the value types the program writes (r8 and i4, named
// without their "vt:" prefix), read as a stored number; nothing for any other type.
std::optional<double> ReadPropertyNumber(std::string_view valueType, std::string_view text);

}  // namespace soatnoma
