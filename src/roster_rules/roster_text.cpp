#include "roster_rules/roster_text.h"

#include <array>
#include <vector>

#include "roster_rules/code_page.h"
#include "roster_rules/roster_columns.h"
#include "model/utf8_text.h"

namespace soatnoma::roster_rules {

RosterText DecodeRosterText(std::string_view fileContents) {
  RosterText decoded;
  if (auto unicodeText = Utf16ToUtf8(fileContents)) {
    decoded.text = std::move(*unicodeText);
  } else if (auto unmarkedText = UnmarkedUtf16ToUtf8(fileContents)) {
    decoded.text = std::move(*unmarkedText);
  } else if (fileContents.starts_with(kUtf8ByteOrderMark) || IsWellFormedUtf8(fileContents)) {
    decoded.text = fileContents;
  } else if (auto windowsText = Windows1251ToUtf8(fileContents)) {
    decoded.text = std::move(*windowsText);
    decoded.readAsWindows1251 = true;
  } else {
    decoded.text = fileContents;
  }
  if (std::string_view(decoded.text).starts_with(kUtf8ByteOrderMark)) decoded.text.erase(0, kUtf8ByteOrderMark.size());
  decoded.separator = DetectSeparator(decoded.text);
  return decoded;
}

namespace {

// A title and a few notes stand above the headings at most; the headings are looked for
// in the first lines only.
constexpr std::size_t kLinesLookedAt = 50;
constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};

// The lines of the text, a line break inside quotes staying in its line.
std::vector<std::string_view> FirstLines(std::string_view text) {
  std::vector<std::string_view> lines;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size() && lines.size() < kLinesLookedAt; ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (quoted || (text[i] != '\n' && text[i] != '\r')) continue;
    lines.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  if (lines.size() < kLinesLookedAt && start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool NamesTheNameColumn(std::string_view line, char separator) {
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && line[i] == '"') quoted = !quoted;
    if (i < line.size() && (quoted || line[i] != separator)) continue;
    if (ColumnHeading(line.substr(start, i - start)) == "ism") return true;
    start = i + 1;
  }
  return false;
}

struct SeparatorCounts {
  int commas = 0;
  int semicolons = 0;
  int tabs = 0;
  bool Any() const { return commas + semicolons + tabs > 0; }
  char MostUsed() const {
    if (tabs > commas && tabs > semicolons) return '\t';
    return semicolons > commas ? ';' : ',';
  }
};

SeparatorCounts CountSeparators(std::string_view line) {
  SeparatorCounts counts;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    counts.commas += c == ',' ? 1 : 0;
    counts.semicolons += c == ';' ? 1 : 0;
    counts.tabs += c == '\t' ? 1 : 0;
  }
  return counts;
}

}  // namespace

char DetectSeparator(std::string_view text) {
  const std::vector<std::string_view> lines = FirstLines(text);
  for (const std::string_view line : lines) {
    int naming = 0;
    char separator = ',';
    for (const char candidate : kSeparators) {
      if (!NamesTheNameColumn(line, candidate)) continue;
      ++naming;
      separator = candidate;
    }
    if (naming == 1) return separator;
    if (naming == 0) continue;
    // Split at any of two, the line's own count decides; "ism" alone on its line leaves it
    // to the lines below.
    if (const SeparatorCounts counts = CountSeparators(line); counts.Any()) return counts.MostUsed();
    break;
  }
  for (const std::string_view line : lines) {
    if (const SeparatorCounts counts = CountSeparators(line); counts.Any()) return counts.MostUsed();
  }
  return ',';
}

}  // namespace soatnoma::roster_rules
