#include "report_description.h"

#include <vector>

#include "json_writer.h"
#include "model/relative_formula.h"
#include "report_sheet/cell_display.h"
#include "workbook_package/workbook_notes.h"
#include "model/workload_table.h"

namespace soatnoma::module {
namespace {

std::string CellName(int row, int column) { return ColumnLetters(column) + std::to_string(row); }

const char* KindName(CellKind kind) {
  switch (kind) {
    case CellKind::Number: return "number";
    case CellKind::Text: return "text";
    case CellKind::Formula: return "formula";
    case CellKind::Empty: break;
  }
  return "empty";
}

}  // namespace

void WriteFormats(JsonWriter& json, const std::vector<report_sheet::CellFormat>& formats,
                  const report_sheet::StandardFont& font) {
  json.Key("formats").BeginArray();
  for (const report_sheet::CellFormat& format : formats) {
    json.BeginObject();
    json.Key("bold").Bool(format.bold);
    json.Key("fontSize").Number(format.fontSize.value_or(font.size));
    json.Key("horizontal").String(report_sheet::AlignmentName(format.horizontal));
    json.Key("vertical").String(report_sheet::AlignmentName(format.vertical));
    json.Key("wrapText").Bool(format.wrapText);
    json.Key("rotation").Integer(format.orientation);
    json.Key("indent").Integer(format.indentLevel);
    json.Key("shrinkToFit").Bool(format.shrinkToFit);
    json.Key("numberFormat").String(format.numberFormat);
    json.Key("border").String(format.border == report_sheet::LineStyle::Continuous ? "thin" : "none");
    json.EndObject();
  }
  json.EndArray();
}

namespace {

// The distinct formats of the sheet; the first is a cell's format left as it was.
class FormatTable {
 public:
  FormatTable() : formats_{report_sheet::CellFormat{}} {}

  std::size_t IndexOf(const report_sheet::CellFormat& format) {
    for (std::size_t i = 0; i < formats_.size(); ++i) {
      if (formats_[i] == format) return i;
    }
    formats_.push_back(format);
    return formats_.size() - 1;
  }

  void Write(JsonWriter& json, const report_sheet::StandardFont& font) const { WriteFormats(json, formats_, font); }

 private:
  std::vector<report_sheet::CellFormat> formats_;
};

void WriteCells(JsonWriter& json, const report_sheet::ReportSheet& sheet, FormatTable& formats) {
  const CellGrid& cells = sheet.Cells();
  json.Key("cells").BeginArray();
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
      const auto merged = sheet.MergedBlockAt(row, column);
      if (merged && (merged->firstRow != row || merged->firstColumn != column)) continue;
      const CellKind kind = cells.KindAt(row, column);
      const std::size_t format = formats.IndexOf(sheet.FormatAt(row, column));
      json.BeginObject();
      json.Key("ref").String(CellName(row, column));
      json.Key("row").Integer(row).Key("column").Integer(column);
      json.Key("kind").String(KindName(kind));
      if (kind == CellKind::Text) json.Key("text").String(cells.TextAt(row, column));
      if (kind == CellKind::Number || kind == CellKind::Formula)
        json.Key("value").Number(cells.ReadNumber(row, column));
      if (kind == CellKind::Formula) json.Key("formula").String(cells.FormulaAt(row, column)->ToA1(row, column));
      json.Key("display").String(report_sheet::DisplayedText(sheet, row, column));
      json.Key("format").Integer(static_cast<long long>(format));
      json.EndObject();
    }
  }
  json.EndArray();
  json.Key("merges").BeginArray();
  for (const report_sheet::CellBlock& block : sheet.MergedBlocks()) {
    json.BeginObject().Key("ref").String(report_sheet::BlockAddress(block));
    json.Key("firstRow").Integer(block.firstRow).Key("firstColumn").Integer(block.firstColumn);
    json.Key("lastRow").Integer(block.lastRow).Key("lastColumn").Integer(block.lastColumn);
    json.EndObject();
  }
  json.EndArray();
}

void WriteSizes(JsonWriter& json, const sheet_layout::SheetGeometry& layout) {
  json.Key("columns").BeginArray();
  for (int column = 1; column <= report_sheet::ReportSheet::kLastColumn; ++column) {
    json.BeginObject().Key("left").Number(layout.ColumnLeft(column)).Key("width").Number(layout.ColumnWidth(column));
    json.EndObject();
  }
  json.EndArray();
  json.Key("rows").BeginArray();
  for (int row = 1; row <= report_sheet::ReportSheet::kLastRow; ++row) {
    json.BeginObject().Key("top").Number(layout.RowTop(row)).Key("height").Number(layout.RowHeight(row));
    json.EndObject();
  }
  json.EndArray();
  json.Key("width").Number(layout.Width());
  json.Key("height").Number(layout.Height());
}

}  // namespace

void WriteBoxes(JsonWriter& json, const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                int firstRow, int lastRow) {
  WriteBoxes(json, &sheet, layout.Boxes(), firstRow, lastRow);
}

