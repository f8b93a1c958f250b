#include "workbook_parts/book_parts.h"

#include "workbook_package/package_names.h"
#include "workbook_package/xml_tags.h"
#include "workbook_parts/xml_head.h"

namespace soatnoma::workbook_parts {
namespace {

constexpr std::string_view kTypes = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

bool IsPlainInName(char c, bool first) {
  const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  return letter || (!first && c >= '0' && c <= '9');
}

// A sheet's name as a formula names it: quoted unless it is letters, digits and underscores.
std::string SheetReference(const std::string& name) {
  bool quoted = name.empty();
  for (std::size_t i = 0; i < name.size() && !quoted; ++i) quoted = !IsPlainInName(name[i], i == 0);
  if (!quoted) return name;
  std::string reference = "'";
  for (const char c : name) reference += c == '\'' ? "''" : std::string_view(&c, 1);
  reference += "'";
  return reference;
}

void AppendRelationship(std::string& xml, int id, std::string_view typeOfRelations, std::string_view type,
                        std::string_view target) {
  Append(xml,
         {"<Relationship Id=\"rId", Digits(id), "\" Type=\"", typeOfRelations, type, "\" Target=\"", target, "\"/>"});
}

void AppendOverride(std::string& xml, std::string_view part, std::string_view typeOfParts, std::string_view type) {
  Append(xml, {"<Override PartName=\"/", part, "\" ContentType=\"", typeOfParts, type, "\"/>"});
}

std::string RelationsHead() {
  std::string xml;
  Append(xml, {kXmlHead, "<Relationships xmlns=\"", kPackageRelationsNamespace, "\">"});
  return xml;
}

std::string PackageRelationsXml(bool marked) {
  std::string xml = RelationsHead();
  AppendRelationship(xml, 1, kRelationsNamespace, "/officeDocument", workbook_package::kWorkbookPart);
  if (marked)
    AppendRelationship(xml, 2, workbook_package::kCustomPropertiesRelation, "",
                       workbook_package::kCustomPropertiesPart);
  xml += "</Relationships>";
  return xml;
}

}  // namespace

void BookParts::AddSheet(const std::string& name, std::string xml, SheetOptions options) {
  // A staff's workbook holds thousands of sheets until it is packed: each keeps only its text.
  xml.shrink_to_fit();
  Sheet sheet{name, std::move(xml), options.printTitleRow};
  sheets_.insert(options.first ? sheets_.begin() : sheets_.end(), std::move(sheet));
}

std::string BookParts::WorkbookXml() const {
  std::string sheets;
  std::string titles;
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    const Sheet& sheet = sheets_[i];
    const std::string number = Digits(static_cast<long long>(i + 1));
    Append(sheets, {"<sheet name=\"", workbook_package::Escaped(sheet.name), "\" sheetId=\"", number, "\" r:id=\"rId",
                    number, "\"/>"});
    if (sheet.printTitleRow <= 0) continue;
    const std::string row = Digits(sheet.printTitleRow);
    Append(titles,
           {"<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"", Digits(static_cast<long long>(i)), "\">",
            workbook_package::Escaped(SheetReference(sheet.name)), "!$", row, ":$", row, "</definedName>"});
  }
  std::string xml;
  Append(xml, {kXmlHead, "<workbook xmlns=\"", kSpreadsheetNamespace, "\" xmlns:r=\"", kRelationsNamespace,
               "\"><bookViews><workbookView/></bookViews><sheets>", sheets, "</sheets>"});
  if (!titles.empty()) Append(xml, {"<definedNames>", titles, "</definedNames>"});
  xml += "<calcPr fullCalcOnLoad=\"1\"/></workbook>";
  return xml;
}

std::string BookParts::WorkbookRelationsXml() const {
  const int count = static_cast<int>(sheets_.size());
  std::string xml = RelationsHead();
  for (int i = 1; i <= count; ++i) {
    AppendRelationship(xml, i, kRelationsNamespace, "/worksheet", "worksheets/sheet" + Digits(i) + ".xml");
  }
  AppendRelationship(xml, count + 1, kRelationsNamespace, "/styles", "styles.xml");
  AppendRelationship(xml, count + 2, kRelationsNamespace, "/sharedStrings", "sharedStrings.xml");
  xml += "</Relationships>";
  return xml;
}

std::string BookParts::ContentTypesXml(bool marked) const {
  std::string xml;
  Append(xml, {kXmlHead,
               "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
               "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
               "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"});
  AppendOverride(xml, workbook_package::kWorkbookPart, kTypes, "sheet.main+xml");
  for (std::size_t i = 1; i <= sheets_.size(); ++i)
    AppendOverride(xml, workbook_package::WorksheetPart(static_cast<int>(i)), kTypes, "worksheet+xml");
  AppendOverride(xml, workbook_package::kStylesPart, kTypes, "styles+xml");
  AppendOverride(xml, workbook_package::kSharedTextsPart, kTypes, "sharedStrings+xml");
  if (marked) AppendOverride(xml, workbook_package::kCustomPropertiesPart, workbook_package::kCustomPropertiesType, "");
  xml += "</Types>";
  return xml;
}

PackageParts BookParts::TakeParts(const std::optional<std::string>& customProperties) {
  const bool marked = customProperties.has_value();
  PackageParts parts;
  parts.reserve(sheets_.size() + 7);
  parts.push_back({std::string(workbook_package::kContentTypesPart), ContentTypesXml(marked)});
  parts.push_back({std::string(workbook_package::kPackageRelationsPart), PackageRelationsXml(marked)});
  parts.push_back({std::string(workbook_package::kWorkbookPart), WorkbookXml()});
  parts.push_back({std::string(workbook_package::kWorkbookRelationsPart), WorkbookRelationsXml()});
  parts.push_back({std::string(workbook_package::kStylesPart), styles_.Xml()});
  parts.push_back({std::string(workbook_package::kSharedTextsPart), texts_.Xml()});
  for (std::size_t i = 0; i < sheets_.size(); ++i) {
    parts.push_back({workbook_package::WorksheetPart(static_cast<int>(i + 1)), std::move(sheets_[i].xml)});
  }
  if (marked) parts.push_back({std::string(workbook_package::kCustomPropertiesPart), *customProperties});
  sheets_.clear();
  return parts;
}

}  // namespace soatnoma::workbook_parts
