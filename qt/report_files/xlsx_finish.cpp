#include "report_files/xlsx_finish.h"

#include <algorithm>
#include <pugixml.hpp>
#include <sstream>

#include "model/number_text.h"
#include "report_files/xlsx_package.h"

namespace soatnoma {
namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration;

std::string Serialize(const pugi::xml_document& document) {
  std::ostringstream out;
  document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
  return out.str();
}

// The first font of the style sheet is the workbook's standard font.
bool SetStandardFont(pugi::xml_document& styles, const StandardFont& font) {
  pugi::xml_node standard = styles.child("styleSheet").child("fonts").child("font");
  if (!standard) return false;
  standard.child("sz").attribute("val").set_value(NumberToText(font.size).c_str());
  standard.child("name").attribute("val").set_value(font.family.c_str());
  // A theme scheme would make a spreadsheet take the theme's font instead of the name.
  standard.remove_child("scheme");
  return true;
}

bool FinishSheet(pugi::xml_document& sheet, const XlsxSheetFinish& finish) {
  pugi::xml_node worksheet = sheet.child("worksheet");
  pugi::xml_node margins = worksheet.child("pageMargins");
  if (!margins) return false;
  margins.attribute("header").set_value(NumberToText(finish.headerMarginInches).c_str());
  margins.attribute("footer").set_value(NumberToText(finish.footerMarginInches).c_str());
  for (pugi::xml_node row : worksheet.child("sheetData").children("row")) {
    const int number = row.attribute("r").as_int();
    if (std::find(finish.automaticRows.begin(), finish.automaticRows.end(), number) != finish.automaticRows.end()) {
      row.remove_attribute("customHeight");
    }
  }
  return true;
}

// Reads, changes and puts back one XML part of the package.
template <typename Change>
bool ChangePart(XlsxPackage& package, const std::string& entry, Change&& change) {
  const auto text = package.Read(entry);
  pugi::xml_document document;
  if (!text || !document.load_buffer(text->data(), text->size(), kParseOptions) || !change(document)) return false;
  return package.Replace(entry, Serialize(document));
}

}  // namespace

std::string SheetEntry(int sheetNumber) { return "xl/worksheets/sheet" + std::to_string(sheetNumber) + ".xml"; }

bool FinishWorkbook(const std::string& path, const XlsxFinish& finish, std::string& detail) {
  auto package = XlsxPackage::Open(path, detail);
  if (!package) return false;
  bool finished = ChangePart(*package, kStylesEntry,
                             [&](pugi::xml_document& styles) { return SetStandardFont(styles, finish.font); });
  for (const XlsxSheetFinish& sheet : finish.sheets) {
    finished = finished && ChangePart(*package, SheetEntry(sheet.sheetNumber),
                                      [&](pugi::xml_document& part) { return FinishSheet(part, sheet); });
  }
  if (!finished) {
    detail = "xlsx";
    return false;
  }
  return package->Save(detail);
}

}  // namespace soatnoma
