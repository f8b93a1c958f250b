#include "staff_book/sheet_names.h"

#include <algorithm>

#include "staff_book/name_characters.h"
#include "model/name_text.h"
#include "model/utf8_text.h"

namespace soatnoma::staff_book {
namespace {

// A name left empty by the cleaning: the word for "teacher".
constexpr std::u32string_view kUnnamed = U"O'qituvchi";
// Spreadsheet programs keep this name for themselves.
constexpr std::u32string_view kReserved = U"History";

std::size_t Utf16Units(char32_t c) { return c > 0xFFFF ? 2 : 1; }

bool IsApostrophe(char32_t c) { return c == U'\''; }

// Blanks and apostrophes off both ends: a sheet name may neither begin nor end with "'".
std::u32string TrimEnds(std::u32string_view name) {
  const auto trimmable = [](char32_t c) { return IsBlankCharacter(c) || IsApostrophe(c); };
  std::size_t first = 0;
  while (first < name.size() && trimmable(name[first])) ++first;
  std::size_t last = name.size();
  while (last > first && trimmable(name[last - 1])) --last;
  return std::u32string(name.substr(first, last - first));
}

bool IsHexDigit(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F'); }

// "_x0041_" at the place: how a workbook writes a character by its code. A sheet's name
// that held one would be read by spreadsheet programs as that character, and the
// formulas that name the sheet would no longer find it.
bool StartsCharacterCode(std::u32string_view name, std::size_t at) {
  constexpr std::size_t kCodeLength = 7;
  if (name.size() - at < kCodeLength || name[at] != U'_' || name[at + 1] != U'x' || name[at + 6] != U'_') return false;
  for (std::size_t i = at + 2; i < at + 6; ++i) {
    if (!IsHexDigit(name[i])) return false;
  }
  return true;
}

// The teacher's name by the rule of names taken from text (model/name_text.h), without the
// characters that show nothing, with the characters a sheet's name may not hold and the
// underscore of a character's code made blanks, and no apostrophe at either end.
std::u32string Cleaned(std::string_view teacherName) {
  const NameKind sheetName{IsForbiddenInSheetName, U' ', IsApostrophe};
  std::u32string characters = CharactersOf(teacherName);
  std::erase_if(characters, IsZeroWidth);
  // The codes are looked for once the direction controls are out: one inside a code would
  // hide it until then.
  std::u32string name = NameOf(characters, sheetName);
  for (std::size_t at = 0; at < name.size(); ++at) {
    if (StartsCharacterCode(name, at)) name[at] = U' ';
  }
  name = NameOf(name, sheetName);
  return name.empty() ? std::u32string(kUnnamed) : name;
}

// Whether a cut before name[at] keeps every character whole: not before a mark that
// belongs to the letter before it, not inside a flag (the joiners that would bind emoji
// together are out of the name).
bool IsCharacterBoundary(std::u32string_view name, std::size_t at) {
  if (at == 0 || at >= name.size()) return true;
  if (JoinsPrevious(name[at])) return false;
  if (!IsRegionalIndicator(name[at]) || !IsRegionalIndicator(name[at - 1])) return true;
  std::size_t indicators = 0;
  while (indicators < at && IsRegionalIndicator(name[at - 1 - indicators])) ++indicators;
  return indicators % 2 == 0;
}

// At most length UTF-16 units, cut where a character ends: never inside a surrogate pair
// or between a letter and its combining marks (unless one letter carries more marks than
// fit, which is then cut between its marks).
std::u32string CutTo(std::u32string_view name, std::size_t length) {
  std::size_t fitting = 0;  // characters within the length
  for (std::size_t units = 0; fitting < name.size() && units + Utf16Units(name[fitting]) <= length; ++fitting) {
    units += Utf16Units(name[fitting]);
  }
  if (fitting == name.size()) return std::u32string(name);
  std::size_t end = fitting;
  while (end > 0 && !IsCharacterBoundary(name, end)) --end;
  if (end == 0) end = fitting;
  const std::u32string cut = TrimEnds(name.substr(0, end));
  return cut.empty() ? std::u32string(kUnnamed) : cut;
}

std::u32string Numbered(int number) {
  std::u32string suffix = U" (";
  for (const char digit : std::to_string(number)) suffix += static_cast<char32_t>(digit);
  return suffix + U")";
}

}  // namespace

SheetNames::SheetNames(const std::vector<std::string>& taken) {
  Take(std::u32string(kReserved));
  for (const std::string& name : taken) Take(CharactersOf(name));
}

bool SheetNames::IsFree(const std::u32string& name) const { return !taken_.contains(ComparisonKey(name)); }

void SheetNames::Take(const std::u32string& name) { taken_.insert(ComparisonKey(name)); }

std::string SheetNames::Claim(std::string_view teacherName) {
  const std::u32string base = Cleaned(teacherName);
  std::u32string name = CutTo(base, kMaxLength);
  if (!IsFree(name)) {
    // Numbering goes on where the last clash of this sheet name left it, so a staff of many
    // teachers whose names clash (the same name, or one long start cut to the same 31
    // characters) is not counted through again for each.
    int& number = nextNumber_[ComparisonKey(name)];
    for (number = std::max(number, 2); !IsFree(name); ++number) {
      const std::u32string suffix = Numbered(number);
      name = CutTo(base, kMaxLength - suffix.size()) + suffix;
    }
  }
  Take(name);
  return Utf8Of(name);
}

}  // namespace soatnoma::staff_book
