#include "model/weekly_hours.h"

#include "model/number_text.h"
#include "model/typed_number.h"

namespace soatnoma {

std::optional<std::string> WeeklyHoursFromDays(std::span<const std::string_view> dayTexts) {
  double sum = 0;
  for (const std::string_view text : dayTexts) {
    if (DayIsNotANumber(text)) return std::nullopt;
    sum += ReadTypedNumber(text).value;
  }
  return NumberToText(sum);
}

bool DayIsNotANumber(std::string_view dayText) { return ReadTypedNumber(dayText).kind == TypedNumberKind::NotANumber; }

}  // namespace soatnoma
