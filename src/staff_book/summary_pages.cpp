#include "staff_book/summary_pages.h"

#include <algorithm>
#include <numeric>

#include "sheet_layout/line_breaking.h"
#include "report_sheet/page_setup.h"
#include "model/number_text.h"

namespace soatnoma::staff_book {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kPaddingX = sheet_layout::SheetGeometry::kHorizontalPadding;
constexpr double kPaddingY = sheet_layout::SheetGeometry::kVerticalPadding;
// A spreadsheet adds 5 pixels (at 96 dpi) of margin and grid line to a column's characters.
constexpr double kColumnPadding = 5 * 72.0 / 96.0;

// The printable area of the paper, points.
struct Area {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

Area PrintableArea(const SummaryPage& page, const report_sheet::PaperPoints& paper) {
  const double left = page.margins.left * kPointsPerInch;
  const double top = page.margins.top * kPointsPerInch;
  return {left, top, paper.width - left - page.margins.right * kPointsPerInch,
          paper.height - top - page.margins.bottom * kPointsPerInch};
}

// The left edge of every column and the right edge of the last, points: the sheet's widths
// in characters of the standard font, stretched or narrowed to the printable width.
std::vector<double> ColumnEdges(const SummarySheet& sheet, double digitWidth, const Area& area) {
  std::vector<double> widths;
  for (const double characters : sheet.columnWidths) widths.push_back(characters * digitWidth + kColumnPadding);
  const double natural = std::accumulate(widths.begin(), widths.end(), 0.0);
  std::vector<double> edges{area.left};
  for (const double width : widths) edges.push_back(edges.back() + width * area.width / natural);
  return edges;
}

double WidestDigit(sheet_layout::TextMetrics& metrics, const sheet_layout::TextFont& font) {
  double widest = 0;
  for (char digit = '0'; digit <= '9'; ++digit)
    widest = std::max(widest, metrics.Width(font, std::string_view(&digit, 1)));
  return widest;
}

// A cell as it prints: its text, font and lines in the width of its columns.
struct PrintedCell {
  const SummaryCell* cell = nullptr;
  std::string text;
  sheet_layout::TextFont font;
  sheet_layout::FontMeasures measures;
  std::vector<sheet_layout::TextLineSpan> lines;
};

std::string TextOf(const SummaryCell& cell) {
  switch (cell.kind) {
    case SummaryCellKind::Text: return cell.text;
    case SummaryCellKind::Number:
    case SummaryCellKind::Formula: return NumberToText(cell.number);
    case SummaryCellKind::Blank: break;
  }
  return {};
}

class SummaryLayout {
 public:
  SummaryLayout(const SummarySheet& sheet, const report_sheet::StandardFont& font, sheet_layout::TextMetrics& metrics);

  SummaryPrint Pages();

 private:
  void MeasureCells(const SummarySheet& sheet, const report_sheet::StandardFont& font);
  void FitRows(const SummarySheet& sheet, const report_sheet::StandardFont& font);
  std::vector<std::vector<int>> RowsOfPages() const;
  double HeightOf(int firstRow, int lastRow) const;
  SummaryPrintPage Page(const std::vector<int>& rows) const;
  sheet_layout::SheetBox PageNumber(int number) const;

