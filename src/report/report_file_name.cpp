#include "report/report_file_name.h"

#include "model/utf8_text.h"

namespace soatnoma {
namespace {

// Blanks of every script: they separate words and never stand in a file name as they are.
bool IsBlank(char32_t code) {
  if ((code >= 0x09 && code <= 0x0D) || code == 0x20 || code == 0x85 || code == 0xA0 || code == 0x1680) return true;
  if (code >= 0x2000 && code <= 0x200A) return true;
  return code == 0x2028 || code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000;
}

bool IsForbidden(char32_t code) {
  constexpr std::string_view kForbidden = "/\\:*?\"<>|";
  return code < 0x20 || (code < 0x80 && kForbidden.find(static_cast<char>(code)) != std::string_view::npos);
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

std::string FittedFileName(std::string_view name, std::string_view tail, std::size_t maxBytes) {
  const std::size_t budget = maxBytes > tail.size() ? maxBytes - tail.size() : 0;
  std::string_view kept = name.substr(0, FittingBytes(name, budget));
  if (kept.size() < name.size()) {
    while (!kept.empty() && kept.back() == ' ') kept.remove_suffix(1);
  }
  return std::string(kept) + std::string(tail);
}

std::string ReportFileName(std::string_view teacherName, int calendarYear, std::string_view suffix) {
  std::string name;
  bool blankBefore = false;
  for (std::size_t at = 0; at < teacherName.size();) {
    const char32_t code = DecodeCharacter(teacherName, at).value_or(kReplacementCharacter);
    if (IsBlank(code)) {
      blankBefore = !name.empty();
      continue;
    }
    if (blankBefore) name += ' ';
    blankBefore = false;
    AppendUtf8(name, IsForbidden(code) ? U'_' : code);
  }
  if (name.empty()) name = "Soatnoma";
  return FittedFileName(name, " " + std::to_string(calendarYear) + "-" + std::to_string(calendarYear + 1) + "." +
                                  std::string(suffix));
}

}  // namespace soatnoma
