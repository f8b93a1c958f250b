#pragma once
// Where everything of a report sheet lies, in points from the top-left corner of cell A1:
// column widths from characters of the standard font, row heights as set or grown to fit
// wrapped and turned text, and every cell or merged block with its lines of text placed.
// Text is measured once here through the platform's measure, device-independently, so
// screen, printer, PDF and the browser all show the same line breaks.

#include <string>
#include <string_view>
#include <vector>

#include "report_sheet/report_sheet.h"
#include "sheet_layout/line_breaking.h"
#include "sheet_layout/text_metrics.h"

namespace soatnoma::sheet_layout {

struct SheetRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  friend bool operator==(const SheetRect&, const SheetRect&) = default;
};

struct SheetTextLine {
  std::string text;  // UTF-8
  // Start of the baseline relative to the box's top-left; for turned text, before turning.
  double x = 0;
  double y = 0;
  // Points: how far the whole line runs as measured, its blanks too. A screen whose text
  // runs wider or narrower at some sizes is held to it, so the line stays where it was laid.
  double advance = 0;

  friend bool operator==(const SheetTextLine&, const SheetTextLine&) = default;
};

// One cell, or one merged block laid out as a single cell.
struct SheetBox {
  int row = 0;
  int column = 0;
  SheetRect rect;       // points
  TextFont font;        // its size is the size on paper
  int orientation = 0;  // 0, or 90: read upwards
  bool bordered = false;
  std::vector<SheetTextLine> lines;
  bool overflows = false;  // some of the text runs past the box and must be cut off there

  friend bool operator==(const SheetBox&, const SheetBox&) = default;
};

class SheetGeometry {
 public:
  SheetGeometry(const report_sheet::ReportSheet& sheet, TextMetrics& metrics);

  double Width() const { return columnLeft_.back(); }
  double Height() const { return rowTop_.back(); }
  double ColumnLeft(int column) const { return columnLeft_[static_cast<std::size_t>(column - 1)]; }
  double ColumnWidth(int column) const { return ColumnLeft(column + 1) - ColumnLeft(column); }
  double RowTop(int row) const { return rowTop_[static_cast<std::size_t>(row - 1)]; }
  double RowHeight(int row) const { return RowTop(row + 1) - RowTop(row); }
  const std::vector<SheetBox>& Boxes() const { return boxes_; }
  // The widest digit of the standard font, points: the unit of column widths.
  double StandardDigitWidth() const { return digitWidth_; }

  // Spacing between cell edge and text, points.
  static constexpr double kHorizontalPadding = 2.25;
  static constexpr double kVerticalPadding = 2;

 private:
  std::vector<double> columnLeft_;  // one more than columns: the right edge of the last
  std::vector<double> rowTop_;      // one more than rows
  std::vector<SheetBox> boxes_;
  double digitWidth_ = 0;
};

// The font of a cell, at its size in points.
TextFont CellTextFont(const report_sheet::StandardFont& standard, const report_sheet::CellFormat& format);

// Places the lines of a level text in its box as a cell of the format shows them (a number
// to the right where the format does not say), marking the box when some runs past it; each
// line carries its length in the box's font, blanks included.
void PlaceLevelText(TextMetrics& metrics, SheetBox& box, const report_sheet::CellFormat& format, bool number,
                    std::string_view text, const std::vector<TextLineSpan>& lines, const FontMeasures& measures);

}  // namespace soatnoma::sheet_layout
