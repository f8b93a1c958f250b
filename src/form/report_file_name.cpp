#include "form/report_file_name.h"

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

}  // namespace

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
  return name + " " + std::to_string(calendarYear) + "-" + std::to_string(calendarYear + 1) + "." + std::string(suffix);
}

}  // namespace soatnoma
