#pragma once
// The tests' reading of a workbook's parts: a part by name, parsed, and the package's lists;
// and a measure of text as plain as can be, for the layouts the parts are written from.

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <set>
#include <string>

#include "sheet_layout/text_metrics.h"
#include "workbook_parts/package_part.h"

namespace soatnoma::testing {

// Every character 0.6 of the font size wide.
class EvenMetrics : public sheet_layout::TextMetrics {
 public:
  sheet_layout::FontMeasures Measures(const sheet_layout::TextFont& font) override {
    return {font.size * 0.93, font.size * 0.24, font.size * 1.17};
  }
  double Width(const sheet_layout::TextFont& font, std::string_view text) override {
    double characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return characters * font.size * 0.6;
  }
  double RightOverhang(const sheet_layout::TextFont&, std::string_view) override { return 0; }
};

inline const workbook_parts::PackagePart* FindPart(const workbook_parts::PackageParts& parts, const std::string& name) {
  for (const auto& part : parts) {
    if (part.name == name) return &part;
  }
  return nullptr;
}

// The part parsed; a failed test when it is missing or not well-formed.
inline pugi::xml_document Parsed(const workbook_parts::PackageParts& parts, const std::string& name) {
  pugi::xml_document document;
  const auto* part = FindPart(parts, name);
  if (part == nullptr) {
    ADD_FAILURE() << name << " is missing";
    return document;
  }
  const auto result =
      document.load_buffer(part->text.data(), part->text.size(), pugi::parse_default | pugi::parse_ws_pcdata);
  EXPECT_TRUE(result) << name << ": " << result.description() << " at " << result.offset;
  return document;
}

inline std::set<std::string> PartNames(const workbook_parts::PackageParts& parts) {
  std::set<std::string> names;
  for (const auto& part : parts) names.insert(part.name);
  return names;
}

}  // namespace soatnoma::testing
