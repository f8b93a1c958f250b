#pragma once
// Doubles to and from decimal text, exact and independent of the locale. The standard
// library's conversions where it has them; where it lacks them (the browser build's
// library), C's, which give the same results byte for byte.

#include <string>
#include <string_view>

namespace soatnoma {

// The shortest text that reads back as the same double, in fixed or E notation, whichever
// is shorter (fixed on a tie): "0.1", "1e-05", "1e+15", "123.5".
std::string ShortestRoundTripText(double value);

// "%.15g" of a finite or infinite double, with a lower-case "e".
std::string FifteenSignificantDigits(double value);
// "%.*g" of a finite or infinite double with the digits given, lower-case "e".
std::string SignificantDigits(double value, int digits);
// "%.*e": the first digit, the point and the digits given after it, "e" and the exponent.
std::string ScientificDigits(double value, int digitsAfterPoint);

// Reads digits with an optional "." and an optional exponent ("12.5", "3e-400"), correctly
// rounded. A value too large or too small for a double is reported out of range.
struct DecimalRead {
  double value = 0;
  bool outOfRange = false;
};
DecimalRead ReadDecimal(std::string_view number);

namespace detail {
// The C library's paths, also built where the standard library has its own, to be
// compared with it.
std::string CShortestRoundTripText(double value);
std::string CFifteenSignificantDigits(double value);
std::string CSignificantDigits(double value, int digits);
std::string CScientificDigits(double value, int digitsAfterPoint);
DecimalRead CReadDecimal(std::string_view number);
}  // namespace detail

}  // namespace soatnoma
