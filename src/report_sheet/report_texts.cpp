#include "report_sheet/report_texts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "model/form_text.h"

namespace soatnoma::report_sheet {

namespace {

bool EndsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  const std::string_view end = text.substr(text.size() - word.size());
  return std::equal(end.begin(), end.end(), word.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
  });
}

std::string_view WithoutTrailing(std::string_view text, std::string_view characters) {
  const auto last = text.find_last_not_of(characters);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

std::string SchoolNumberText(std::string_view school) {
  constexpr std::string_view kBlanks = " \t";
  std::string_view text = WithoutTrailing(school, kBlanks);
  if (!EndsWithWord(text, "maktab")) return std::string(school);
  text = WithoutTrailing(text.substr(0, text.size() - 6), " \t-");
  if (EndsWithWord(text, "sonli")) text = WithoutTrailing(text.substr(0, text.size() - 5), " \t-");
  // A school named by words alone ("Maktab") keeps its name.
  return text.empty() ? std::string(school) : std::string(text);
}

std::string TitleSentence(const ReportTexts& texts, int calendarYear) {
  using namespace report_text;
  std::string title;
  title.append(SchoolNumberText(texts.school)).append(kAfterSchool);
  title.append(texts.subject).append(kAfterSubject);
  title.append(texts.name).append(kAfterName);
  title.append(std::to_string(calendarYear)).append(kYearSeparator).append(std::to_string(calendarYear + 1));
  title.append(kAfterYears);
  return title;
}

std::string FooterText(const ReportTexts& texts) {
  using namespace report_text;
  std::string footer(kFooterTeacher);
  footer.append(texts.name).append(kFooterDeputy);
  return footer;
}

std::string EmptyTextsNote(const ReportTexts& texts) {
  const std::array<std::pair<const std::string*, std::string_view>, 3> fields = {{
      {&texts.name, "familiya va ism"},
      {&texts.school, "maktab"},
      {&texts.subject, "fan"},
  }};
  std::string note;
  for (const auto& [text, what] : fields) {
    if (!IsBlankFormText(*text)) continue;
    note.append(note.empty() ? "Kiritilmagan: " : ", ").append(what);
  }
  return note.empty() ? note : note + ".";
}

std::optional<std::string> TeacherNameOfFooter(std::string_view footer) {
  using namespace report_text;
  if (footer.size() < kFooterTeacher.size() + kFooterDeputy.size() || !footer.starts_with(kFooterTeacher) ||
      !footer.ends_with(kFooterDeputy)) {
    return std::nullopt;
  }
  return std::string(
      footer.substr(kFooterTeacher.size(), footer.size() - kFooterTeacher.size() - kFooterDeputy.size()));
}

std::optional<int> CalendarYearOfTitle(std::string_view title) {
  using namespace report_text;
  if (!title.ends_with(kAfterYears) || title.find(kAfterSchool) == std::string_view::npos ||
      title.find(kAfterSubject) == std::string_view::npos) {
    return std::nullopt;
  }
  title.remove_suffix(kAfterYears.size());
  // "...ning Y/Y+1": the two years are the digits on either side of the last separator.
  const auto separator = title.rfind(kYearSeparator);
  if (separator == std::string_view::npos) return std::nullopt;
  const std::string_view next = title.substr(separator + 1);
  std::string_view year = title.substr(0, separator);
  std::size_t digits = 0;
  while (digits < year.size() && digits < 4 && year[year.size() - 1 - digits] >= '0' &&
         year[year.size() - 1 - digits] <= '9') {
    ++digits;
  }
  year = year.substr(year.size() - digits);
  int first = 0;
  int second = 0;
  const auto [firstEnd, firstError] = std::from_chars(year.data(), year.data() + year.size(), first);
  const auto [secondEnd, secondError] = std::from_chars(next.data(), next.data() + next.size(), second);
  if (digits == 0 || firstError != std::errc() || secondError != std::errc() ||
      secondEnd != next.data() + next.size() || second != first + 1) {
    return std::nullopt;
  }
  return first;
}

}  // namespace soatnoma::report_sheet
