#include "workbook_parts/cell_styles.h"

#include <algorithm>
#include <utility>

#include "workbook_package/xml_tags.h"
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

void AppendNumber(std::string& xml, std::string_view name, long long number) {
  Append(xml, {" ", name, "=\"", Digits(number), "\""});
}

std::string AlignmentXml(const report_sheet::CellFormat& format) {
  std::string attributes;
  // A cell left to the general alignment and to the bottom says nothing of them.
  if (format.horizontal != report_sheet::HorizontalAlignment::General)
    Append(attributes, {" horizontal=\"", report_sheet::AlignmentName(format.horizontal), "\""});
  if (format.vertical != report_sheet::VerticalAlignment::Bottom)
    Append(attributes, {" vertical=\"", report_sheet::AlignmentName(format.vertical), "\""});
  // Text turned clockwise counts on from 90.
  if (format.orientation != 0) {
    AppendNumber(attributes, "textRotation", format.orientation > 0 ? format.orientation : 90 - format.orientation);
  }
  if (format.wrapText) attributes += " wrapText=\"1\"";
  if (format.indentLevel > 0) AppendNumber(attributes, "indent", format.indentLevel);
  if (format.shrinkToFit) attributes += " shrinkToFit=\"1\"";
  if (attributes.empty()) return attributes;
  std::string alignment;
  Append(alignment, {"<alignment", attributes, "/>"});
  return alignment;
}

void AppendCellFormat(std::string& xml, int font, int numberFormat, int border, const std::string& alignment) {
  xml += "<xf";
  AppendNumber(xml, "numFmtId", numberFormat);
  AppendNumber(xml, "fontId", font);
  xml += " fillId=\"0\"";
  AppendNumber(xml, "borderId", border);
  xml += " xfId=\"0\"";
  if (numberFormat != 0) xml += " applyNumberFormat=\"1\"";
  if (font != 0) xml += " applyFont=\"1\"";
  if (border != 0) xml += " applyBorder=\"1\"";
  if (alignment.empty()) {
    xml += "/>";
  } else {
    Append(xml, {" applyAlignment=\"1\">", alignment, "</xf>"});
  }
}

void AppendCounted(std::string& xml, std::string_view name, std::size_t count, const std::string& items) {
  Append(xml, {"<", name, " count=\"", Digits(static_cast<long long>(count)), "\">", items, "</", name, ">"});
}

}  // namespace

CellStyles::CellStyles(report_sheet::StandardFont font) : font_(std::move(font)) {
  fonts_.push_back({false, font_.size, true});
  entries_.push_back({});
}

int CellStyles::Index(const report_sheet::CellFormat& format) {
  const int font = PlaceOf(fonts_, Font{format.bold, format.fontSize.value_or(font_.size), false});
  const int numberFormat = format.numberFormat == report_sheet::kGeneralNumberFormat
                               ? 0
                               : kFirstOwnNumberFormat + PlaceOf(numberFormats_, format.numberFormat);
  const int border = format.border == report_sheet::LineStyle::Continuous ? 1 : 0;
  // Entry 0 is the standard font's alone, never a format given.
  const auto found =
      std::find(entries_.begin() + 1, entries_.end(), Entry{font, numberFormat, border, AlignmentXml(format)});
  if (found != entries_.end()) return static_cast<int>(found - entries_.begin());
  entries_.push_back({font, numberFormat, border, AlignmentXml(format)});
  return static_cast<int>(entries_.size() - 1);
}

void CellStyles::AppendFont(std::string& xml, const Font& font) const {
  Append(xml, {"<font>", font.bold ? "<b/>" : "", "<sz val=\"", ShortestRoundTripText(font.size), "\"/><name val=\"",
               workbook_package::Escaped(font_.family), "\"/><family val=\"2\"/></font>"});
}

std::string CellStyles::Xml() const {
  std::string numberFormats;
  for (std::size_t i = 0; i < numberFormats_.size(); ++i) {
    numberFormats += "<numFmt";
    AppendNumber(numberFormats, "numFmtId", kFirstOwnNumberFormat + static_cast<long long>(i));
    Append(numberFormats, {" formatCode=\"", workbook_package::Escaped(numberFormats_[i]), "\"/>"});
  }
  std::string fonts;
  for (const Font& font : fonts_) AppendFont(fonts, font);
  std::string entries;
  for (const Entry& entry : entries_)
    AppendCellFormat(entries, entry.font, entry.numberFormat, entry.border, entry.alignment);
  std::string xml(kXmlHead);
  Append(xml, {"<styleSheet xmlns=\"", kSpreadsheetNamespace, "\">"});
  if (!numberFormats_.empty()) AppendCounted(xml, "numFmts", numberFormats_.size(), numberFormats);
  AppendCounted(xml, "fonts", fonts_.size(), fonts);
  Append(xml,
         {"<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
          "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
          "<borders count=\"2\"><border><left/><right/><top/><bottom/><diagonal/></border><border>",
          kThinBorder,
          "</border></borders>"
          "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"});
  AppendCounted(xml, "cellXfs", entries_.size(), entries);
  xml += "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles></styleSheet>";
  return xml;
}

}  // namespace soatnoma::workbook_parts
