#include "screen_view/recovery_texts.h"

#include "model/utf8_text.h"

namespace soatnoma::screen_view {
namespace {

// The number with at least `width` digits, zeros in front: "07".
std::string Padded(int number, std::size_t width) {
  std::string digits = std::to_string(number < 0 ? -number : number);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return number < 0 ? "-" + digits : digits;
}

}  // namespace

std::string MinuteText(const LocalMinute& at) {
  return Padded(at.day, 2) + "." + Padded(at.month, 2) + "." + Padded(at.year, 4) + " " + Padded(at.hour, 2) + ":" +
         Padded(at.minute, 2);
}

std::string KeptReportDescription(const KeptReportFacts& facts) {
  const std::string_view name = TrimmedBlanks(facts.teacherName);
  std::string text = name.empty() ? std::string("Nomsiz hisobot") : std::string(name);
  if (facts.calendarYear > 0) {
    text += ", " + std::to_string(facts.calendarYear) + "/" + std::to_string(facts.calendarYear + 1) + " o'quv yili";
  }
  if (!facts.fileName.empty() && facts.sheetName.empty()) text += " (" + facts.fileName + ")";
  if (!facts.sheetName.empty()) text += " (" + facts.fileName + ", \"" + facts.sheetName + "\" varag'i)";
  if (facts.keptAt) text += ", " + MinuteText(*facts.keptAt);
  return text;
}

std::string LeftUnsavedHeading(std::size_t count) {
  return "Oldingi safardan " + std::to_string(count) + " ta hisobot saqlab qo'yilgan:";
}

}  // namespace soatnoma::screen_view
