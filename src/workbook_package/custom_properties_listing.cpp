#include "workbook_package/custom_properties_listing.h"

#include "workbook_package/package_names.h"

namespace soatnoma::workbook_package {
namespace {

// Before the end tag of the document's root: nothing when it has none.
std::optional<std::string> InsertedAtEnd(std::string_view xml, std::string_view rootEnd, std::string_view added) {
  const std::size_t at = xml.rfind(rootEnd);
  if (at == std::string_view::npos) return std::nullopt;
  return std::string(xml.substr(0, at)) + std::string(added) + std::string(xml.substr(at));
}

}  // namespace

std::optional<std::string> WithCustomPropertiesType(std::string_view contentTypes) {
  return InsertedAtEnd(contentTypes, "</Types>",
                       "<Override PartName=\"/" + std::string(kCustomPropertiesPart) + "\" ContentType=\"" +
                           std::string(kCustomPropertiesType) + "\"/>");
}

std::optional<std::string> WithCustomPropertiesRelation(std::string_view relations) {
  // The next of the package's own names: rId1, rId2, ...
  int number = 1;
  while (relations.find("Id=\"rId" + std::to_string(number) + "\"") != std::string_view::npos) ++number;
  return InsertedAtEnd(relations, "</Relationships>",
                       "<Relationship Id=\"rId" + std::to_string(number) + "\" Type=\"" +
                           std::string(kCustomPropertiesRelation) + "\" Target=\"" +
                           std::string(kCustomPropertiesPart) + "\"/>");
}

}  // namespace soatnoma::workbook_package
