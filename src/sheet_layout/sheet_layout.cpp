#include "sheet_layout/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>
#include <utility>

#include "report_sheet/cell_display.h"
#include "sheet_layout/line_breaking.h"

namespace soatnoma::sheet_layout {
namespace {

constexpr double kHorizontalPadding = SheetGeometry::kHorizontalPadding;
constexpr double kVerticalPadding = SheetGeometry::kVerticalPadding;

// A spreadsheet adds 5 pixels (at 96 dpi) of margin and grid line to a column's
// characters.
constexpr double kColumnPadding = 5 * 72.0 / 96.0;

double ColumnPoints(double characters, double digitWidth) {
  return characters <= 0 ? 0 : characters * digitWidth + kColumnPadding;
}

// The report turns text only a quarter turn upwards; other angles are drawn level.
bool IsTurned(const report_sheet::CellFormat& format) { return format.orientation == 90; }

struct MeasuredFont {
  TextFont font;
  FontMeasures measures;
};

// The fonts of the sheet's cells, each made and measured once.
class CellFonts {
 public:
  CellFonts(const report_sheet::StandardFont& standard, TextMetrics& metrics)
      : standard_(standard), metrics_(metrics) {}

  const MeasuredFont& For(const report_sheet::CellFormat& format) { return For(CellTextFont(standard_, format)); }

  const MeasuredFont& For(const TextFont& font) {
    for (const MeasuredFont& known : known_) {
      if (known.font == font) return known;
    }
    known_.push_back({font, metrics_.Measures(font)});
    return known_.back();
  }

