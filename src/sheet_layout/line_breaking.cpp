#include "sheet_layout/line_breaking.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "model/utf8_text.h"

namespace soatnoma::sheet_layout {
namespace {

// How a character takes part in breaking lines.
enum class BreakClass : std::uint8_t {
  Letter,  // letters, marks and signs that stay with their word
  Digit,
  Opening,    // ( [ { „
  Hyphen,     // -
  Breaking,   // / ? ! } | – …: a line may end after them
  Separator,  // . , : ;
  Closing,    // ) ]
  Affix,      // № % + $ € ° \ that stand before or after a number
  Dash,       // —
  Quote,      // quotation marks and apostrophes
  Space,
};
constexpr std::size_t kBreakClasses = 11;

struct ClassOfCode {
  char32_t code;
  BreakClass kind;
};

// The characters that do not break as letters do, in order of their code.
constexpr ClassOfCode kClassOfCode[] = {
    {U'\t', BreakClass::Space},        {U' ', BreakClass::Space},      {U'!', BreakClass::Breaking},
    {U'"', BreakClass::Quote},         {U'$', BreakClass::Affix},      {U'%', BreakClass::Affix},
    {U'\'', BreakClass::Quote},        {U'(', BreakClass::Opening},    {U')', BreakClass::Closing},
    {U'+', BreakClass::Affix},         {U',', BreakClass::Separator},  {U'-', BreakClass::Hyphen},
    {U'.', BreakClass::Separator},     {U'/', BreakClass::Breaking},   {U':', BreakClass::Separator},
    {U';', BreakClass::Separator},     {U'?', BreakClass::Breaking},   {U'[', BreakClass::Opening},
    {U'\\', BreakClass::Affix},        {U']', BreakClass::Closing},    {U'{', BreakClass::Opening},
    {U'|', BreakClass::Breaking},      {U'}', BreakClass::Breaking},   {U'\u00AB', BreakClass::Quote},
    {U'\u00B0', BreakClass::Affix},    {U'\u00BB', BreakClass::Quote}, {U'\u2013', BreakClass::Breaking},
    {U'\u2014', BreakClass::Dash},     {U'\u2018', BreakClass::Quote}, {U'\u2019', BreakClass::Quote},
    {U'\u201C', BreakClass::Quote},    {U'\u201D', BreakClass::Quote}, {U'\u201E', BreakClass::Opening},
    {U'\u2026', BreakClass::Breaking}, {U'\u20AC', BreakClass::Affix}, {U'\u2116', BreakClass::Affix},
};

// Whether a line may end between two characters standing side by side, [before][after].
// After blanks a line may always end.
constexpr const char* kBreakBetween[kBreakClasses] = {
    // after: L D O H B S C A D Q _
    "........B..",  // Letter
    "........B..",  // Digit
    "...........",  // Opening
    "B.B....BB..",  // Hyphen
    "BBB....BB..",  // Breaking
    ".BB....BB..",  // Separator
    "..B....BB..",  // Closing
    "..B....BB..",  // Affix
    "BBB....B...",  // Dash
    "...........",  // Quote
    "BBBBBBBBBB.",  // Space
};

BreakClass ClassOf(char32_t code) {
  if (code >= U'0' && code <= U'9') return BreakClass::Digit;
  const auto* found = std::lower_bound(std::begin(kClassOfCode), std::end(kClassOfCode), code,
                                       [](const ClassOfCode& known, char32_t wanted) { return known.code < wanted; });
  return found != std::end(kClassOfCode) && found->code == code ? found->kind : BreakClass::Letter;
}

struct Character {
  std::size_t start = 0;
  char32_t code = 0;
  BreakClass kind = BreakClass::Letter;
};

std::vector<Character> CharactersOf(std::string_view text) {
  std::vector<Character> characters;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    const char32_t code = DecodeCharacter(text, at).value_or(kReplacementCharacter);
    characters.push_back({start, code, ClassOf(code)});
  }
  return characters;
}

bool IsSpace(const Character& character) { return character.kind == BreakClass::Space; }

// Whether the digit at i goes on a number before it, as in 2026/2027 or 12,5.
bool ContinuesANumber(const std::vector<Character>& characters, std::size_t i) {
  while (i > 0 && (characters[i - 1].kind == BreakClass::Separator || characters[i - 1].code == U'/')) --i;
  return i > 0 && characters[i - 1].kind == BreakClass::Digit;
}

// Whether a line may end before character i. Blanks at the very start stay with the
// first word.
bool MayBreakBefore(const std::vector<Character>& characters, std::size_t i) {
  if (i == 0 || i >= characters.size()) return false;
  const auto before = static_cast<std::size_t>(characters[i - 1].kind);
  const auto after = static_cast<std::size_t>(characters[i].kind);
  if (kBreakBetween[before][after] != 'B') return false;
  if (characters[i].kind == BreakClass::Digit && ContinuesANumber(characters, i)) return false;
  return std::any_of(characters.begin(), characters.begin() + static_cast<std::ptrdiff_t>(i),
                     [](const Character& character) { return !IsSpace(character); });
}

class LineBreaker {
 public:
  LineBreaker(TextMetrics& metrics, const TextFont& font, std::string_view text, double width)
      : metrics_(metrics), font_(font), text_(text), width_(width), characters_(CharactersOf(text)) {}

