#include "workbook_parts/worksheet.h"

#include <cmath>
#include <set>

#include "model/relative_formula.h"
#include "form/stored_number.h"
#include "form/xml_tags.h"
#include "model/decimal_conversions.h"
#include "workbook_parts/xml_head.h"

namespace soatnoma::workbook_parts {
namespace {

std::string Number(double value) { return ShortestRoundTripText(value); }

std::string Attribute(std::string_view name, const std::string& value) {
  return " " + std::string(name) + "=\"" + value + "\"";
}

void AppendCell(std::string& xml, const std::string& ref, const SheetCell& cell) {
  xml += "<c r=\"" + ref + "\"";
  if (cell.style != 0) xml += Attribute("s", std::to_string(cell.style));
  switch (cell.kind) {
    case SheetCell::Kind::FormatOnly: xml += "/>"; return;
    case SheetCell::Kind::Text: xml += " t=\"s\"><v>" + std::to_string(cell.text) + "</v></c>"; return;
    case SheetCell::Kind::Formula:
      // A result no number can be is stored as 0.
      xml += "><f>" + xml::EscapedContent(cell.formula) + "</f><v>" + StoredNumberText(cell.number) + "</v></c>";
      return;
    case SheetCell::Kind::Number: xml += "><v>" + StoredNumberText(cell.number) + "</v></c>"; return;
  }
}

void AppendRows(std::string& xml, const Worksheet& sheet) {
  std::set<int> rows;
  for (const auto& [row, cells] : sheet.cells) rows.insert(row);
  for (const auto& [row, height] : sheet.rowHeights) rows.insert(row);
  xml += "<sheetData>";
  for (const int row : rows) {
    xml += "<row r=\"" + std::to_string(row) + "\"";
    if (const auto height = sheet.rowHeights.find(row); height != sheet.rowHeights.end()) {
      xml += Attribute("ht", Number(height->second.points));
      if (height->second.setByHand) xml += " customHeight=\"1\"";
    }
    const auto cells = sheet.cells.find(row);
    if (cells == sheet.cells.end()) {
      xml += "/>";
      continue;
    }
    xml += ">";
    const std::string rowNumber = std::to_string(row);
    for (const auto& [column, cell] : cells->second) AppendCell(xml, ColumnLetters(column) + rowNumber, cell);
    xml += "</row>";
  }
  xml += "</sheetData>";
}

std::string ViewXml(const Worksheet& sheet) {
  const std::string tab = sheet.selected ? " tabSelected=\"1\"" : "";
  if (sheet.frozenRows <= 0) return "<sheetViews><sheetView" + tab + " workbookViewId=\"0\"/></sheetViews>";
  return "<sheetViews><sheetView" + tab + " workbookViewId=\"0\"><pane ySplit=\"" + std::to_string(sheet.frozenRows) +
         "\" topLeftCell=\"A" + std::to_string(sheet.frozenRows + 1) +
         "\" activePane=\"bottomLeft\" state=\"frozen\"/><selection pane=\"bottomLeft\"/></sheetView></sheetViews>";
}

std::string PrintOptionsXml(const SheetPage& page) {
  std::string options;
  if (page.centeredHorizontally) options += " horizontalCentered=\"1\"";
  if (page.centeredVertically) options += " verticalCentered=\"1\"";
  if (page.headings) options += " headings=\"1\"";
  if (page.gridLines) options += " gridLines=\"1\"";
  return options.empty() ? std::string() : "<printOptions" + options + "/>";
}

std::string PageSetupXml(const SheetPage& page) {
  std::string setup = Attribute("paperSize", std::to_string(page.paperSize));
  if (page.scale != 100 && page.scale != 0) setup += Attribute("scale", std::to_string(page.scale));
  if (page.fitToPages) {
    if (page.fitToPages->wide != 1) setup += Attribute("fitToWidth", std::to_string(page.fitToPages->wide));
    if (page.fitToPages->tall != 1) setup += Attribute("fitToHeight", std::to_string(page.fitToPages->tall));
  }
  if (page.overThenDown) setup += " pageOrder=\"overThenDown\"";
  setup += Attribute("orientation", page.landscape ? "landscape" : "portrait");
  if (page.firstPageNumber > 0) {
    setup += " useFirstPageNumber=\"1\"" + Attribute("firstPageNumber", std::to_string(page.firstPageNumber));
  }
  const SheetMargins& margins = page.margins;
  return PrintOptionsXml(page) + "<pageMargins" + Attribute("left", Number(margins.left)) +
         Attribute("right", Number(margins.right)) + Attribute("top", Number(margins.top)) +
         Attribute("bottom", Number(margins.bottom)) + Attribute("header", Number(margins.header)) +
         Attribute("footer", Number(margins.footer)) + "/><pageSetup" + setup + "/>";
}

std::string ColumnsXml(const std::vector<double>& widths) {
  if (widths.empty()) return {};
  std::string xml = "<cols>";
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const std::string column = std::to_string(i + 1);
    xml += "<col min=\"" + column + "\" max=\"" + column + "\"" + Attribute("width", Number(widths[i])) +
           " customWidth=\"1\"/>";
  }
  return xml + "</cols>";
}

std::string MergesXml(const std::vector<std::string>& merges) {
  if (merges.empty()) return {};
  std::string xml = "<mergeCells count=\"" + std::to_string(merges.size()) + "\">";
  for (const std::string& merge : merges) xml += "<mergeCell ref=\"" + merge + "\"/>";
  return xml + "</mergeCells>";
}

}  // namespace

std::string WorksheetXml(const Worksheet& sheet) {
  std::string xml(kXmlHead);
  xml.reserve(64 * 1024);
  xml += "<worksheet xmlns=\"" + std::string(kSpreadsheetNamespace) + "\" xmlns:r=\"" +
         std::string(kRelationsNamespace) + "\">";
  if (sheet.page.fitToPages) xml += "<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr>";
  xml += ViewXml(sheet) + "<sheetFormatPr defaultRowHeight=\"15\"/>" + ColumnsXml(sheet.columnWidths);
  AppendRows(xml, sheet);
  xml += MergesXml(sheet.merges) + PageSetupXml(sheet.page);
  if (!sheet.footer.empty()) xml += "<headerFooter><oddFooter>" + xml::EscapedContent(sheet.footer) + "</oddFooter></headerFooter>";
  return xml + "</worksheet>";
}

}  // namespace soatnoma::workbook_parts