 private:
  const report_sheet::StandardFont& standard_;
  TextMetrics& metrics_;
  std::deque<MeasuredFont> known_;  // the cells keep pointers into it
};

// What a cell shows, with its font; lines once they are known.
struct CellText {
  std::string text;
  const MeasuredFont* font = nullptr;
  const report_sheet::CellFormat* format = nullptr;
  bool number = false;
  std::vector<TextLineSpan> lines;
};

// Lines of a horizontal text in a cell of the given width.
std::vector<TextLineSpan> LinesOf(TextMetrics& metrics, const CellText& cell, double cellWidth) {
  if (cell.text.empty() || IsTurned(*cell.format)) return {};
  if (cell.format->wrapText)
    return BreakIntoLines(metrics, cell.font->font, cell.text, cellWidth - 2 * kHorizontalPadding);
  return {TextLineSpan{0, cell.text.size(), metrics.Width(cell.font->font, cell.text)}};
}

// A line that shrinks to fit its cell is set in a smaller font when it would run past the
// cell's edges, as a spreadsheet shows it: the font in steps of a quarter point, never
// below one point.
void ShrinkToFit(TextMetrics& metrics, CellFonts& fonts, CellText& cell, double cellWidth) {
  if (!cell.format->shrinkToFit || cell.format->wrapText || cell.lines.size() != 1) return;
  const double room = cellWidth - 2 * kHorizontalPadding;
  if (cell.lines.front().width <= room || room <= 0) return;
  constexpr double kStep = 0.25;
  constexpr double kSmallest = 1;
  TextFont smaller = cell.font->font;
  smaller.size = std::max(kSmallest, std::floor(smaller.size * room / cell.lines.front().width / kStep) * kStep);
  while (smaller.size > kSmallest && metrics.Width(smaller, cell.text) > room) smaller.size -= kStep;
  cell.font = &fonts.For(smaller);
  cell.lines = LinesOf(metrics, cell, cellWidth);
}

// The height a cell of an automatic-height row asks for.
double NeededHeight(TextMetrics& metrics, const CellText& cell) {
  if (cell.text.empty()) return 0;
  if (IsTurned(*cell.format)) return metrics.Width(cell.font->font, cell.text) + 2 * kVerticalPadding;
  return static_cast<double>(cell.lines.size()) * cell.font->measures.lineSpacing + 2 * kVerticalPadding;
}

double HorizontalStart(const report_sheet::CellFormat& format, bool number, double boxWidth, double textWidth) {
  switch (format.horizontal) {
    case report_sheet::HorizontalAlignment::Left: return kHorizontalPadding;
    case report_sheet::HorizontalAlignment::Center: return (boxWidth - textWidth) / 2;
    case report_sheet::HorizontalAlignment::Right: return boxWidth - kHorizontalPadding - textWidth;
    case report_sheet::HorizontalAlignment::General: break;
  }
  return number ? boxWidth - kHorizontalPadding - textWidth : kHorizontalPadding;
}

// Top of a block of the given height inside a box.
double VerticalStart(const report_sheet::CellFormat& format, double boxHeight, double blockHeight) {
  switch (format.vertical) {
    case report_sheet::VerticalAlignment::Top: return kVerticalPadding;
    case report_sheet::VerticalAlignment::Center: return (boxHeight - blockHeight) / 2;
    case report_sheet::VerticalAlignment::Bottom: break;
  }
  return boxHeight - kVerticalPadding - blockHeight;
}

// Whether a stretch from..to, points, lies within 0..size of a box.
bool Within(double from, double to, double size) {
  constexpr double kTolerance = 0.01;
  return from >= -kTolerance && to <= size + kTolerance;
}

void PlaceHorizontal(TextMetrics& metrics, SheetBox& box, const CellText& cell) {
  PlaceLevelText(metrics, box, *cell.format, cell.number, cell.text, cell.lines, cell.font->measures);
}

// Text turned a quarter turn to read upwards: it runs from its start point up the cell,
// its ascent towards the left edge.
void PlaceTurned(TextMetrics& metrics, SheetBox& box, const CellText& cell) {
  const report_sheet::CellFormat& format = *cell.format;
  const double length = metrics.Width(cell.font->font, cell.text);
  const double ascent = cell.font->measures.ascent;
  const double descent = cell.font->measures.descent;
  double x = (box.rect.width + ascent - descent) / 2;
  if (format.horizontal == report_sheet::HorizontalAlignment::Left) x = kHorizontalPadding + ascent;
  if (format.horizontal == report_sheet::HorizontalAlignment::Right) x = box.rect.width - kHorizontalPadding - descent;
  double y = box.rect.height - kVerticalPadding;
  if (format.vertical == report_sheet::VerticalAlignment::Center) y = (box.rect.height + length) / 2;
  if (format.vertical == report_sheet::VerticalAlignment::Top) y = kVerticalPadding + length;
  box.lines.push_back({cell.text, x, y, length});
  box.overflows = !Within(x - ascent, x + descent, box.rect.width) || !Within(y - length, y, box.rect.height);
}

std::size_t IndexOf(int row, int column) {
  return static_cast<std::size_t>((row - 1) * report_sheet::ReportSheet::kLastColumn + (column - 1));
}

}  // namespace

void PlaceLevelText(TextMetrics& metrics, SheetBox& box, const report_sheet::CellFormat& format, bool number,
                    std::string_view text, const std::vector<TextLineSpan>& lines, const FontMeasures& measures) {
  const double spacing = measures.lineSpacing;
  const double top = VerticalStart(format, box.rect.height, static_cast<double>(lines.size()) * spacing);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextLineSpan& span = lines[i];
    const double x = HorizontalStart(format, number, box.rect.width, span.width);
    const double baseline = top + static_cast<double>(i) * spacing + measures.ascent;
    std::string line(text.substr(span.start, span.length));
    // The line's length as measured, which the page holds its drawing to.
    const double advance = metrics.Width(box.font, line);
    box.lines.push_back({std::move(line), x, baseline, advance});
    box.overflows = box.overflows || !Within(x, x + span.width, box.rect.width) ||
                    !Within(baseline - measures.ascent, baseline + measures.descent, box.rect.height);
  }
}

TextFont CellTextFont(const report_sheet::StandardFont& standard, const report_sheet::CellFormat& format) {
  return {standard.family, format.fontSize.value_or(standard.size), format.bold};
}

