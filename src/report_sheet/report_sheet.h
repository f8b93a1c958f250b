#pragma once
// The report worksheet held in memory: rows 1 to 22 by columns A to S with their values,
// texts and formulas (a CellGrid, so the distribution and the rounding pass run on it
// directly), every cell's format, the merged blocks, column widths, row heights, the page
// setup and the workbook's standard font. Formats are changed through SheetRange handles,
// the way a spreadsheet host is asked: Range("O1:S1").SetBold(true).

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/cell_grid.h"
#include "report_sheet/cell_format.h"
#include "report_sheet/page_setup.h"
#include "report_sheet/sheet_address.h"

namespace soatnoma::report_sheet {

class ReportSheet;

// The workbook's standard font: the font of every cell that sets no size of its own,
// and the unit of column widths (characters of this font).
struct StandardFont {
  std::string family = "DejaVu Sans";
  double size = 9;  // points
  friend bool operator==(const StandardFont&, const StandardFont&) = default;
};

// A handle on a block of a sheet: one cell, a block or whole columns. Each setter applies
// to every cell of the block that lies on the sheet.
class SheetRange {
 public:
  SheetRange(ReportSheet& sheet, CellBlock block) : sheet_(&sheet), block_(block) {}

  const CellBlock& Block() const { return block_; }
  // Cells(1, 1) is the block's top-left cell.
  SheetRange Cells(int row, int column) const;

  // The cell's value as typed: a text that reads as a number is stored as the number;
  // everything else, a text beginning with "=" included, stays text. Top-left cell only.
  void SetText(std::string_view text) const;

  void SetBold(bool bold) const;
  void SetFontSize(double points) const;
  void SetHorizontalAlignment(HorizontalAlignment alignment) const;
  void SetVerticalAlignment(VerticalAlignment alignment) const;
  void SetWrapText(bool wrap) const;
  void SetOrientation(int degrees) const;  // -90..90
  void SetAddIndent(bool addIndent) const;
  void SetIndentLevel(int level) const;
  void SetShrinkToFit(bool shrink) const;
  void SetReadingOrder(ReadingOrder order) const;
  void SetNumberFormat(std::string_view code) const;
  void SetBorders(LineStyle style) const;
  // True: the block becomes one cell showing its top-left cell; blocks it overlaps are
  // undone first. False: every merged block that the range touches is undone.
  void SetMergeCells(bool merge) const;
  void SetRowHeight(double points) const;        // every row of the block
  void SetColumnWidth(double characters) const;  // every column of the block

 private:
  template <typename Change>
  void ForEachCell(Change&& change) const;

  ReportSheet* sheet_;
  CellBlock block_;
};

class ReportSheet {
 public:
  static constexpr int kLastRow = 22;
  static constexpr int kLastColumn = 19;               // S
  static constexpr double kDefaultColumnWidth = 8.43;  // characters

  ReportSheet();

  CellGrid& Cells() { return cells_; }
  const CellGrid& Cells() const { return cells_; }

  // The host's ways of naming a block.
  SheetRange Range(std::string_view address);  // "O1:S1", "A4", "A:A", "C:S"
  SheetRange Range(std::string_view corner, std::string_view otherCorner);
  SheetRange Columns(std::string_view address);  // "A:A"
  SheetRange CellAt(int row, int column);

  const CellFormat& FormatAt(int row, int column) const;
  CellFormat& FormatAt(int row, int column);

  std::span<const CellBlock> MergedBlocks() const { return merged_; }
  // The merged block that holds the cell, if any.
  std::optional<CellBlock> MergedBlockAt(int row, int column) const;
  void Merge(const CellBlock& block);
  void Unmerge(const CellBlock& touching);

  double ColumnWidth(int column) const;
  void SetColumnWidth(int column, double characters);
  // Points; nullopt while the row keeps its automatic height.
  std::optional<double> RowHeight(int row) const;
  void SetRowHeight(int row, double points);

  PageSetup& Page() { return page_; }
  const PageSetup& Page() const { return page_; }
  const StandardFont& Font() const { return font_; }

  // The block of the sheet that exists: A1:S22.
  static constexpr CellBlock Extent() { return CellBlock{1, 1, kLastRow, kLastColumn}; }

 private:
  static std::size_t IndexOf(int row, int column);

  CellGrid cells_;
  std::vector<CellFormat> formats_;
  std::vector<CellBlock> merged_;
  std::vector<double> columnWidths_;
  std::vector<std::optional<double>> rowHeights_;
  PageSetup page_;
  StandardFont font_;
};

}  // namespace soatnoma::report_sheet
