#include "report_sheet/report_sheet.h"

#include <algorithm>
#include <stdexcept>

namespace soatnoma::report_sheet {

ReportSheet::ReportSheet()
    : cells_(1, kLastRow, kLastColumn),
      formats_(static_cast<std::size_t>(kLastRow * kLastColumn)),
      columnWidths_(kLastColumn, kDefaultColumnWidth),
      rowHeights_(kLastRow) {}

std::size_t ReportSheet::IndexOf(int row, int column) {
  if (!Extent().Contains(row, column)) {
    throw std::out_of_range("cell " + BlockAddress({row, column, row, column}) + " is outside the report sheet");
  }
  return static_cast<std::size_t>((row - 1) * kLastColumn + (column - 1));
}

SheetRange ReportSheet::Range(std::string_view address) { return SheetRange(*this, ParseRangeAddress(address)); }

SheetRange ReportSheet::Range(std::string_view corner, std::string_view otherCorner) {
  return SheetRange(*this, BlockFromCorners(corner, otherCorner));
}

SheetRange ReportSheet::Columns(std::string_view address) {
  const CellBlock block = ParseRangeAddress(address);
  if (!block.IsWholeColumns()) throw std::invalid_argument("not a column address: " + std::string(address));
  return SheetRange(*this, block);
}

SheetRange ReportSheet::CellAt(int row, int column) {
  IndexOf(row, column);
  return SheetRange(*this, CellBlock{row, column, row, column});
}

const CellFormat& ReportSheet::FormatAt(int row, int column) const { return formats_[IndexOf(row, column)]; }
CellFormat& ReportSheet::FormatAt(int row, int column) { return formats_[IndexOf(row, column)]; }

std::optional<CellBlock> ReportSheet::MergedBlockAt(int row, int column) const {
  for (const CellBlock& block : merged_) {
    if (block.Contains(row, column)) return block;
  }
  return std::nullopt;
}

void ReportSheet::Merge(const CellBlock& block) {
  Unmerge(block);
  if (!block.IsSingleCell()) merged_.push_back(block);
}

void ReportSheet::Unmerge(const CellBlock& touching) {
  std::erase_if(merged_, [&](const CellBlock& block) { return block.Intersects(touching); });
}

double ReportSheet::ColumnWidth(int column) const {
  IndexOf(1, column);
  return columnWidths_[static_cast<std::size_t>(column - 1)];
}

void ReportSheet::SetColumnWidth(int column, double characters) {
  IndexOf(1, column);
  if (!(characters >= 0 && characters <= 255)) throw std::invalid_argument("column width out of range");
  columnWidths_[static_cast<std::size_t>(column - 1)] = characters;
}

std::optional<double> ReportSheet::RowHeight(int row) const {
  IndexOf(row, 1);
  return rowHeights_[static_cast<std::size_t>(row - 1)];
}

void ReportSheet::SetRowHeight(int row, double points) {
  IndexOf(row, 1);
  if (!(points >= 0 && points <= 409)) throw std::invalid_argument("row height out of range");
  rowHeights_[static_cast<std::size_t>(row - 1)] = points;
}

// ---------------------------------------------------------------------------------------

namespace {

// The part of a block that lies on the sheet; a block wholly off the sheet is a mistake.
CellBlock OnSheet(const CellBlock& block) {
  const CellBlock extent = ReportSheet::Extent();
  if (!block.Intersects(extent)) {
    throw std::out_of_range("block " + BlockAddress(block) + " is outside the report sheet");
  }
  return CellBlock{std::max(block.firstRow, extent.firstRow), std::max(block.firstColumn, extent.firstColumn),
                   std::min(block.lastRow, extent.lastRow), std::min(block.lastColumn, extent.lastColumn)};
}

}  // namespace

template <typename Change>
void SheetRange::ForEachCell(Change&& change) const {
  const CellBlock cells = OnSheet(block_);
  for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
    for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
      change(sheet_->FormatAt(row, column));
    }
  }
}

SheetRange SheetRange::Cells(int row, int column) const {
  const int sheetRow = block_.firstRow + row - 1;
  const int sheetColumn = block_.firstColumn + column - 1;
  return SheetRange(*sheet_, CellBlock{sheetRow, sheetColumn, sheetRow, sheetColumn});
}

void SheetRange::SetText(std::string_view text) const {
  sheet_->Cells().SetText(block_.firstRow, block_.firstColumn, text);
}

void SheetRange::SetBold(bool bold) const {
  ForEachCell([&](CellFormat& format) { format.bold = bold; });
}

void SheetRange::SetFontSize(double points) const {
  if (!(points >= 1 && points <= 409)) throw std::invalid_argument("font size out of range");
  ForEachCell([&](CellFormat& format) { format.fontSize = points; });
}

void SheetRange::SetHorizontalAlignment(HorizontalAlignment alignment) const {
  ForEachCell([&](CellFormat& format) { format.horizontal = alignment; });
}

void SheetRange::SetVerticalAlignment(VerticalAlignment alignment) const {
  ForEachCell([&](CellFormat& format) { format.vertical = alignment; });
}

void SheetRange::SetWrapText(bool wrap) const {
  ForEachCell([&](CellFormat& format) { format.wrapText = wrap; });
}

void SheetRange::SetOrientation(int degrees) const {
  if (degrees < -90 || degrees > 90) throw std::invalid_argument("text orientation out of range");
  ForEachCell([&](CellFormat& format) { format.orientation = degrees; });
}

void SheetRange::SetAddIndent(bool addIndent) const {
  ForEachCell([&](CellFormat& format) { format.addIndent = addIndent; });
}

void SheetRange::SetIndentLevel(int level) const {
  if (level < 0 || level > 250) throw std::invalid_argument("indent level out of range");
  ForEachCell([&](CellFormat& format) { format.indentLevel = level; });
}

void SheetRange::SetShrinkToFit(bool shrink) const {
  ForEachCell([&](CellFormat& format) { format.shrinkToFit = shrink; });
}

void SheetRange::SetReadingOrder(ReadingOrder order) const {
  ForEachCell([&](CellFormat& format) { format.readingOrder = order; });
}

void SheetRange::SetNumberFormat(std::string_view code) const {
  ForEachCell([&](CellFormat& format) { format.numberFormat.assign(code); });
}

void SheetRange::SetBorders(LineStyle style) const {
  ForEachCell([&](CellFormat& format) { format.border = style; });
}

void SheetRange::SetMergeCells(bool merge) const {
  const CellBlock cells = OnSheet(block_);
  if (merge) {
    sheet_->Merge(cells);
  } else {
    sheet_->Unmerge(cells);
  }
}

void SheetRange::SetRowHeight(double points) const {
  const CellBlock cells = OnSheet(block_);
  for (int row = cells.firstRow; row <= cells.lastRow; ++row) sheet_->SetRowHeight(row, points);
}

void SheetRange::SetColumnWidth(double characters) const {
  const CellBlock cells = OnSheet(block_);
  for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
    sheet_->SetColumnWidth(column, characters);
  }
}

}  // namespace soatnoma::report_sheet
