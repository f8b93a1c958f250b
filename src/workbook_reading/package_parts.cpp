#include "workbook_reading/package_parts.h"

#include <algorithm>

#include "workbook_package/stored_number.h"
#include "workbook_package/workbook_text.h"
#include "workbook_reading/xml_reader.h"

namespace soatnoma::workbook_reading {
namespace {

bool At(const std::vector<std::string_view>& path, std::initializer_list<std::string_view> names) {
  return path.size() == names.size() && std::equal(path.begin(), path.end(), names.begin());
}

// The value of the attribute whose name ends in ":id" (r:id, whatever the prefix).
std::string RelationshipId(const XmlElement& sheet) {
  for (const XmlAttribute& attribute : sheet.attributes) {
    if (attribute.name.ends_with(":id")) return attribute.value;
  }
  return {};
}

struct SheetIds : XmlVisitor {
  std::vector<std::pair<std::string, std::string>> sheets;  // name and relationship id
  void Open(const XmlElement& element, const std::vector<std::string_view>& path) override {
    if (element.localName != "sheet" || !At(path, {"workbook", "sheets"})) return;
    const std::string* name = element.Attribute("name");
    sheets.emplace_back(name ? *name : std::string(), RelationshipId(element));
  }
  void Text(std::string_view, const std::vector<std::string_view>&) override {}
  void Close(std::string_view, const std::vector<std::string_view>&, std::size_t, std::size_t) override {}
};

struct Targets : XmlVisitor {
  std::vector<std::pair<std::string, std::string>> targets;  // id and target, the first of an id counting
  void Open(const XmlElement& element, const std::vector<std::string_view>& path) override {
    if (element.localName != "Relationship" || !At(path, {"Relationships"})) return;
    const std::string* id = element.Attribute("Id");
    const std::string* target = element.Attribute("Target");
    if (id != nullptr) targets.emplace_back(*id, target ? *target : std::string());
  }
  void Text(std::string_view, const std::vector<std::string_view>&) override {}
  void Close(std::string_view, const std::vector<std::string_view>&, std::size_t, std::size_t) override {}

  const std::string* Of(const std::string& id) const {
    for (const auto& [key, target] : targets) {
      if (key == id) return &target;
    }
    return nullptr;
  }
};

std::string EntryOfTarget(std::string_view target) {
  if (target.starts_with('/')) return std::string(target.substr(1));
  return "xl/" + std::string(target);
}

struct Texts : XmlVisitor {
  std::vector<std::string> texts;
  void Open(const XmlElement& element, const std::vector<std::string_view>& path) override {
    if (element.localName == "si" && At(path, {"sst"})) texts.emplace_back();
  }
  void Text(std::string_view text, const std::vector<std::string_view>& path) override {
    if (At(path, {"sst", "si", "t"}) || At(path, {"sst", "si", "r", "t"}))
      texts.back() += workbook_package::UnescapedFromWorkbook(text);
  }
  void Close(std::string_view, const std::vector<std::string_view>&, std::size_t, std::size_t) override {}
};

// Of each property its first value.
struct Properties : XmlVisitor {
  std::vector<StoredProperty> properties;
  bool valueOpen = false;
  bool valueSeen = false;
  void Open(const XmlElement& element, const std::vector<std::string_view>& path) override {
    if (element.localName == "property" && At(path, {"Properties"})) {
      const std::string* name = element.Attribute("name");
      properties.push_back({name ? *name : std::string(), {}, {}});
      valueSeen = false;
    } else if (At(path, {"Properties", "property"}) && !valueSeen) {
      valueSeen = valueOpen = true;
      properties.back().type = element.localName;
    }
  }
  void Text(std::string_view text, const std::vector<std::string_view>& path) override {
    if (valueOpen && path.size() == 3) properties.back().value += text;
  }
  void Close(std::string_view, const std::vector<std::string_view>& path, std::size_t, std::size_t) override {
    if (At(path, {"Properties", "property"})) valueOpen = false;
  }
};

}  // namespace

std::optional<std::vector<SheetEntry>> WorkbookSheets(std::string_view workbook, std::string_view relationships) {
  SheetIds ids;
  Targets targets;
  if (!WalkXml(workbook, ids) || !WalkXml(relationships, targets)) return std::nullopt;
  std::vector<SheetEntry> sheets;
  for (const auto& [name, id] : ids.sheets) {
    const std::string* target = id.empty() ? nullptr : targets.Of(id);
    if (target == nullptr) return std::nullopt;
    sheets.push_back({name, EntryOfTarget(*target)});
  }
  return sheets;
}

std::optional<std::vector<std::string>> SharedTexts(std::string_view part) {
  Texts texts;
  if (!WalkXml(part, texts)) return std::nullopt;
  return std::move(texts.texts);
}

std::optional<std::vector<StoredProperty>> StoredProperties(std::string_view part) {
  Properties properties;
  if (!WalkXml(part, properties)) return std::nullopt;
  return std::move(properties.properties);
}

workbook_package::CustomProperty PropertyOf(const StoredProperty& stored) {
  return {stored.name, stored.type == "lpwstr" ? stored.value : std::string(),
          workbook_package::ReadPropertyNumber(stored.type, stored.value)};
}

std::optional<std::vector<workbook_package::CustomProperty>> CustomProperties(std::string_view part) {
  const auto stored = StoredProperties(part);
  if (!stored) return std::nullopt;
  std::vector<workbook_package::CustomProperty> properties;
  for (const StoredProperty& property : *stored) properties.push_back(PropertyOf(property));
  return properties;
}

}  // namespace soatnoma::workbook_reading
