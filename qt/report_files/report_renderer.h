#pragma once
// The one renderer of a report sheet, for the report window, the printer and PDF files:
// cells and merged blocks with their wrapped or turned text, whole numbers where the
// number format asks for them, and the ruled grid where the sheet has borders. Sheet
// gridlines are never drawn. Works on any QPainter; no widgets.

#include <QMarginsF>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include "report_sheet/report_sheet.h"
#include "report_files/qt_sheet_layout.h"

namespace soatnoma::report_files {

// Draws the boxes with their text and ruled borders, one unit one point.
void PaintBoxes(QPainter& painter, const std::vector<CellBox>& boxes);

class ReportRenderer {
 public:
  // Lays the sheet out once; needs a QGuiApplication for fonts.
  explicit ReportRenderer(const report_sheet::ReportSheet& sheet);
  // The same with a measure shared by many sheets (text_measure.h).
  ReportRenderer(const report_sheet::ReportSheet& sheet, TextMeasure& measure);

  // The laid-out sheet A1:S22, in points: what a window scales or zooms.
  QSizeF SheetSizePoints() const { return layout_.Size(); }
  // The paper of the sheet's page setup, turned for landscape, in points.
  QSizeF PageSizePoints() const;
  // Left, top, right and bottom margins of the page setup, in points.
  QMarginsF PageMarginsPoints() const;

  // Draws the sheet with A1's top-left corner at the painter's origin, one unit one point.
  void PaintSheet(QPainter& painter) const;
  // Draws the whole page into pageRect (device units of the painter): the sheet at the
  // page's margins, at 100 percent; a sheet larger than the printable area is shrunk to
  // fit rather than cut.
  void PaintPage(QPainter& painter, const QRectF& pageRect) const;
  // Where PaintPage puts the sheet: from the sheet's points to the painter's units, so that
  // a window can find the cell under the mouse and mark cells where they are drawn.
  QTransform SheetToPage(const QRectF& pageRect) const;

  const SheetLayout& Layout() const { return layout_; }

 private:
  SheetLayout layout_;
  report_sheet::PageSetup page_;
};

}  // namespace soatnoma::report_files
