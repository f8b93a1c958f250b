#include "workbook_parts/worksheet.h"

#include <set>

#include "workbook_package/stored_number.h"
#include "workbook_package/xml_tags.h"
#include "model/decimal_conversions.h"
#include "model/relative_formula.h"
#include "workbook_parts/xml_head.h"

namespace soatnoma::workbook_parts {
namespace {

void AppendNumber(std::string& xml, std::string_view name, double value) {
  Append(xml, {" ", name, "=\"", ShortestRoundTripText(value), "\""});
}

void AppendWhole(std::string& xml, std::string_view name, long long value) {
  Append(xml, {" ", name, "=\"", Digits(value), "\""});
}

void AppendCell(std::string& xml, const std::string& ref, const SheetCell& cell) {
  Append(xml, {"<c r=\"", ref, "\""});
  if (cell.style != 0) AppendWhole(xml, "s", cell.style);
  switch (cell.kind) {
    case SheetCell::Kind::FormatOnly: xml += "/>"; return;
    case SheetCell::Kind::Text: Append(xml, {" t=\"s\"><v>", Digits(cell.text), "</v></c>"}); return;
    case SheetCell::Kind::Formula:
      // A result no number can be is stored as 0.
      Append(xml, {"><f>", workbook_package::EscapedContent(cell.formula), "</f><v>",
                   workbook_package::StoredNumberText(cell.number), "</v></c>"});
      return;
    case SheetCell::Kind::Number:
      Append(xml, {"><v>", workbook_package::StoredNumberText(cell.number), "</v></c>"});
      return;
  }
}

void AppendRow(std::string& xml, const Worksheet& sheet, int row) {
  xml += "<row";
  AppendWhole(xml, "r", row);
  if (const auto height = sheet.rowHeights.find(row); height != sheet.rowHeights.end()) {
    AppendNumber(xml, "ht", height->second.points);
    if (height->second.setByHand) xml += " customHeight=\"1\"";
  }
  const auto cells = sheet.cells.find(row);
  if (cells == sheet.cells.end()) {
    xml += "/>";
    return;
  }
  xml += ">";
  const std::string rowNumber = Digits(row);
  for (const auto& [column, cell] : cells->second) AppendCell(xml, ColumnLetters(column) + rowNumber, cell);
  xml += "</row>";
}

void AppendView(std::string& xml, const Worksheet& sheet) {
  Append(xml, {"<sheetViews><sheetView", sheet.selected ? " tabSelected=\"1\"" : "", " workbookViewId=\"0\""});
  if (sheet.frozenRows <= 0) {
    xml += "/></sheetViews>";
    return;
  }
  Append(xml,
         {"><pane ySplit=\"", Digits(sheet.frozenRows), "\" topLeftCell=\"A", Digits(sheet.frozenRows + 1),
          "\" activePane=\"bottomLeft\" state=\"frozen\"/><selection pane=\"bottomLeft\"/></sheetView></sheetViews>"});
}

void AppendPrintOptions(std::string& xml, const SheetPage& page) {
  std::string options;
  if (page.centeredHorizontally) options += " horizontalCentered=\"1\"";
  if (page.centeredVertically) options += " verticalCentered=\"1\"";
  if (page.headings) options += " headings=\"1\"";
  if (page.gridLines) options += " gridLines=\"1\"";
  if (!options.empty()) Append(xml, {"<printOptions", options, "/>"});
}

void AppendPage(std::string& xml, const SheetPage& page) {
  AppendPrintOptions(xml, page);
  const SheetMargins& margins = page.margins;
  xml += "<pageMargins";
  AppendNumber(xml, "left", margins.left);
  AppendNumber(xml, "right", margins.right);
  AppendNumber(xml, "top", margins.top);
  AppendNumber(xml, "bottom", margins.bottom);
  AppendNumber(xml, "header", margins.header);
  AppendNumber(xml, "footer", margins.footer);
  xml += "/><pageSetup";
  AppendWhole(xml, "paperSize", page.paperSize);
  if (page.scale != 100 && page.scale != 0) AppendWhole(xml, "scale", page.scale);
  if (page.fitToPages && page.fitToPages->wide != 1) AppendWhole(xml, "fitToWidth", page.fitToPages->wide);
  if (page.fitToPages && page.fitToPages->tall != 1) AppendWhole(xml, "fitToHeight", page.fitToPages->tall);
  if (page.overThenDown) xml += " pageOrder=\"overThenDown\"";
  Append(xml, {" orientation=\"", page.landscape ? "landscape" : "portrait", "\""});
  if (page.firstPageNumber > 0) {
    xml += " useFirstPageNumber=\"1\"";
    AppendWhole(xml, "firstPageNumber", page.firstPageNumber);
  }
  xml += "/>";
}

void AppendColumns(std::string& xml, const std::map<int, double>& widths) {
  if (widths.empty()) return;
  xml += "<cols>";
  for (const auto& [at, width] : widths) {
    const std::string column = Digits(at);
    Append(xml, {"<col min=\"", column, "\" max=\"", column, "\""});
    AppendNumber(xml, "width", width);
    xml += " customWidth=\"1\"/>";
  }
  xml += "</cols>";
}

void AppendMerges(std::string& xml, const std::vector<std::string>& merges) {
  if (merges.empty()) return;
  xml += "<mergeCells";
  AppendWhole(xml, "count", static_cast<long long>(merges.size()));
  xml += ">";
  for (const std::string& merge : merges) Append(xml, {"<mergeCell ref=\"", merge, "\"/>"});
  xml += "</mergeCells>";
}

}  // namespace

std::string WorksheetXml(const Worksheet& sheet) {
  std::string xml;
  xml.reserve(64 * 1024);
  Append(xml, {kXmlHead, "<worksheet xmlns=\"", kSpreadsheetNamespace, "\" xmlns:r=\"", kRelationsNamespace, "\">"});
  if (sheet.page.fitToPages) xml += "<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr>";
  AppendView(xml, sheet);
  xml += "<sheetFormatPr defaultRowHeight=\"15\"/>";
  AppendColumns(xml, sheet.columnWidths);
  std::set<int> rows;
  for (const auto& [row, cells] : sheet.cells) rows.insert(row);
  for (const auto& [row, height] : sheet.rowHeights) rows.insert(row);
  xml += "<sheetData>";
  for (const int row : rows) AppendRow(xml, sheet, row);
  xml += "</sheetData>";
  AppendMerges(xml, sheet.merges);
  AppendPage(xml, sheet.page);
  if (!sheet.footer.empty()) {
    Append(xml, {"<headerFooter><oddFooter>", workbook_package::EscapedContent(sheet.footer),
                 "</oddFooter></headerFooter>"});
  }
  xml += "</worksheet>";
  return xml;
}

}  // namespace soatnoma::workbook_parts
