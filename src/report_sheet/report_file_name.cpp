#include "report_sheet/report_file_name.h"

#include "model/name_text.h"
#include "model/utf8_text.h"

namespace soatnoma::report_sheet {
namespace {

// What a file's name may not hold on the computers the file may be copied to, besides the
// path separators and controls no name holds.
bool IsForbiddenInFileName(char32_t code) {
  constexpr std::u32string_view kForbidden = U":*?\"<>|";
  return kForbidden.find(code) != std::u32string_view::npos;
}

// The bytes of name that fit in budget, up to where a character ends. A malformed byte
// counts as a character of its own.
std::size_t FittingBytes(std::string_view name, std::size_t budget) {
  std::size_t fitting = 0;
  for (std::size_t at = 0; at < name.size();) {
    DecodeCharacter(name, at);
    if (at > budget) break;
    fitting = at;
  }
  return fitting;
}

}  // namespace

std::string FileNameFromText(std::string_view text) {
  const std::u32string name = NameOf(CharactersOf(text), NameKind{IsForbiddenInFileName, U'_', nullptr});
  // A dot in front would hide the file; a blank may stand after it.
  const std::size_t shown = name.find_first_not_of(U". ");
  return shown == std::u32string::npos ? std::string() : Utf8Of(std::u32string_view(name).substr(shown));
}

std::string FittedFileName(std::string_view name, std::string_view tail, std::size_t maxBytes) {
  const std::size_t budget = maxBytes > tail.size() ? maxBytes - tail.size() : 0;
  std::string_view kept = name.substr(0, FittingBytes(name, budget));
  if (kept.size() < name.size()) {
    while (!kept.empty() && kept.back() == ' ') kept.remove_suffix(1);
  }
  return std::string(kept) + std::string(tail);
}

std::string ReportFileName(std::string_view teacherName, int calendarYear, std::string_view suffix) {
  std::string name = FileNameFromText(teacherName);
  if (name.empty()) name = "Soatnoma";
  return FittedFileName(
      name, " " + std::to_string(calendarYear) + "-" + std::to_string(calendarYear + 1) + "." + std::string(suffix));
}

}  // namespace soatnoma::report_sheet
