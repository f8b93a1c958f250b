#include "model/form_text.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/utf8_text.h"

namespace soatnoma {
namespace {

enum Problem { kNotUtf8, kControlCharacter, kNotACharacter, kTooLong, kBrokenUnicode, kProblemCount };

// The refusal of each problem, by field.
constexpr std::array<std::array<std::string_view, kProblemCount>, 3> kRefusals = {{
    {"Familiya va ism UTF-8 kodlashda emas.", "Familiya va ismda boshqaruv belgisi bor.",
     "Familiya va ismda yozib bo'lmaydigan belgi bor (U+FFFE yoki U+FFFF).",
     "Familiya va ism juda uzun: 200 belgidan oshmasin.",
     "Familiya va ismda chala belgi bor (Unicode belgisining yarmi): uni o'chirib, qayta yozing."},
    {"Maktab UTF-8 kodlashda emas.", "Maktab nomida boshqaruv belgisi bor.",
     "Maktab nomida yozib bo'lmaydigan belgi bor (U+FFFE yoki U+FFFF).",
     "Maktab nomi juda uzun: 200 belgidan oshmasin.",
     "Maktab nomida chala belgi bor (Unicode belgisining yarmi): uni o'chirib, qayta yozing."},
    {"Fan UTF-8 kodlashda emas.", "Fan nomida boshqaruv belgisi bor.",
     "Fan nomida yozib bo'lmaydigan belgi bor (U+FFFE yoki U+FFFF).", "Fan nomi juda uzun: 200 belgidan oshmasin.",
     "Fan nomida chala belgi bor (Unicode belgisining yarmi): uni o'chirib, qayta yozing."},
}};

// C0 controls other than tab and the line ends (a quoted roster field may break its line),
// DEL and the C1 controls.
bool IsControl(char32_t c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F); }
bool IsNotACharacter(char32_t c) { return c == 0xFFFE || c == 0xFFFF; }

}  // namespace

std::optional<std::string_view> CheckFormText(FormTextField field, std::string_view text) {
  const auto& refusals = kRefusals[static_cast<std::size_t>(field)];
  const std::optional<std::u32string> characters = DecodeUtf8(text);
  if (!characters) return refusals[kNotUtf8];
  if (std::any_of(characters->begin(), characters->end(), IsControl)) return refusals[kControlCharacter];
  if (std::any_of(characters->begin(), characters->end(), IsNotACharacter)) return refusals[kNotACharacter];
  if (characters->size() > kMaxFormTextLength) return refusals[kTooLong];
  return std::nullopt;
}

std::string_view BrokenTextRefusal(FormTextField field) {
  return kRefusals[static_cast<std::size_t>(field)][kBrokenUnicode];
}

bool IsBlankFormText(std::string_view text) {
  const std::optional<std::u32string> characters = DecodeUtf8(text);
  return characters && std::all_of(characters->begin(), characters->end(), IsBlankCharacter);
}

}  // namespace soatnoma
