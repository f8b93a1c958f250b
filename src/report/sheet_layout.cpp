#include "report/sheet_layout.h"

#include <algorithm>

#include "report/cell_display.h"

namespace soatnoma {
namespace {

constexpr double kHorizontalPadding = SheetLayout::kHorizontalPadding;
constexpr double kVerticalPadding = SheetLayout::kVerticalPadding;

// A spreadsheet adds 5 pixels (at 96 dpi) of margin and grid line to a column's
// characters.
constexpr double kColumnPadding = 5 * 72.0 / 96.0;

double ColumnPoints(double characters, double digitWidth) {
  return characters <= 0 ? 0 : characters * digitWidth + kColumnPadding;
}

// The report turns text only a quarter turn upwards; other angles are drawn level.
bool IsTurned(const CellFormat& format) { return format.orientation == 90; }

// The fonts of the sheet's cells, each made and measured once.
class CellFonts {
 public:
  CellFonts(const StandardFont& standard, TextMeasure& measure) : standard_(standard), measure_(measure) {}

  const MeasuredFont& For(const CellFormat& format) {
    const double size = format.fontSize.value_or(standard_.size);
    for (const Known& known : known_) {
      if (known.size == size && known.bold == format.bold) return *known.font;
    }
    const MeasuredFont& font = measure_.Measured(CellFont(standard_, format));
    known_.push_back({size, format.bold, &font});
    return font;
  }

