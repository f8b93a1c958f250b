#pragma once
// The sheet layout in Qt's terms, for the renderer, the report window and the workbook's
// row heights: the same boxes and lines, measured by Qt's font engine.

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "report_sheet/report_sheet.h"
#include "sheet_layout/sheet_layout.h"
#include "report_files/text_measure.h"

namespace soatnoma::report_files {

struct PlacedLine {
  QString text;
  QPointF baselineStart;  // relative to the box's top-left; for turned text, before turning
};

// One cell, or one merged block drawn as a single cell.
struct CellBox {
  int row = 0;
  int column = 0;
  QRectF rect;          // points
  QFont font;           // its point size is the size on paper
  int orientation = 0;  // 0, or 90: read upwards
  bool bordered = false;
  std::vector<PlacedLine> lines;
  bool overflows = false;  // some of the text runs past the box and must be cut off there
};

class SheetLayout {
 public:
  // Needs a QGuiApplication (fonts).
  explicit SheetLayout(const report_sheet::ReportSheet& sheet);
  // The same with a measure that many sheets share, measuring each text once.
  SheetLayout(const report_sheet::ReportSheet& sheet, TextMeasure& measure);

  QSizeF Size() const { return {geometry_.Width(), geometry_.Height()}; }
  double ColumnLeft(int column) const { return geometry_.ColumnLeft(column); }
  double ColumnWidth(int column) const { return geometry_.ColumnWidth(column); }
  double RowTop(int row) const { return geometry_.RowTop(row); }
  double RowHeight(int row) const { return geometry_.RowHeight(row); }
  const std::vector<CellBox>& Boxes() const { return boxes_; }
  // The widest digit of the standard font, points: the unit of column widths.
  double StandardDigitWidth() const { return geometry_.StandardDigitWidth(); }
  const sheet_layout::SheetGeometry& Geometry() const { return geometry_; }

  static constexpr double kHorizontalPadding = sheet_layout::SheetGeometry::kHorizontalPadding;
  static constexpr double kVerticalPadding = sheet_layout::SheetGeometry::kVerticalPadding;

 private:
  explicit SheetLayout(sheet_layout::SheetGeometry geometry);

  sheet_layout::SheetGeometry geometry_;
  std::vector<CellBox> boxes_;
};

// The font of a cell, at its size in points.
QFont CellFont(const report_sheet::StandardFont& standard, const report_sheet::CellFormat& format);

// Boxes laid out elsewhere (a staff summary's printed page), in Qt's terms.
std::vector<CellBox> QtBoxes(const std::vector<sheet_layout::SheetBox>& boxes);

}  // namespace soatnoma::report_files
