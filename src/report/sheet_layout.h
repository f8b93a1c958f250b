#pragma once
// Where everything of a report sheet lies, in points from the top-left corner of cell A1:
// column widths from characters of the standard font, row heights as set or grown to fit
// wrapped and turned text, and every cell or merged block with its lines of text placed.
// Text is measured once here, device-independently, so screen, printer and PDF all show
// the same line breaks.

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "report/report_sheet.h"
#include "report/text_measure.h"

namespace soatnoma {

struct PlacedLine {
  QString text;
  QPointF baselineStart;  // relative to the box's top-left; for turned text, before turning
};

// One cell, or one merged block drawn as a single cell.
struct CellBox {
  int row = 0;
  int column = 0;
  QRectF rect;         // points
  QFont font;          // its point size is the size on paper
  int orientation = 0; // 0, or 90: read upwards
  bool bordered = false;
  std::vector<PlacedLine> lines;
  bool overflows = false;  // some of the text runs past the box and must be cut off there
};

class SheetLayout {
 public:
  // Needs a QGuiApplication (fonts).
  explicit SheetLayout(const ReportSheet& sheet);
  // The same with a measure that many sheets share, measuring each text once.
  SheetLayout(const ReportSheet& sheet, TextMeasure& measure);

  QSizeF Size() const { return {columnLeft_.back(), rowTop_.back()}; }
  double ColumnLeft(int column) const { return columnLeft_[static_cast<std::size_t>(column - 1)]; }
  double ColumnWidth(int column) const { return ColumnLeft(column + 1) - ColumnLeft(column); }
  double RowTop(int row) const { return rowTop_[static_cast<std::size_t>(row - 1)]; }
  double RowHeight(int row) const { return RowTop(row + 1) - RowTop(row); }
  const std::vector<CellBox>& Boxes() const { return boxes_; }
  // The widest digit of the standard font, points: the unit of column widths.
  double StandardDigitWidth() const { return digitWidth_; }

  // Spacing between cell edge and text, points.
  static constexpr double kHorizontalPadding = 2.25;
  static constexpr double kVerticalPadding = 2;

 private:
  void Lay(const ReportSheet& sheet, TextMeasure& measure);

  std::vector<double> columnLeft_;  // one more than columns: the right edge of the last
  std::vector<double> rowTop_;      // one more than rows
  std::vector<CellBox> boxes_;
  double digitWidth_ = 0;
};

// The font of a cell, at its size in points.
QFont CellFont(const StandardFont& standard, const CellFormat& format);

}  // namespace soatnoma
