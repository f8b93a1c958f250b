#include "workbook_parts/book_parts.h"

#include "form/package_names.h"
#include "form/xml_tags.h"
#include "workbook_parts/xml_head.h"

namespace soatnoma::workbook_parts {
namespace {

constexpr std::string_view kTypes = "application/vnd.openxmlformats-officedocument";

// A sheet's name as a formula names it: quoted unless it is letters, digits and underscores.
std::string SheetReference(const std::string& name) {
  const auto plain = [](char c, bool first) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    return letter || (!first && c >= '0' && c <= '9');
  };
  bool quoted = name.empty();
  for (std::size_t i = 0; i < name.size() && !quoted; ++i) quoted = !plain(name[i], i == 0);
  if (!quoted) return name;
  std::string reference = "'";
  for (const char c : name) reference += c == '\'' ? std::string("''") : std::string(1, c);
  return reference + "'";
}

std::string Relationship(int id, std::string_view type, std::string_view target) {
  return "<Relationship Id=\"rId" + std::to_string(id) + "\" Type=\"" + std::string(type) + "\" Target=\"" +
         std::string(target) + "\"/>";
}

std::string Override(std::string_view part, std::string_view type) {
  return "<Override PartName=\"/" + std::string(part) + "\" ContentType=\"" + std::string(type) + "\"/>";
}

std::string Relations(const std::string& relationships) {
  return std::string(kXmlHead) + "<Relationships xmlns=\"" + std::string(kPackageRelationsNamespace) + "\">" +
         relationships + "</Relationships>";
}

std::string PackageRelationsXml(bool marked) {
  const std::string officeDocument = std::string(kRelationsNamespace) + "/officeDocument";
  std::string relationships = Relationship(1, officeDocument, "xl/workbook.xml");
  if (marked) relationships += Relationship(2, kCustomPropertiesRelation, kCustomPropertiesPart);
  return Relations(relationships);
}

}  // namespace

void BookParts::AddSheet(const std::string& name, std::string xml, SheetOptions options) {
  Sheet sheet{name, std::move(xml), options.printTitleRow};
  if (options.first) {
    sheets_.insert(sheets_.begin(), std::move(sheet));
  } else {
    sheets_.push_back(std::move(sheet));
  }
}

std::string BookParts::WorkbookXml() const {
  std::string sheets;
  std::string titles;
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    const Sheet& sheet = sheets_[i];
    const std::string number = std::to_string(i + 1);
    sheets += "<sheet name=\"" + xml::Escaped(sheet.name) + "\" sheetId=\"" + number + "\" r:id=\"rId" + number + "\"/>";
    if (sheet.printTitleRow <= 0) continue;
    const std::string row = std::to_string(sheet.printTitleRow);
    titles += "<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"" + std::to_string(i) + "\">" +
              xml::Escaped(SheetReference(sheet.name)) + "!$" + row + ":$" + row + "</definedName>";
  }
  return std::string(kXmlHead) + "<workbook xmlns=\"" + std::string(kSpreadsheetNamespace) + "\" xmlns:r=\"" +
         std::string(kRelationsNamespace) + "\"><bookViews><workbookView/></bookViews><sheets>" + sheets + "</sheets>" +
         (titles.empty() ? std::string() : "<definedNames>" + titles + "</definedNames>") +
         "<calcPr fullCalcOnLoad=\"1\"/></workbook>";
}

std::string BookParts::WorkbookRelationsXml() const {
  const std::string relations(kRelationsNamespace);
  const int count = static_cast<int>(sheets_.size());
  std::string relationships;
  for (int i = 1; i <= count; ++i) {
    relationships += Relationship(i, relations + "/worksheet", "worksheets/sheet" + std::to_string(i) + ".xml");
  }
  relationships += Relationship(count + 1, relations + "/styles", "styles.xml");
  relationships += Relationship(count + 2, relations + "/sharedStrings", "sharedStrings.xml");
  return Relations(relationships);
}

std::string BookParts::ContentTypesXml(bool marked) const {
  const std::string types(kTypes);
  std::string xml = std::string(kXmlHead) +
                    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>" +
                    Override("xl/workbook.xml", types + ".spreadsheetml.sheet.main+xml");
  for (std::size_t i = 1; i <= sheets_.size(); ++i) xml += Override(WorksheetPart(static_cast<int>(i)), types + ".spreadsheetml.worksheet+xml");
  xml += Override("xl/styles.xml", types + ".spreadsheetml.styles+xml");
  xml += Override("xl/sharedStrings.xml", types + ".spreadsheetml.sharedStrings+xml");
  if (marked) xml += Override(kCustomPropertiesPart, kCustomPropertiesType);
  return xml + "</Types>";
}

PackageParts BookParts::TakeParts(const std::optional<std::string>& customProperties) {
  const bool marked = customProperties.has_value();
  PackageParts parts;
  parts.reserve(sheets_.size() + 7);
  parts.push_back({std::string(kContentTypesPart), ContentTypesXml(marked)});
  parts.push_back({std::string(kPackageRelationsPart), PackageRelationsXml(marked)});
  parts.push_back({"xl/workbook.xml", WorkbookXml()});
  parts.push_back({"xl/_rels/workbook.xml.rels", WorkbookRelationsXml()});
  parts.push_back({std::string(kStylesPart), styles_.Xml()});
  parts.push_back({"xl/sharedStrings.xml", texts_.Xml()});
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    parts.push_back({WorksheetPart(static_cast<int>(i + 1)), std::move(sheets_[i].xml)});
  }
  if (marked) parts.push_back({std::string(kCustomPropertiesPart), *customProperties});
  sheets_.clear();
  return parts;
}

}  // namespace soatnoma::workbook_parts