  const SummarySheet& sheet_;
  sheet_layout::TextMetrics& metrics_;
  sheet_layout::TextFont standard_;
  report_sheet::PaperPoints paper_;
  Area area_;
  std::vector<double> edges_;
  std::vector<PrintedCell> cells_;
  std::vector<double> rowHeights_;                    // rows from 1; [0] unused
  std::vector<std::vector<std::size_t>> cellsOfRow_;  // indexes into cells_, rows from 1
};

SummaryLayout::SummaryLayout(const SummarySheet& sheet, const report_sheet::StandardFont& font,
                             sheet_layout::TextMetrics& metrics)
    : sheet_(sheet), metrics_(metrics), standard_{font.family, font.size, false} {
  report_sheet::PageSetup setup;
  setup.orientation =
      sheet.page.landscape ? report_sheet::PageOrientation::Landscape : report_sheet::PageOrientation::Portrait;
  paper_ = report_sheet::PagePoints(setup);
  area_ = PrintableArea(sheet.page, paper_);
  edges_ = ColumnEdges(sheet, WidestDigit(metrics, standard_), area_);
  MeasureCells(sheet, font);
  FitRows(sheet, font);
}

void SummaryLayout::MeasureCells(const SummarySheet& sheet, const report_sheet::StandardFont& font) {
  for (const SummaryCell& cell : sheet.cells) {
    const report_sheet::CellFormat& format = sheet.formats[cell.format];
    PrintedCell printed{&cell, TextOf(cell), sheet_layout::CellTextFont(font, format), {}, {}};
    printed.measures = metrics_.Measures(printed.font);
    const double width =
        edges_[static_cast<std::size_t>(cell.lastColumn)] - edges_[static_cast<std::size_t>(cell.column - 1)];
    if (printed.text.empty()) {
      // a blank cell prints its frame only
    } else if (format.wrapText) {
      printed.lines = sheet_layout::BreakIntoLines(metrics_, printed.font, printed.text, width - 2 * kPaddingX);
    } else {
      printed.lines = {sheet_layout::TextLineSpan{0, printed.text.size(), metrics_.Width(printed.font, printed.text)}};
    }
    cells_.push_back(std::move(printed));
  }
}

// Every row as high as its stored height and as its tallest text asks, at least a line.
void SummaryLayout::FitRows(const SummarySheet& sheet, const report_sheet::StandardFont& font) {
  int lastRow = 0;
  for (const SummaryCell& cell : sheet.cells) lastRow = std::max(lastRow, cell.row);
  const double line =
      metrics_.Measures(sheet_layout::CellTextFont(font, report_sheet::CellFormat{})).lineSpacing + 2 * kPaddingY;
  rowHeights_.assign(static_cast<std::size_t>(lastRow) + 1, line);
  cellsOfRow_.assign(rowHeights_.size(), {});
  for (const SummaryRowHeight& height : sheet.heights) {
    double& row = rowHeights_[static_cast<std::size_t>(height.row)];
    row = std::max(row, height.points);
  }
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const PrintedCell& printed = cells_[i];
    const auto row = static_cast<std::size_t>(printed.cell->row);
    rowHeights_[row] = std::max(
        rowHeights_[row], static_cast<double>(printed.lines.size()) * printed.measures.lineSpacing + 2 * kPaddingY);
    cellsOfRow_[row].push_back(i);
  }
}

double SummaryLayout::HeightOf(int firstRow, int lastRow) const {
  double height = 0;
  for (int row = firstRow; row <= lastRow; ++row) height += rowHeights_[static_cast<std::size_t>(row)];
  return height;
}

// The rows of each page: the title and the headings, then the teachers as far as they fit,
// the headings again on top of every further page, and the total with the signatures
// together on the last page, which always holds a teacher too.
std::vector<std::vector<int>> SummaryLayout::RowsOfPages() const {
  const int heading = sheet_.page.repeatedRow;
  const int lastRow = static_cast<int>(rowHeights_.size()) - 1;
  std::vector<std::vector<int>> pages(1);
  for (int row = 1; row <= heading; ++row) pages.back().push_back(row);
  double used = HeightOf(1, heading);
  const auto newPage = [&] {
    pages.push_back({heading});
    used = HeightOf(heading, heading);
  };
  for (int row = heading + 1; row < sheet_.totalRow; ++row) {
    const double height = HeightOf(row, row);
    if (used + height > area_.height && pages.back().back() != heading) newPage();
    pages.back().push_back(row);
    used += height;
  }
  if (used + HeightOf(sheet_.totalRow, lastRow) > area_.height && pages.back().back() != heading) {
    const int lastTeacher = pages.back().back();
    pages.back().pop_back();
    newPage();
    pages.back().push_back(lastTeacher);
  }
  for (int row = sheet_.totalRow; row <= lastRow; ++row) pages.back().push_back(row);
  return pages;
}

SummaryPrintPage SummaryLayout::Page(const std::vector<int>& rows) const {
  SummaryPrintPage page;
  double top = area_.top;
  for (const int row : rows) {
    const double height = rowHeights_[static_cast<std::size_t>(row)];
    for (const std::size_t index : cellsOfRow_[static_cast<std::size_t>(row)]) {
      const PrintedCell& printed = cells_[index];
      const SummaryCell& cell = *printed.cell;
      const report_sheet::CellFormat& format = sheet_.formats[cell.format];
      sheet_layout::SheetBox box;
      box.row = cell.row;
      box.column = cell.column;
      const double left = edges_[static_cast<std::size_t>(cell.column - 1)];
      box.rect = {left, top, edges_[static_cast<std::size_t>(cell.lastColumn)] - left, height};
      box.font = printed.font;
      box.bordered = format.border != report_sheet::LineStyle::None;
      const bool number = cell.kind == SummaryCellKind::Number || cell.kind == SummaryCellKind::Formula;
      sheet_layout::PlaceLevelText(metrics_, box, format, number, printed.text, printed.lines, printed.measures);
      page.boxes.push_back(std::move(box));
    }
    top += height;
  }
  return page;
}

// The page's number, centred at the foot where the sheet's footer stands.
sheet_layout::SheetBox SummaryLayout::PageNumber(int number) const {
  const sheet_layout::FontMeasures measures = metrics_.Measures(standard_);
  const std::string text = std::to_string(number);
  sheet_layout::SheetBox box;
  box.font = standard_;
  const double bottom = paper_.height - sheet_.page.margins.footer * kPointsPerInch;
  box.rect = {area_.left, bottom - measures.lineSpacing - 2 * kPaddingY, area_.width,
              measures.lineSpacing + 2 * kPaddingY};
  report_sheet::CellFormat centred;
  centred.horizontal = report_sheet::HorizontalAlignment::Center;
  sheet_layout::PlaceLevelText(metrics_, box, centred, false, text,
                               {sheet_layout::TextLineSpan{0, text.size(), metrics_.Width(standard_, text)}}, measures);
  return box;
}

SummaryPrint SummaryLayout::Pages() {
  SummaryPrint print{paper_.width, paper_.height, {}};
  const std::vector<std::vector<int>> rows = RowsOfPages();
  for (const std::vector<int>& pageRows : rows) {
    print.pages.push_back(Page(pageRows));
    if (rows.size() > 1) print.pages.back().boxes.push_back(PageNumber(static_cast<int>(print.pages.size())));
  }
  return print;
}

}  // namespace

SummaryPrint LaySummaryPages(const SummarySheet& sheet, const report_sheet::StandardFont& font,
                             sheet_layout::TextMetrics& metrics) {
  return SummaryLayout(sheet, font, metrics).Pages();
}

}  // namespace soatnoma::staff_book