  std::vector<TextLineSpan> Lines() {
    // Most texts need no breaking at all.
    const double whole = metrics_.Width(font_, text_);
    if (whole <= width_) return {TextLineSpan{0, text_.size(), whole}};
    std::vector<TextLineSpan> lines;
    std::size_t first = 0;
    while (first < characters_.size()) {
      std::size_t end = WordBoundaryEnd(first);
      if (end == first) end = AnywhereEnd(first);
      lines.push_back(Span(first, end));
      first = end;
    }
    return lines;
  }

 private:
  std::size_t ByteAt(std::size_t character) const {
    return character < characters_.size() ? characters_[character].start : text_.size();
  }

  // The line from character first up to end, its blanks and line feed not counted in its width.
  TextLineSpan Span(std::size_t first, std::size_t end) const {
    std::size_t inked = end;
    while (inked > first && IsSpace(characters_[inked - 1])) --inked;
    const std::size_t start = ByteAt(first);
    const double width = inked > first ? metrics_.Width(font_, text_.substr(start, ByteAt(inked) - start)) : 0;
    return {start, ByteAt(end) - start, width};
  }

  // Whether the line from character first up to end fits, the ink of its last letter too.
  bool Fits(std::size_t first, std::size_t end) const {
    std::size_t last = end;
    while (last > first && IsSpace(characters_[last - 1])) --last;
    if (last == first) return true;
    const std::size_t lastStart = characters_[last - 1].start;
    const double overhang = metrics_.RightOverhang(font_, text_.substr(lastStart, ByteAt(last) - lastStart));
    return Span(first, end).width + overhang <= width_;
  }

  // The furthest word boundary after first where the line still fits; first when even the
  // first word does not.
  std::size_t WordBoundaryEnd(std::size_t first) const {
    std::size_t fitting = first;
    for (std::size_t end = first + 1; end <= characters_.size(); ++end) {
      if (end < characters_.size() && !MayBreakBefore(characters_, end)) continue;
      if (!Fits(first, end)) break;
      fitting = end;
    }
    return fitting;
  }

  // A word wider than the line: as many of its characters as fit, at least one, with the
  // blanks around them.
  std::size_t AnywhereEnd(std::size_t first) const {
    std::size_t end = first;
    while (end < characters_.size() && IsSpace(characters_[end])) ++end;
    if (end < characters_.size()) ++end;
    while (end < characters_.size() && !IsSpace(characters_[end]) && Fits(first, end + 1)) ++end;
    while (end < characters_.size() && IsSpace(characters_[end])) ++end;
    return end;
  }

  TextMetrics& metrics_;
  const TextFont& font_;
  std::string_view text_;
  double width_;
  std::vector<Character> characters_;
};

}  // namespace

std::vector<TextLineSpan> BreakIntoLines(TextMetrics& metrics, const TextFont& font, std::string_view text,
                                         double width) {
  if (text.empty()) return {};
  return LineBreaker(metrics, font, text, width).Lines();
}

}  // namespace soatnoma::sheet_layout