 private:
  struct Known {
    double size;
    bool bold;
    const MeasuredFont* font;
  };
  const StandardFont& standard_;
  TextMeasure& measure_;
  std::vector<Known> known_;
};

// What a cell shows, with its font; lines once they are known.
struct CellText {
  QString text;
  const MeasuredFont* font = nullptr;
  const CellFormat* format = nullptr;
  bool number = false;
  std::vector<LineSpan> lines;
};

// Lines of a horizontal text in a cell of the given width.
std::vector<LineSpan> LinesOf(const TextMeasure& measure, const CellText& cell, double cellWidth) {
  if (cell.text.isEmpty() || IsTurned(*cell.format)) return {};
  if (cell.format->wrapText) return measure.Wrap(*cell.font, cell.text, cellWidth - 2 * kHorizontalPadding);
  return {LineSpan{0, static_cast<int>(cell.text.size()), measure.Width(*cell.font, cell.text)}};
}

// The height a cell of an automatic-height row asks for.
double NeededHeight(const TextMeasure& measure, const CellText& cell) {
  if (cell.text.isEmpty()) return 0;
  if (IsTurned(*cell.format)) return measure.Width(*cell.font, cell.text) + 2 * kVerticalPadding;
  return static_cast<double>(cell.lines.size()) * cell.font->lineSpacing + 2 * kVerticalPadding;
}

double HorizontalStart(const CellFormat& format, bool number, double boxWidth, double textWidth) {
  switch (format.horizontal) {
    case HorizontalAlignment::Left: return kHorizontalPadding;
    case HorizontalAlignment::Center: return (boxWidth - textWidth) / 2;
    case HorizontalAlignment::Right: return boxWidth - kHorizontalPadding - textWidth;
    case HorizontalAlignment::General: break;
  }
  return number ? boxWidth - kHorizontalPadding - textWidth : kHorizontalPadding;
}

// Top of a block of the given height inside a box.
double VerticalStart(const CellFormat& format, double boxHeight, double blockHeight) {
  switch (format.vertical) {
    case VerticalAlignment::Top: return kVerticalPadding;
    case VerticalAlignment::Center: return (boxHeight - blockHeight) / 2;
    case VerticalAlignment::Bottom: break;
  }
  return boxHeight - kVerticalPadding - blockHeight;
}

// Whether a stretch from..to, points, lies within 0..size of a box.
bool Within(double from, double to, double size) {
  constexpr double kTolerance = 0.01;
  return from >= -kTolerance && to <= size + kTolerance;
}

void PlaceHorizontal(CellBox& box, const CellText& cell) {
  const double spacing = cell.font->lineSpacing;
  const double top = VerticalStart(*cell.format, box.rect.height(), static_cast<double>(cell.lines.size()) * spacing);
  for (std::size_t i = 0; i < cell.lines.size(); ++i) {
    const LineSpan& span = cell.lines[i];
    const double x = HorizontalStart(*cell.format, cell.number, box.rect.width(), span.width);
    const double baseline = top + static_cast<double>(i) * spacing + cell.font->ascent;
    box.lines.push_back({cell.text.mid(span.start, span.length), QPointF(x, baseline)});
    box.overflows = box.overflows || !Within(x, x + span.width, box.rect.width()) ||
                    !Within(baseline - cell.font->ascent, baseline + cell.font->descent, box.rect.height());
  }
}

// Text turned a quarter turn to read upwards: it runs from its start point up the cell,
// its ascent towards the left edge.
void PlaceTurned(const TextMeasure& measure, CellBox& box, const CellText& cell) {
  const CellFormat& format = *cell.format;
  const double length = measure.Width(*cell.font, cell.text);
  const double ascent = cell.font->ascent;
  const double descent = cell.font->descent;
  double x = (box.rect.width() + ascent - descent) / 2;
  if (format.horizontal == HorizontalAlignment::Left) x = kHorizontalPadding + ascent;
  if (format.horizontal == HorizontalAlignment::Right) x = box.rect.width() - kHorizontalPadding - descent;
  double y = box.rect.height() - kVerticalPadding;
  if (format.vertical == VerticalAlignment::Center) y = (box.rect.height() + length) / 2;
  if (format.vertical == VerticalAlignment::Top) y = kVerticalPadding + length;
  box.lines.push_back({cell.text, QPointF(x, y)});
  box.overflows = !Within(x - ascent, x + descent, box.rect.width()) || !Within(y - length, y, box.rect.height());
}

std::size_t IndexOf(int row, int column) {
  return static_cast<std::size_t>((row - 1) * ReportSheet::kLastColumn + (column - 1));
}

}  // namespace

QFont CellFont(const StandardFont& standard, const CellFormat& format) {
  QFont font;
  font.setFamilies({QString::fromStdString(standard.family)});
  font.setPointSizeF(format.fontSize.value_or(standard.size));
  font.setBold(format.bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  // Letters stay letters: no "fi" ligatures, so the PDF's text reads back and searches
  // as it was written.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

SheetLayout::SheetLayout(const ReportSheet& sheet) {
  TextMeasure measure;
  Lay(sheet, measure);
}

SheetLayout::SheetLayout(const ReportSheet& sheet, TextMeasure& measure) { Lay(sheet, measure); }

void SheetLayout::Lay(const ReportSheet& sheet, TextMeasure& measure) {
  CellFonts fonts(sheet.Font(), measure);
  constexpr int lastRow = ReportSheet::kLastRow;
  constexpr int lastColumn = ReportSheet::kLastColumn;

  const MeasuredFont& standardFont = fonts.For(CellFormat{});
  digitWidth_ = measure.DigitWidth(standardFont);
  columnLeft_.assign(lastColumn + 1, 0);
  for (int column = 1; column <= lastColumn; ++column) {
    columnLeft_[static_cast<std::size_t>(column)] =
        ColumnLeft(column) + ColumnPoints(sheet.ColumnWidth(column), digitWidth_);
  }

  // What every cell shows; a cell hidden under a merged block shows nothing.
  std::vector<CellText> cells(static_cast<std::size_t>(lastRow * lastColumn));
  for (int row = 1; row <= lastRow; ++row) {
    for (int column = 1; column <= lastColumn; ++column) {
      const auto merged = sheet.MergedBlockAt(row, column);
      if (merged && (merged->firstRow != row || merged->firstColumn != column)) continue;
      CellText& cell = cells[IndexOf(row, column)];
      cell.format = &sheet.FormatAt(row, column);
      cell.font = &fonts.For(*cell.format);
      cell.text = QString::fromStdString(DisplayedText(sheet, row, column));
      cell.number = ShowsNumber(sheet, row, column);
      const double width = merged ? ColumnLeft(merged->lastColumn + 1) - ColumnLeft(column) : ColumnWidth(column);
      cell.lines = LinesOf(measure, cell, width);
    }
  }

  const double defaultHeight = standardFont.lineSpacing + 2 * kVerticalPadding;
  rowTop_.assign(lastRow + 1, 0);
  for (int row = 1; row <= lastRow; ++row) {
    double height = defaultHeight;
    if (const auto set = sheet.RowHeight(row)) {
      height = *set;
    } else {
      // A merged block does not make its rows grow, as in a spreadsheet.
      for (int column = 1; column <= lastColumn; ++column) {
        if (sheet.MergedBlockAt(row, column)) continue;
        height = std::max(height, NeededHeight(measure, cells[IndexOf(row, column)]));
      }
    }
    rowTop_[static_cast<std::size_t>(row)] = RowTop(row) + height;
  }

  for (int row = 1; row <= lastRow; ++row) {
    for (int column = 1; column <= lastColumn; ++column) {
      const CellText& cell = cells[IndexOf(row, column)];
      if (cell.format == nullptr) continue;
      const CellBlock block = sheet.MergedBlockAt(row, column).value_or(CellBlock{row, column, row, column});
      CellBox box;
      box.row = row;
      box.column = column;
      box.rect = QRectF(QPointF(ColumnLeft(block.firstColumn), RowTop(block.firstRow)),
                        QPointF(ColumnLeft(block.lastColumn + 1), RowTop(block.lastRow + 1)));
      box.font = cell.font->font;
      box.orientation = IsTurned(*cell.format) ? 90 : 0;
      box.bordered = cell.format->border != LineStyle::None;
      if (!cell.text.isEmpty()) {
        if (box.orientation == 90) {
          PlaceTurned(measure, box, cell);
        } else {
          PlaceHorizontal(box, cell);
        }
      }
      boxes_.push_back(std::move(box));
    }
  }
}

}  // namespace soatnoma
