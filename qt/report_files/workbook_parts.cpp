#include "report_files/workbook_parts.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "model/utf8_text.h"
#include "form/stored_number.h"
#include "form/workbook_text.h"

namespace soatnoma {
namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

// The attribute whose name ends in ":id" (r:id, whatever the prefix).
std::string RelationshipId(const pugi::xml_node& sheet) {
  for (const pugi::xml_attribute attribute : sheet.attributes()) {
    const std::string_view name = attribute.name();
    if (name.ends_with(":id")) return attribute.value();
  }
  return {};
}

// A relationship's target as a package entry: relative to "xl/", or from the root.
std::string EntryOfTarget(std::string_view target) {
  if (target.starts_with('/')) return std::string(target.substr(1));
  return "xl/" + std::string(target);
}

// A character XML 1.0 allows in a document.
bool IsXmlCharacter(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsXmlText(std::string_view text) {
  const auto characters = DecodeUtf8(text);
  return characters && std::ranges::all_of(*characters, IsXmlCharacter);
}

// Character references (&#65; &#x41;) must name characters XML allows, as written ones.
bool ReferencesAreXmlCharacters(std::string_view content) {
  for (auto at = content.find("&#"); at != std::string_view::npos; at = content.find("&#", at + 2)) {
    std::string_view digits = content.substr(at + 2);
    int base = 10;
    if (digits.starts_with('x')) {
      base = 16;
      digits.remove_prefix(1);
    }
    std::uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
    if (error != std::errc() || end == digits.data() + digits.size() || *end != ';' || !IsXmlCharacter(code)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool LoadWorkbookPart(const XlsxPackage& package, const std::string& entry, pugi::xml_document& document) {
  const auto content = package.Read(entry, kLargestWorkbookPart);
  // The parser itself takes characters XML does not allow without a word.
  return content && IsXmlText(*content) && ReferencesAreXmlCharacters(*content) &&
         document.load_buffer(content->data(), content->size(), kParseOptions);
}

std::optional<std::vector<std::string>> WorksheetEntries(const XlsxPackage& package) {
  pugi::xml_document workbook;
  pugi::xml_document relationships;
  if (!LoadWorkbookPart(package, "xl/workbook.xml", workbook) ||
      !LoadWorkbookPart(package, "xl/_rels/workbook.xml.rels", relationships)) {
    return std::nullopt;
  }
  std::vector<std::string> entries;
  for (const pugi::xml_node sheet : workbook.child("workbook").child("sheets").children("sheet")) {
    const std::string id = RelationshipId(sheet);
    const pugi::xml_node target = relationships.child("Relationships").find_child_by_attribute("Relationship", "Id", id.c_str());
    if (id.empty() || !target) return std::nullopt;
    entries.push_back(EntryOfTarget(target.attribute("Target").value()));
  }
  return entries;
}

std::string CellText(const pugi::xml_node& textElement) { return UnescapedFromWorkbook(textElement.child_value()); }

StoredValue ReadStoredValue(const pugi::xml_node& cell, const std::vector<std::string>& sharedTexts) {
  using Kind = StoredValue::Kind;
  const std::string_view type = cell.attribute("t").value();
  if (type == "inlineStr") {
    const pugi::xml_node inlineText = cell.child("is");
    std::string text = CellText(inlineText.child("t"));
    for (const pugi::xml_node run : inlineText.children("r")) text += CellText(run.child("t"));
    return {Kind::Text, std::move(text)};
  }
  const pugi::xml_node value = cell.child("v");
  if (!value) return {};
  const std::string_view stored = value.child_value();
  if (type == "s") {
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), index);
    if (error != std::errc() || end != stored.data() + stored.size() || index >= sharedTexts.size()) {
      return {Kind::Damaged, "yo'q matnga havola bor."};
    }
    return {Kind::Text, sharedTexts[index]};
  }
  if (type == "str") return {Kind::Text, CellText(value)};
  if (type == "b" && (stored == "0" || stored == "1")) return {Kind::Number, {}, stored == "1" ? 1.0 : 0.0, true};
  if (!type.empty() && type != "n") return {Kind::Other, std::string(stored)};
  const auto number = ReadStoredNumber(stored);
  if (!number) return {Kind::Damaged, std::string(cell_problem::kNotANumber)};
  return {Kind::Number, {}, *number};
}

std::optional<std::vector<std::string>> SharedTexts(const XlsxPackage& package) {
  std::vector<std::string> texts;
  if (!package.Contains("xl/sharedStrings.xml")) return texts;
  pugi::xml_document strings;
  if (!LoadWorkbookPart(package, "xl/sharedStrings.xml", strings)) return std::nullopt;
  for (const pugi::xml_node item : strings.child("sst").children("si")) {
    // Plain text, or runs of differently formatted text one after the other.
    std::string text = CellText(item.child("t"));
    for (const pugi::xml_node run : item.children("r")) text += CellText(run.child("t"));
    texts.push_back(std::move(text));
  }
  return texts;
}

std::vector<CustomProperty> CustomProperties(const XlsxPackage& package) {
  std::vector<CustomProperty> properties;
  pugi::xml_document custom;
  if (!LoadWorkbookPart(package, "docProps/custom.xml", custom)) return properties;
  for (const pugi::xml_node property : custom.child("Properties").children("property")) {
    const pugi::xml_node value = property.first_child();
    const std::string_view type = value.name();
    CustomProperty read{property.attribute("name").value(), {}, std::nullopt};
    if (type == "vt:lpwstr") read.text = value.child_value();
    // The value's type without its prefix, as the page's reader names it too.
    read.number = ReadPropertyNumber(type.substr(type.find(':') + 1), value.child_value());
    properties.push_back(std::move(read));
  }
  return properties;
}

}  // namespace soatnoma
