// The one renderer: the form laid out on one A4 landscape page, and drawn as laid out.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include "model/workload_table.h"
#include "report_files/report_renderer.h"
#include "report_files/text_measure.h"
#include "report_test_support.h"

namespace soatnoma {
namespace {

using testing::Built;
using testing::Teacher;

const report_files::CellBox& BoxAt(const report_files::SheetLayout& layout, int row, int column) {
  for (const report_files::CellBox& box : layout.Boxes()) {
    if (box.row == row && box.column == column) return box;
  }
  throw std::out_of_range("no box");
}

TEST(ReportRenderer, LaysOutWrappedTurnedAndWholeNumberText) {
  const report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReportBeforeRounding(Teacher(TeacherCategory::Upper, "23.5", "20", false)));
  const report_files::SheetLayout layout(sheet);
  // Long kinds of work wrap inside column B and their rows grow to hold every line.
  const report_files::CellBox& title = BoxAt(layout, 20, col::B);
  EXPECT_GE(title.lines.size(), 2U);
  EXPECT_GT(layout.RowHeight(20), layout.RowHeight(8) * 1.5);
  for (const report_files::PlacedLine& line : title.lines) {
    EXPECT_GE(line.baselineStart.y(), 0);
    EXPECT_LE(line.baselineStart.y(), title.rect.height());
  }
  // Month headings are turned, and row 4 is tall enough for the longest.
  report_files::TextMeasure measure;
  double longest = 0;
  for (int column = col::C; column <= col::S; ++column) {
    const report_files::CellBox& heading = BoxAt(layout, 4, column);
    EXPECT_EQ(heading.orientation, 90);
    longest = std::max(longest, measure.Width(measure.Measured(heading.font), heading.lines.front().text));
  }
  EXPECT_GT(layout.RowHeight(4), longest);
  EXPECT_LT(layout.RowHeight(4), longest + 10);
  // Fractional hours are shown whole.
  const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
  for (const report_files::CellBox& box : layout.Boxes()) {
    if (box.row < kFirstWorkRow || box.row > kLastWorkRow || box.column < col::C) continue;
    for (const report_files::PlacedLine& line : box.lines)
      EXPECT_TRUE(whole.match(line.text).hasMatch()) << line.text.toStdString();
  }
}

TEST(ReportRenderer, ASharedMeasureLaysEverySheetOutAsItsOwnWould) {
  report_files::TextMeasure shared;
  const std::vector<report_sheet::ReportTexts> staff = {
      testing::kLongTexts, {"5", "fizika", "Ali"}, testing::kLongTexts, {"", "", ""}};
  for (const report_sheet::ReportTexts& texts : staff) {
    const report_sheet::ReportSheet sheet =
        Built(report_sheet::BuildReport(Teacher(TeacherCategory::Primary, "21", "18", true, texts)));
    const report_files::SheetLayout alone(sheet);
    const report_files::SheetLayout together(sheet, shared);
    ASSERT_EQ(alone.Boxes().size(), together.Boxes().size());
    for (std::size_t i = 0; i < alone.Boxes().size(); ++i) {
      const report_files::CellBox& a = alone.Boxes()[i];
      const report_files::CellBox& b = together.Boxes()[i];
      EXPECT_EQ(a.rect, b.rect) << a.row << " " << a.column;
      ASSERT_EQ(a.lines.size(), b.lines.size()) << a.row << " " << a.column;
      for (std::size_t j = 0; j < a.lines.size(); ++j) {
        EXPECT_EQ(a.lines[j].text, b.lines[j].text);
        EXPECT_EQ(a.lines[j].baselineStart, b.lines[j].baselineStart);
      }
    }
  }
}

// Dark pixels along a horizontal band of the image.
int DarkPixels(const QImage& image, int top, int bottom, int left, int right) {
  int dark = 0;
  for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y) {
    for (int x = std::max(0, left); x < std::min(image.width(), right); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ++dark;
    }
  }
  return dark;
}

constexpr double kScale = 2;  // pixels per point

