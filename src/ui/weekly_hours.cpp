#include "ui/weekly_hours.h"

#include "model/number_text.h"

namespace soatnoma::ui {

std::string WeeklyHoursFromDays(std::span<const std::string> dayTexts) {
  double sum = 0;
  for (const std::string& text : dayTexts) sum += ParseLeadingNumber(text);
  return NumberToText(sum);
}

}  // namespace soatnoma::ui