namespace {

constexpr int kLastRow = report_sheet::ReportSheet::kLastRow;
constexpr int kLastColumn = report_sheet::ReportSheet::kLastColumn;

// The widest digit of a font, points: the unit of column widths.
double WidestDigit(TextMetrics& metrics, const MeasuredFont& font) {
  double widest = 0;
  for (char digit = '0'; digit <= '9'; ++digit) {
    widest = std::max(widest, metrics.Width(font.font, std::string_view(&digit, 1)));
  }
  return widest;
}

// The right edge of every column, points; the first entry is the left edge of column A.
std::vector<double> ColumnEdges(const report_sheet::ReportSheet& sheet, double digitWidth) {
  std::vector<double> edges(kLastColumn + 1, 0);
  for (int column = 1; column <= kLastColumn; ++column) {
    edges[static_cast<std::size_t>(column)] =
        edges[static_cast<std::size_t>(column - 1)] + ColumnPoints(sheet.ColumnWidth(column), digitWidth);
  }
  return edges;
}

// What every cell shows, its lines broken and shrunk to fit the cell's width; a cell
// hidden under a merged block shows nothing.
std::vector<CellText> ShownCells(const report_sheet::ReportSheet& sheet, const SheetGeometry& columns, CellFonts& fonts,
                                 TextMetrics& metrics) {
  std::vector<CellText> cells(static_cast<std::size_t>(kLastRow * kLastColumn));
  for (int row = 1; row <= kLastRow; ++row) {
    for (int column = 1; column <= kLastColumn; ++column) {
      const auto merged = sheet.MergedBlockAt(row, column);
      if (merged && (merged->firstRow != row || merged->firstColumn != column)) continue;
      CellText& cell = cells[IndexOf(row, column)];
      cell.format = &sheet.FormatAt(row, column);
      cell.font = &fonts.For(*cell.format);
      cell.text = report_sheet::DisplayedText(sheet, row, column);
      cell.number = report_sheet::ShowsNumber(sheet, row, column);
      const double width = merged ? columns.ColumnLeft(merged->lastColumn + 1) - columns.ColumnLeft(column)
                                  : columns.ColumnWidth(column);
      cell.lines = LinesOf(metrics, cell, width);
      ShrinkToFit(metrics, fonts, cell, width);
    }
  }
  return cells;
}

// A row's height: as set, or as tall as its tallest unmerged cell needs. A merged block
// does not make its rows grow, as in a spreadsheet, except a block of wrapped text merged
// across this one row (the title): a long school, subject or name would be cut off, so the
// row grows to show it whole.
double RowPoints(const report_sheet::ReportSheet& sheet, int row, const std::vector<CellText>& cells,
                 TextMetrics& metrics, double defaultHeight) {
  double height = defaultHeight;
  if (const auto set = sheet.RowHeight(row)) {
    height = *set;
  } else {
    for (int column = 1; column <= kLastColumn; ++column) {
      if (sheet.MergedBlockAt(row, column)) continue;
      height = std::max(height, NeededHeight(metrics, cells[IndexOf(row, column)]));
    }
  }
  for (int column = 1; column <= kLastColumn; ++column) {
    const auto merged = sheet.MergedBlockAt(row, column);
    if (!merged || merged->firstRow != row || merged->lastRow != row || merged->firstColumn != column) continue;
    const CellText& cell = cells[IndexOf(row, column)];
    if (cell.format->wrapText) height = std::max(height, NeededHeight(metrics, cell));
  }
  return height;
}

// The box of a shown cell (or merged block) with its text placed.
SheetBox PlacedBox(const SheetGeometry& geometry, const report_sheet::ReportSheet& sheet, int row, int column,
                   const CellText& cell, TextMetrics& metrics) {
  const report_sheet::CellBlock block =
      sheet.MergedBlockAt(row, column).value_or(report_sheet::CellBlock{row, column, row, column});
  SheetBox box;
  box.row = row;
  box.column = column;
  box.rect = {geometry.ColumnLeft(block.firstColumn), geometry.RowTop(block.firstRow),
              geometry.ColumnLeft(block.lastColumn + 1) - geometry.ColumnLeft(block.firstColumn),
              geometry.RowTop(block.lastRow + 1) - geometry.RowTop(block.firstRow)};
  box.font = cell.font->font;
  box.orientation = IsTurned(*cell.format) ? 90 : 0;
  box.bordered = cell.format->border != report_sheet::LineStyle::None;
  if (cell.text.empty()) return box;
  if (box.orientation == 90) {
    PlaceTurned(metrics, box, cell);
  } else {
    PlaceHorizontal(metrics, box, cell);
  }
  return box;
}

}  // namespace

SheetGeometry::SheetGeometry(const report_sheet::ReportSheet& sheet, TextMetrics& metrics) {
  CellFonts fonts(sheet.Font(), metrics);
  const MeasuredFont& standardFont = fonts.For(report_sheet::CellFormat{});
  digitWidth_ = WidestDigit(metrics, standardFont);
  columnLeft_ = ColumnEdges(sheet, digitWidth_);
  const std::vector<CellText> cells = ShownCells(sheet, *this, fonts, metrics);

  const double defaultHeight = standardFont.measures.lineSpacing + 2 * kVerticalPadding;
  rowTop_.assign(kLastRow + 1, 0);
  for (int row = 1; row <= kLastRow; ++row) {
    rowTop_[static_cast<std::size_t>(row)] = RowTop(row) + RowPoints(sheet, row, cells, metrics, defaultHeight);
  }

  for (int row = 1; row <= kLastRow; ++row) {
    for (int column = 1; column <= kLastColumn; ++column) {
      const CellText& cell = cells[IndexOf(row, column)];
      if (cell.format != nullptr) boxes_.push_back(PlacedBox(*this, sheet, row, column, cell, metrics));
    }
  }
}

}  // namespace soatnoma::sheet_layout
