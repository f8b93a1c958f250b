#include "model/working_value.h"

#include "model/number_text.h"

namespace soatnoma {

void WorkingValue::SetText(std::string_view text) {
  text_.assign(text);
  textWritten_ = true;
  number_ = ReadWorkingValue(text_);
}

void WorkingValue::SetNumber(double value) {
  value_ = value;
  number_ = FifteenDigitValue(value);
  textWritten_ = false;
}

const std::string& WorkingValue::Text() const {
  if (!textWritten_) {
    AssignNumberText(value_, text_);
    textWritten_ = true;
  }
  return text_;
}

}  // namespace soatnoma