// The page as the renderer paints it, kScale pixels to the point.
QImage PaintedPage(const report_files::ReportRenderer& renderer) {
  QImage page((renderer.PageSizePoints() * kScale).toSize(), QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  renderer.PaintPage(painter, QRectF(QPointF(0, 0), renderer.PageSizePoints() * kScale));
  return page;
}

TEST(ReportRenderer, DrawsTheGridOnTheTableOnlyAtThePageMargins) {
  const report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "20", "20", false)));
  const report_files::ReportRenderer renderer(sheet);
  const QImage page = PaintedPage(renderer);

  const report_files::SheetLayout& layout = renderer.Layout();
  const double left = renderer.PageMarginsPoints().left();
  const double top = renderer.PageMarginsPoints().top();
  const auto px = [&](double points) { return static_cast<int>(std::lround(points * kScale)); };
  // Nothing left of the margin, nothing above the top margin; the table's left rule right at it.
  EXPECT_EQ(DarkPixels(page, 0, page.height(), 0, px(left) - 2), 0);
  EXPECT_EQ(DarkPixels(page, 0, px(top) - 1, 0, page.width()), 0);
  EXPECT_GT(DarkPixels(page, px(top + layout.RowTop(5)), px(top + layout.RowTop(20)), px(left) - 1, px(left) + 2),
            px(layout.RowTop(20) - layout.RowTop(5)) / 2);
  // Row 21 between the table and the footer: no gridlines, nothing at all.
  EXPECT_EQ(DarkPixels(page, px(top + layout.RowTop(21)) + 2, px(top + layout.RowTop(22)) - 1, 0, page.width()), 0);
  // Row 1 left of the approval line holds no lines either.
  EXPECT_EQ(DarkPixels(page, 0, px(top + layout.RowTop(2)), 0, px(left + layout.ColumnLeft(col::O))), 0);
}

TEST(ReportRenderer, TitleAndSignatureLineShowWholeNamesOfAnyLength) {
  const report_sheet::ReportSheet sheet =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "23.5", "20", true, testing::kLongTexts)));
  const report_files::ReportRenderer renderer(sheet);
  const report_files::SheetLayout& layout = renderer.Layout();
  for (const report_files::CellBox& box : layout.Boxes()) EXPECT_FALSE(box.overflows) << box.row << " " << box.column;
  // The title's row grows to a third line; the signature line keeps one line in a smaller font.
  EXPECT_GT(layout.RowHeight(2), 40);
  EXPECT_EQ(BoxAt(layout, 2, col::A).lines.size(), 3u);
  EXPECT_EQ(BoxAt(layout, 22, col::A).lines.size(), 1u);
  EXPECT_LT(BoxAt(layout, 22, col::A).font.pointSizeF(), 9);
  EXPECT_GT(BoxAt(layout, 22, col::A).font.pointSizeF(), 6);
  // Still one A4 landscape page inside the margins, drawn at full size: the form takes most
  // of the page, not a postage stamp's corner.
  EXPECT_NEAR(renderer.PageSizePoints().width(), 841.89, 0.01);
  EXPECT_NEAR(renderer.PageSizePoints().height(), 595.28, 0.01);
  const QSizeF printable = renderer.PageSizePoints().shrunkBy(renderer.PageMarginsPoints());
  EXPECT_LE(renderer.SheetSizePoints().height(), printable.height());
  EXPECT_LE(renderer.SheetSizePoints().width(), printable.width());
  EXPECT_GT(renderer.SheetSizePoints().width(), 0.9 * printable.width());

  // Short texts keep the form as it always was.
  const report_sheet::ReportSheet usual =
      Built(report_sheet::BuildReport(Teacher(TeacherCategory::Upper, "23.5", "20", true)));
  const report_files::ReportRenderer usualRenderer(usual);
  EXPECT_EQ(usualRenderer.Layout().RowHeight(2), 40);
  EXPECT_EQ(BoxAt(usualRenderer.Layout(), 22, col::A).font.pointSizeF(), 9);

  const QImage page = PaintedPage(renderer);
  // The heading is centred in its row: the title's last line stays in its own row and leaves
  // the top of row 3 empty.
  const double top = renderer.PageMarginsPoints().top();
  const auto px = [&](double points) { return static_cast<int>(std::lround((top + points) * kScale)); };
  EXPECT_EQ(DarkPixels(page, px(layout.RowTop(3)) + 1, px(layout.RowTop(3) + 6), 0, page.width()), 0);
  EXPECT_GT(DarkPixels(page, px(layout.RowTop(2)), px(layout.RowTop(3)), 0, page.width()), 100);
}

}  // namespace
}  // namespace soatnoma
