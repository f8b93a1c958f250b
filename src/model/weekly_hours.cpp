#include "model/weekly_hours.h"

#include "model/number_text.h"

namespace soatnoma {

std::string WeeklyHoursFromDays(std::span<const std::string_view> dayTexts) {
  double sum = 0;
  for (const std::string_view text : dayTexts) sum += ParseLeadingNumber(text);
  return NumberToText(sum);
}

}  // namespace soatnoma
