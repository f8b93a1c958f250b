#include "workbook_parts/cell_styles.h"

#include <algorithm>
#include <utility>

#include "form/xml_tags.h"
#include "model/decimal_conversions.h"
#include "workbook_parts/xml_head.h"

namespace soatnoma::workbook_parts {
namespace {

// The first number format a workbook may define for itself; those below are built in.
constexpr int kFirstOwnNumberFormat = 164;

constexpr std::string_view kThinBorder =
    "<left style=\"thin\"><color auto=\"1\"/></left><right style=\"thin\"><color auto=\"1\"/></right>"
    "<top style=\"thin\"><color auto=\"1\"/></top><bottom style=\"thin\"><color auto=\"1\"/></bottom><diagonal/>";

// The place of the value in the list, adding it at the end the first time.
template <typename Value>
int PlaceOf(std::vector<Value>& values, const Value& value) {
  const auto found = std::find(values.begin(), values.end(), value);
  if (found != values.end()) return static_cast<int>(found - values.begin());
  values.push_back(value);
  return static_cast<int>(values.size() - 1);
}

const char* HorizontalName(HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::Left: return "left";
    case HorizontalAlignment::Center: return "center";
    case HorizontalAlignment::Right: return "right";
    case HorizontalAlignment::General: break;
  }
  return nullptr;
}

const char* VerticalName(VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::Top: return "top";
    case VerticalAlignment::Center: return "center";
    case VerticalAlignment::Bottom: break;
  }
  return nullptr;
}

std::string AlignmentXml(const CellFormat& format) {
  std::string attributes;
  if (const char* horizontal = HorizontalName(format.horizontal)) attributes += " horizontal=\"" + std::string(horizontal) + "\"";
  if (const char* vertical = VerticalName(format.vertical)) attributes += " vertical=\"" + std::string(vertical) + "\"";
  // Text turned clockwise counts on from 90.
  if (format.orientation != 0) {
    const int rotation = format.orientation > 0 ? format.orientation : 90 - format.orientation;
    attributes += " textRotation=\"" + std::to_string(rotation) + "\"";
  }
  if (format.wrapText) attributes += " wrapText=\"1\"";
  if (format.indentLevel > 0) attributes += " indent=\"" + std::to_string(format.indentLevel) + "\"";
  if (format.shrinkToFit) attributes += " shrinkToFit=\"1\"";
  return attributes.empty() ? std::string() : "<alignment" + attributes + "/>";
}

std::string CellFormatXml(int font, int numberFormat, int border, const std::string& alignment) {
  std::string xf = "<xf numFmtId=\"" + std::to_string(numberFormat) + "\" fontId=\"" + std::to_string(font) +
                   "\" fillId=\"0\" borderId=\"" + std::to_string(border) + "\" xfId=\"0\"";
  if (numberFormat != 0) xf += " applyNumberFormat=\"1\"";
  if (font != 0) xf += " applyFont=\"1\"";
  if (border != 0) xf += " applyBorder=\"1\"";
  if (!alignment.empty()) xf += " applyAlignment=\"1\"";
  return alignment.empty() ? xf + "/>" : xf + ">" + alignment + "</xf>";
}

std::string Counted(std::string_view name, std::size_t count, const std::string& items) {
  return "<" + std::string(name) + " count=\"" + std::to_string(count) + "\">" + items + "</" + std::string(name) + ">";
}

}  // namespace

CellStyles::CellStyles(StandardFont font) : font_(std::move(font)) {
  fonts_.push_back({false, font_.size, true});
  entries_.push_back({});
}

int CellStyles::Index(const CellFormat& format) {
  const int font = PlaceOf(fonts_, Font{format.bold, format.fontSize.value_or(font_.size), false});
  const int numberFormat = format.numberFormat == kGeneralNumberFormat
                               ? 0
                               : kFirstOwnNumberFormat + PlaceOf(numberFormats_, format.numberFormat);
  const int border = format.border == LineStyle::Continuous ? 1 : 0;
  // Entry 0 is the standard font's alone, never a format given.
  const auto found = std::find(entries_.begin() + 1, entries_.end(), Entry{font, numberFormat, border, AlignmentXml(format)});
  if (found != entries_.end()) return static_cast<int>(found - entries_.begin());
  entries_.push_back({font, numberFormat, border, AlignmentXml(format)});
  return static_cast<int>(entries_.size() - 1);
}

std::string CellStyles::FontXml(const Font& font) const {
  return std::string("<font>") + (font.bold ? "<b/>" : "") + "<sz val=\"" + ShortestRoundTripText(font.size) +
         "\"/><name val=\"" + xml::Escaped(font_.family) + "\"/><family val=\"2\"/></font>";
}

std::string CellStyles::Xml() const {
  std::string numberFormats;
  for (std::size_t i = 0; i < numberFormats_.size(); ++i) {
    numberFormats += "<numFmt numFmtId=\"" + std::to_string(kFirstOwnNumberFormat + static_cast<int>(i)) +
                     "\" formatCode=\"" + xml::Escaped(numberFormats_[i]) + "\"/>";
  }
  std::string fonts;
  for (const Font& font : fonts_) fonts += FontXml(font);
  std::string entries;
  for (const Entry& entry : entries_) entries += CellFormatXml(entry.font, entry.numberFormat, entry.border, entry.alignment);
  std::string xml(kXmlHead);
  xml += "<styleSheet xmlns=\"" + std::string(kSpreadsheetNamespace) + "\">";
  if (!numberFormats_.empty()) xml += Counted("numFmts", numberFormats_.size(), numberFormats);
  xml += Counted("fonts", fonts_.size(), fonts);
  xml += "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
         "<fill><patternFill patternType=\"gray125\"/></fill></fills>";
  xml += "<borders count=\"2\"><border><left/><right/><top/><bottom/><diagonal/></border><border>" +
         std::string(kThinBorder) + "</border></borders>";
  xml += "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>";
  xml += Counted("cellXfs", entries_.size(), entries);
  return xml + "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles></styleSheet>";
}

}  // namespace soatnoma::workbook_parts
