#include "model/working_value.h"

#include "model/number_text.h"

namespace soatnoma {

void WorkingValue::SetText(std::string_view text) {
  text_.assign(text);
  number_ = ReadWorkingValue(text_);
}

void WorkingValue::SetNumber(double value) { number_ = AssignNumberText(value, text_); }

}  // namespace soatnoma
