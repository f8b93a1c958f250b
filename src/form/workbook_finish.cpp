#include "form/workbook_finish.h"

#include <algorithm>
#include <cstdlib>

#include "form/stored_number.h"
#include "form/xml_tags.h"
#include "model/number_text.h"

namespace soatnoma {
namespace {

// The standard font's element with the size and family set and no theme scheme, which
// would make a spreadsheet take the theme's font instead of the name.
std::optional<std::string> StandardFontElement(std::string_view element, const StandardFont& font) {
  std::string changed;
  bool sized = false;
  bool named = false;
  std::size_t at = 0;
  while (const auto tag = xml::NextTag(element, at)) {
    changed.append(element.substr(at, tag->begin - at));
    at = tag->end;
    const std::string_view text = tag->Text(element);
    if (tag->kind == xml::TagKind::End || tag->kind == xml::TagKind::Other) {
      changed.append(text);
    } else if (tag->name == "sz") {
      changed += xml::WithAttribute(text, "val", NumberToText(font.size));
      sized = true;
    } else if (tag->name == "name") {
      changed += xml::WithAttribute(text, "val", font.family);
      named = true;
    } else if (tag->name == "scheme") {
      const auto end = xml::ElementEnd(element, *tag);
      if (!end) return std::nullopt;
      at = *end;
    } else {
      changed.append(text);
    }
  }
  changed.append(element.substr(at));
  if (!sized || !named) return std::nullopt;
  return changed;
}

// Before the end tag of the document's root: nothing when it has none.
std::optional<std::string> InsertedAtEnd(std::string_view xml, std::string_view rootEnd, std::string_view added) {
  const std::size_t at = xml.rfind(rootEnd);
  if (at == std::string_view::npos) return std::nullopt;
  return std::string(xml.substr(0, at)) + std::string(added) + std::string(xml.substr(at));
}

// A number cell's content (a formula's result too) with its value written as stored.
std::string WithStoredValue(std::string_view content) {
  const std::size_t open = content.find("<v>");
  const std::size_t close = content.find("</v>", open == std::string_view::npos ? 0 : open);
  if (open == std::string_view::npos || close == std::string_view::npos) return std::string(content);
  const std::string_view written = content.substr(open + 3, close - open - 3);
  const auto value = ReadStoredNumber(written);
  if (!value) return std::string(content);
  return std::string(content.substr(0, open + 3)) + StoredNumberText(*value) + std::string(content.substr(close));
}

bool HoldsNumber(std::string_view cellTag) {
  const auto type = xml::AttributeOf(cellTag, "t");
  return !type || *type == "n";
}

// One tag of a worksheet as finished; a number cell's content with it. at: just past what
// was taken; false when the cell never ends.
bool FinishTag(std::string_view xml, const xml::Tag& tag, const SheetFinish* finish, NumberTexts numbers,
               std::string& out, std::size_t& at) {
  const std::string_view text = tag.Text(xml);
  at = tag.end;
  if (tag.kind == xml::TagKind::Start && tag.name == "c" && numbers == NumberTexts::Stored && HoldsNumber(text)) {
    const std::size_t end = xml.find("</c>", tag.end);
    if (end == std::string_view::npos) return false;
    out.append(text);
    out += WithStoredValue(xml.substr(tag.end, end - tag.end));
    at = end;
    return true;
  }
  if (finish != nullptr && tag.kind != xml::TagKind::End && tag.name == "row") {
    const auto number = xml::AttributeOf(text, "r");
    const bool automatic = number && std::find(finish->automaticRows.begin(), finish->automaticRows.end(),
                                               std::atoi(std::string(*number).c_str())) != finish->automaticRows.end();
    out += automatic ? xml::WithoutAttribute(text, "customHeight") : std::string(text);
    return true;
  }
  if (finish != nullptr && tag.kind != xml::TagKind::End && tag.name == "pageMargins") {
    out += xml::WithAttribute(xml::WithAttribute(text, "header", NumberToText(finish->headerMarginInches)), "footer",
                              NumberToText(finish->footerMarginInches));
    return true;
  }
  out.append(text);
  return true;
}

}  // namespace

SheetFinish SheetFinishFor(const ReportSheet& sheet) {
  SheetFinish finish;
  finish.headerMarginInches = sheet.Page().headerMargin / 72.0;
  finish.footerMarginInches = sheet.Page().footerMargin / 72.0;
  for (int row = 1; row <= ReportSheet::kLastRow; ++row) {
    if (!sheet.RowHeight(row)) finish.automaticRows.push_back(row);
  }
  return finish;
}

std::optional<std::string> FinishedStyles(std::string_view styles, const StandardFont& font) {
  const auto fonts = xml::FindStartTag(styles, "fonts", 0);
  const auto first = fonts ? xml::FindStartTag(styles, "font", fonts->end) : std::nullopt;
  const auto end = first ? xml::ElementEnd(styles, *first) : std::nullopt;
  if (!end || first->kind != xml::TagKind::Start) return std::nullopt;
  const auto element = StandardFontElement(styles.substr(first->begin, *end - first->begin), font);
  if (!element) return std::nullopt;
  return std::string(styles.substr(0, first->begin)) + *element + std::string(styles.substr(*end));
}

std::optional<std::string> FinishedWorksheet(std::string_view worksheet, const SheetFinish* finish,
                                             NumberTexts numbers) {
  if (finish != nullptr && !xml::FindStartTag(worksheet, "pageMargins", 0)) return std::nullopt;
  std::string out;
  out.reserve(worksheet.size() + worksheet.size() / 16);
  std::size_t at = 0;
  while (const auto tag = xml::NextTag(worksheet, at)) {
    out.append(worksheet.substr(at, tag->begin - at));
    if (!FinishTag(worksheet, *tag, finish, numbers, out, at)) return std::nullopt;
  }
  out.append(worksheet.substr(at));
  return out;
}

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
                           std::string(kCustomPropertiesRelation) + "\" Target=\"" + std::string(kCustomPropertiesPart) +
                           "\"/>");
}

}  // namespace soatnoma