void WriteBoxes(JsonWriter& json, const report_sheet::ReportSheet* sheet,
                const std::vector<sheet_layout::SheetBox>& boxes, int firstRow, int lastRow) {
  json.Key("boxes").BeginArray();
  for (const sheet_layout::SheetBox& box : boxes) {
    if (box.row < firstRow || box.row > lastRow) continue;
    // A box of no cell (a page's number) is named by its place in the list.
    WriteBox(json, sheet, box,
             box.row > 0 ? CellName(box.row, box.column) : "box" + std::to_string(&box - boxes.data()));
  }
  json.EndArray();
}

void WriteBox(JsonWriter& json, const report_sheet::ReportSheet* sheet, const sheet_layout::SheetBox& box,
              const std::string& ref) {
  json.BeginObject();
  json.Key("ref").String(ref);
  json.Key("row").Integer(box.row);
  json.Key("column").Integer(box.column);
  if (sheet != nullptr && box.row > 0)
    json.Key("value").String(report_sheet::DisplayedText(*sheet, box.row, box.column));
  json.Key("left").Number(box.rect.left);
  json.Key("top").Number(box.rect.top);
  json.Key("width").Number(box.rect.width);
  json.Key("height").Number(box.rect.height);
  json.Key("fontSize").Number(box.font.size);
  json.Key("bold").Bool(box.font.bold);
  json.Key("orientation").Integer(box.orientation);
  json.Key("bordered").Bool(box.bordered);
  json.Key("overflows").Bool(box.overflows);
  json.Key("lines").BeginArray();
  for (const sheet_layout::SheetTextLine& line : box.lines) {
    json.BeginObject().Key("text").String(line.text).Key("x").Number(line.x).Key("y").Number(line.y);
    json.Key("advance").Number(line.advance).EndObject();
  }
  json.EndArray();
  json.EndObject();
}

namespace {

void WritePage(JsonWriter& json, const report_sheet::PageSetup& page, const sheet_layout::SheetGeometry& layout) {
  const report_sheet::PaperPoints paper = report_sheet::PagePoints(page);
  const report_sheet::SheetPlacement placement = report_sheet::PlaceSheet(page, layout.Width(), layout.Height());
  json.Key("page").BeginObject();
  json.Key("orientation")
      .String(page.orientation == report_sheet::PageOrientation::Landscape ? "landscape" : "portrait");
  json.Key("paperSize").Integer(static_cast<int>(page.paperSize));
  json.Key("width").Number(paper.width);
  json.Key("height").Number(paper.height);
  json.Key("sheet").BeginObject();
  json.Key("left").Number(placement.left).Key("top").Number(placement.top).Key("scale").Number(placement.scale);
  json.EndObject();
  json.Key("margins").BeginObject();
  json.Key("left").Number(page.leftMargin);
  json.Key("right").Number(page.rightMargin);
  json.Key("top").Number(page.topMargin);
  json.Key("bottom").Number(page.bottomMargin);
  json.Key("header").Number(page.headerMargin);
  json.Key("footer").Number(page.footerMargin);
  json.EndObject();
  json.Key("centerHorizontally").Bool(page.centerHorizontally);
  json.Key("centerVertically").Bool(page.centerVertically);
  json.Key("printGridlines").Bool(page.printGridlines);
  json.Key("printHeadings").Bool(page.printHeadings);
  json.Key("zoom").Integer(page.zoom);
  json.Key("firstPageNumber")
      .Integer(page.firstPageNumber == report_sheet::kAutomaticFirstPageNumber ? 0 : page.firstPageNumber);
  json.Key("overThenDown").Bool(page.order == report_sheet::PageOrder::OverThenDown);
  json.EndObject();
}

// The table's row titles as a phone pins them beside the months: the section number, the kind
// of work in a few words, and the whole title for a tap and a reader of the screen.
void WriteRowTitles(JsonWriter& json) {
  json.Key("rowTitles").BeginArray();
  for (int row = kFirstWorkRow; row <= kLastWorkRow; ++row) {
    json.BeginObject().Key("row").Integer(row).Key("section").String(SectionNumber(row));
    json.Key("short").String(RowShortTitle(row)).Key("whole").String(RowTitle(row)).EndObject();
  }
  json.EndArray();
}

}  // namespace

std::string DescribeReport(const report_sheet::ReportSheet& sheet, const sheet_layout::SheetGeometry& layout,
                           ReportDetail detail) {
  JsonWriter json;
  FormatTable formats;
  json.Reserve(160000);
  json.BeginObject();
  json.Key("font")
      .BeginObject()
      .Key("family")
      .String(sheet.Font().family)
      .Key("size")
      .Number(sheet.Font().size)
      .EndObject();
  if (detail == ReportDetail::Drawn) {
    json.Key("width").Number(layout.Width()).Key("height").Number(layout.Height());
  } else {
    WriteCells(json, sheet, formats);
    formats.Write(json, sheet.Font());
    WriteSizes(json, layout);
  }
  WriteBoxes(json, sheet, layout, 1, report_sheet::ReportSheet::kLastRow);
  if (detail == ReportDetail::Drawn) WriteRowTitles(json);
  WritePage(json, sheet.Page(), layout);
  json.Key("sheetName").String(workbook_package::kReportSheetName);
  json.EndObject();
  return json.Text();
}

}  // namespace soatnoma::module
