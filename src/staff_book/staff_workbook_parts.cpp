#include "staff_book/staff_workbook_parts.h"

#include "model/decimal_conversions.h"

namespace soatnoma::batch {
namespace {

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string StoredNumberText(double value) { return ShortestRoundTripText(value == 0 ? 0.0 : value); }

std::string CustomPropertiesXml(const std::vector<CustomProperty>& properties) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Properties "
      "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties\" "
      "xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">";
  int id = 2;  // the first number a custom property may have
  for (const CustomProperty& property : properties) {
    xml += "<property fmtid=\"{D5CDD505-2E9C-101B-9397-08002B2CF9AE}\" pid=\"" + std::to_string(id++) + "\" name=\"" +
           Escaped(property.name) + "\">";
    xml += property.number ? "<vt:r8>" + StoredNumberText(*property.number) + "</vt:r8>"
                           : "<vt:lpwstr>" + Escaped(property.text) + "</vt:lpwstr>";
    xml += "</property>";
  }
  return xml + "</Properties>";
}

}  // namespace soatnoma::batch
