#pragma once
// Numbers as teachers type them into the form, and numbers as the form writes them back.

#include <string>
#include <string_view>

namespace soatnoma {

// Reads the number at the start of a text box's text, the way the form always has:
// blanks, tabs and line feeds are skipped wherever they stand; one optional sign; ASCII
// digits with "." as the decimal point; an exponent E/e counts only when a digit follows;
// &H and &O (either case) read an unsigned hexadecimal or octal whole number. Reading stops
// at the first character that cannot continue the number; a text without a number reads 0.
// Overflow reads as infinity, underflow as 0.
double ParseLeadingNumber(std::string_view text);

// The characters the form skips wherever they stand in a number: blanks, tabs, line feeds.
bool IsSkippedInNumbers(char c);

// The same parse, telling also whether the number took the whole text (blanks, tabs and
// line feeds aside): "24" and " 2 4" do, "24abc", "1e", "&H" and "abc" do not.
struct LeadingNumber {
  double value = 0;
  bool wholeText = false;
};
LeadingNumber ScanLeadingNumber(std::string_view text);

// The text form of a number in a text box or a working value: at most 15 significant
// digits, no trailing zeros, "." as the separator, minus zero as "0", and E notation with
// a sign and at least two exponent digits when the exponent is below -4 or at least 15
// ("1.33226762955019E-15", "1E+15").
std::string NumberToText(double value);
// A number as the teacher reads it on the screen, the list and the status line alike: the
// same text with the decimal comma Uzbek writing uses ("22,5", "-1,5", "1E+20").
std::string DecimalCommaText(double value);
// The same, into an existing string (a working value), reusing its storage; returns the
// number that the text reads back as (ReadWorkingValue of it).
double AssignNumberText(double value, std::string& text);

// The number that the text form of a value reads back as: the value rounded to 15
// significant digits. The same as ReadWorkingValue(NumberToText(value)), without the text.
double FifteenDigitValue(double value);

// The difference a - b of two numbers to the last digit their text forms show: below it
// neither number means anything, and the rest of binary arithmetic there is dropped. Two
// sums of fractions 39.25 apart differ by 39.25, never by 39.2499999999995 or
// 39.0000000000002, as a teacher subtracting the two shown totals expects.
double DifferenceOfShown(double a, double b);

// Reads a working value (tSoat, Kasr) back from its text form.
double ReadWorkingValue(std::string_view text);

// True when the text is a plain decimal number ("3", "-2.5"), which a sheet takes as
// that number when the text is entered into a cell. Sets *value then.
bool ReadsAsPlainNumber(std::string_view text, double* value);

}  // namespace soatnoma
