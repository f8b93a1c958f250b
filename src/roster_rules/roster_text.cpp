#include "roster_rules/roster_text.h"

#include "roster_rules/code_page.h"
#include "model/utf8_text.h"

namespace soatnoma::batch {

RosterText DecodeRosterText(std::string_view fileContents) {
  RosterText decoded;
  if (auto unicodeText = Utf16ToUtf8(fileContents)) {
    decoded.text = std::move(*unicodeText);
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

char DetectSeparator(std::string_view text) {
  int commas = 0;
  int semicolons = 0;
  int tabs = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    commas += c == ',' ? 1 : 0;
    semicolons += c == ';' ? 1 : 0;
    tabs += c == '\t' ? 1 : 0;
  }
  if (tabs > commas && tabs > semicolons) return '\t';
  return semicolons > commas ? ';' : ',';
}

}  // namespace soatnoma::batch
