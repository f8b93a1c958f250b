#include "workbook_parts/shared_texts.h"

#include "workbook_package/xml_tags.h"
#include "workbook_parts/xml_head.h"

namespace soatnoma::workbook_parts {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A text whose blanks at either end or whose line ends are its own keeps them.
bool KeepsBlanks(const std::string& text) {
  if (text.empty()) return false;
  return IsBlank(text.front()) || IsBlank(text.back()) || text.find_first_of("\t\n") != std::string::npos;
}

}  // namespace

int SharedTexts::Index(const std::string& text) {
  ++uses_;
  const auto [place, added] = places_.try_emplace(text, Size());
  if (added) texts_.push_back(&place->first);
  return place->second;
}

std::string SharedTexts::Xml() const {
  std::string xml(kXmlHead);
  Append(xml, {"<sst xmlns=\"", kSpreadsheetNamespace, "\" count=\"", Digits(uses_), "\" uniqueCount=\"",
               Digits(Size()), "\">"});
  for (const std::string* text : texts_) {
    Append(xml, {KeepsBlanks(*text) ? "<si><t xml:space=\"preserve\">" : "<si><t>", workbook_package::Escaped(*text),
                 "</t></si>"});
  }
  xml += "</sst>";
  return xml;
}

}  // namespace soatnoma::workbook_parts
