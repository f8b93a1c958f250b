#include "workbook_package/workbook_notes.h"

#include "model/relative_formula.h"
#include "workbook_package/opened_report.h"
#include "report_sheet/sheet_address.h"
#include "workbook_package/stored_number.h"
#include "workbook_package/xml_tags.h"

namespace soatnoma::workbook_package {
namespace {

constexpr std::string_view kComputedPrefix = "Soatnoma hisoblangan ";

// One property: its number among the document's properties (they start at 2), its name
// and its value's element.
std::string PropertyElement(int number, std::string_view name, std::string_view valueType, std::string_view value) {
  return "<property fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\"" + std::to_string(number) + "\" name=\"" +
         workbook_package::Escaped(name) + "\"><vt:" + std::string(valueType) + ">" +
         workbook_package::EscapedContent(value) + "</vt:" + std::string(valueType) + "></property>";
}

}  // namespace

std::string CustomPropertiesPart(const WorkbookNotes& notes) {
  std::vector<CustomProperty> properties{
      {std::string(workbook_mark::kName), std::string(workbook_mark::kValue), std::nullopt}};
  for (const ComputedHours& cell : notes.computedOfCorrected) {
    properties.push_back({ComputedHoursPropertyName(cell.row, cell.column), {}, cell.value});
  }
  return CustomPropertiesPart(properties);
}

std::string CustomPropertiesPart(const std::vector<CustomProperty>& properties) {
  std::string part =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties\" "
      "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">";
  int number = 2;
  for (const CustomProperty& property : properties) {
    part += property.number ? PropertyElement(number++, property.name, "r8", StoredNumberText(*property.number))
                            : PropertyElement(number++, property.name, "lpwstr", property.text);
  }
  return part + "</Properties>";
}

std::string ComputedHoursPropertyName(int row, int column) {
  return std::string(kComputedPrefix) + ColumnLetters(column) + std::to_string(row);
}

std::string SheetComputedHoursPropertyName(std::string_view sheetName, int row, int column) {
  return std::string(kComputedPrefix) + std::string(sheetName) + "!" + ColumnLetters(column) + std::to_string(row);
}

std::optional<SheetNamedCell> SheetCellOfComputedHoursProperty(std::string_view propertyName) {
  if (!propertyName.starts_with(kComputedPrefix)) return std::nullopt;
  const std::string_view named = propertyName.substr(kComputedPrefix.size());
  const auto mark = named.rfind('!');
  if (mark == std::string_view::npos || mark == 0) return std::nullopt;
  const auto cell = report_sheet::ReadCellName(named.substr(mark + 1));
  if (!cell) return std::nullopt;
  return SheetNamedCell{std::string(named.substr(0, mark)), {cell->firstRow, cell->firstColumn}};
}

std::optional<NamedCell> CellOfComputedHoursProperty(std::string_view propertyName) {
  if (!propertyName.starts_with(kComputedPrefix)) return std::nullopt;
  const auto cell = report_sheet::ReadCellName(propertyName.substr(kComputedPrefix.size()));
  if (!cell) return std::nullopt;
  return NamedCell{cell->firstRow, cell->firstColumn};
}

}  // namespace soatnoma::workbook_package
