#include "model/weekly_hours.h"

#include "model/number_text.h"
#include "model/typed_number.h"

namespace soatnoma {

std::optional<std::string> WeeklyHoursFromDays(std::span<const std::string_view> dayTexts) {
  double sum = 0;
  for (const std::string_view text : dayTexts) {
    const TypedNumber day = ReadTypedNumber(text);
    if (day.kind == TypedNumberKind::NotANumber) return std::nullopt;
    sum += day.value;
  }
  return NumberToText(sum);
}

}  // namespace soatnoma
