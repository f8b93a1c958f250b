#include "report_files/workbook_parts.h"

#include "workbook_package/package_names.h"
#include "workbook_package/workbook_package.h"

namespace soatnoma::report_files {

namespace reading = workbook_reading;

std::optional<std::string> ReadWorkbookPart(const XlsxPackage& package, std::string_view entry) {
  return package.Read(std::string(entry), workbook_package::kLargestWorkbookPart);
}

std::optional<std::vector<reading::SheetEntry>> WorkbookSheets(const XlsxPackage& package) {
  const auto workbook = ReadWorkbookPart(package, workbook_package::kWorkbookPart);
  const auto relationships = ReadWorkbookPart(package, workbook_package::kWorkbookRelationsPart);
  if (!workbook || !relationships) return std::nullopt;
  return reading::WorkbookSheets(*workbook, *relationships);
}

std::optional<std::vector<std::string>> WorksheetEntries(const XlsxPackage& package) {
  const auto sheets = WorkbookSheets(package);
  if (!sheets) return std::nullopt;
  std::vector<std::string> entries;
  for (const reading::SheetEntry& sheet : *sheets) entries.push_back(sheet.entry);
  return entries;
}

std::optional<std::vector<std::string>> SharedTexts(const XlsxPackage& package) {
  if (!package.Contains(std::string(workbook_package::kSharedTextsPart))) return std::vector<std::string>();
  const auto part = ReadWorkbookPart(package, workbook_package::kSharedTextsPart);
  if (!part) return std::nullopt;
  return reading::SharedTexts(*part);
}

std::vector<workbook_package::CustomProperty> CustomProperties(const XlsxPackage& package) {
  const auto part = ReadWorkbookPart(package, workbook_package::kCustomPropertiesPart);
  auto properties = part ? reading::CustomProperties(*part) : std::nullopt;
  return properties ? std::move(*properties) : std::vector<workbook_package::CustomProperty>();
}

}  // namespace soatnoma::report_files
