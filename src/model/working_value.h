#pragma once
// A text-valued working value of the calculation (tSoat, Kasr). Its text is the value of
// record, as the form has always held it: a number passing through it is rounded to 15
// significant digits. The number the text reads back as is kept beside it, and the text of
// a number is written out only when someone looks at it, so the carry chain does not
// format and read the same text again and again.

#include <string>
#include <string_view>

namespace soatnoma {

class WorkingValue {
 public:
  WorkingValue() = default;

  // Holds a text as given; its number is read with the working-value read-back.
  void SetText(std::string_view text);
  // Holds the text form of a number, and the number that text reads back as.
  void SetNumber(double value);

  const std::string& Text() const;
  double Number() const { return number_; }

 private:
  mutable std::string text_ = "0";
  mutable bool textWritten_ = true;
  double value_ = 0;   // the number last set, whose text form is held
  double number_ = 0;  // what that text reads back as
};

}  // namespace soatnoma
