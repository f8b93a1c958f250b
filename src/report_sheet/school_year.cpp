#include "report_sheet/school_year.h"

#include <charconv>

namespace soatnoma::report_sheet {
namespace {

// How many school years the choice offers on either side of the default one.
constexpr int kOfferedAround = 1;
// A kept text is a year of four digits.
constexpr int kFirstKeptYear = 1000;
constexpr int kLastKeptYear = 9998;

}  // namespace

int DefaultSchoolYear(int todayYear) { return todayYear; }

std::vector<int> OfferedSchoolYears(int todayYear) {
  std::vector<int> years;
  const int around = DefaultSchoolYear(todayYear);
  for (int year = around - kOfferedAround; year <= around + kOfferedAround; ++year) years.push_back(year);
  return years;
}

int ChosenSchoolYear(int todayYear, std::optional<int> kept) {
  if (kept) {
    for (const int offered : OfferedSchoolYears(todayYear)) {
      if (offered == *kept) return offered;
    }
  }
  return DefaultSchoolYear(todayYear);
}

std::string SchoolYearText(int firstYear) { return std::to_string(firstYear) + "/" + std::to_string(firstYear + 1); }

std::optional<int> ReadKeptSchoolYear(std::string_view text) {
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (year < kFirstKeptYear || year > kLastKeptYear) return std::nullopt;
  return year;
}

}  // namespace soatnoma::report_sheet
