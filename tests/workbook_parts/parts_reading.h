#pragma once
// The tests' reading of a workbook's parts: a part by name, parsed, and the package's lists;
// and the plain measure of text the layouts the parts are written from are made with.

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <set>
#include <vector>
#include <string>

#include "even_metrics.h"
#include "workbook_parts/package_part.h"

namespace soatnoma::testing {

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

// A worksheet's cells by name, and a workbook's list of sheets.
inline std::map<std::string, pugi::xml_node> CellsOf(const pugi::xml_document& worksheet) {
  std::map<std::string, pugi::xml_node> cells;
  for (const auto row : worksheet.child("worksheet").child("sheetData").children("row")) {
    for (const auto cell : row.children("c")) cells[cell.attribute("r").value()] = cell;
  }
  return cells;
}
inline std::vector<pugi::xml_node> SheetsOf(const pugi::xml_document& workbook) {
  std::vector<pugi::xml_node> sheets;
  for (const auto sheet : workbook.child("workbook").child("sheets").children("sheet")) sheets.push_back(sheet);
  return sheets;
}

inline std::set<std::string> PartNames(const workbook_parts::PackageParts& parts) {
  std::set<std::string> names;
  for (const auto& part : parts) names.insert(part.name);
  return names;
}

}  // namespace soatnoma::testing
